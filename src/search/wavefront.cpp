// The breadth-first flood. It runs on every search and on every reload of the map, and its time
// is shown to the user, so the inner loop is kept lean: the flood works on locals and writes the
// shared records back once, squares away from the edge test their eight neighbours unrolled at
// fixed index offsets with no bounds checks, and only edge squares pay for the checks.
#include <bit>
#include <cstring>

#include "search/search.h"

namespace Routeseer {

namespace {

int squareIndex(int x, int y) { return x + GridSide * y; }

int targetIndexOf(const PathStep& target)
{
    return onMap(target.x, target.y) ? squareIndex(target.x, target.y) : -1;
}

// A queue entry as one little-endian word: x in the lowest byte, then y, then the distance.
static_assert(sizeof(QueueEntry) == sizeof(std::uint32_t) && std::endian::native == std::endian::little);
std::uint32_t entryWord(const QueueEntry& entry)
{
    std::uint32_t word;
    std::memcpy(&word, &entry, sizeof word);
    return word;
}

class Wavefront {
public:
    explicit Wavefront(const PathStep& target)
        : distances(&DistanceGrid(0, 0)), tail(queuetail), targetIndex(targetIndexOf(target))
    {
    }

    // Expands one entry; true when the target was discovered. Inlined into the flood's loop so
    // that the tail stays in a register.
    [[gnu::always_inline]] bool expand(const QueueEntry& entry)
    {
        const int x = entry.x;
        const int y = entry.y;
        const auto distance = static_cast<std::int16_t>(entry.distance + 1);
        if (x >= 1 && x < GridLast && y >= 1 && y < GridLast) {
            const int here = squareIndex(x, y);
            const std::uint32_t next = entryWord(entry) + (1u << 16); // the distance one further
            return inner<0>(here, next, distance) || inner<1>(here, next, distance) ||
                   inner<2>(here, next, distance) || inner<3>(here, next, distance) ||
                   inner<4>(here, next, distance) || inner<5>(here, next, distance) ||
                   inner<6>(here, next, distance) || inner<7>(here, next, distance);
        }
        // On the edge a neighbour off the map is passed over like a wall.
        for (int i = 0; i < NeighbourCount; ++i) {
            const int nx = x + NeighbourDx[i];
            const int ny = y + NeighbourDy[i];
            if (onMap(nx, ny) && distances[squareIndex(nx, ny)] == Unreached &&
                discover(squareIndex(nx, ny), entryWord(QueueEntry{std::uint8_t(nx), std::uint8_t(ny), distance}),
                         distance))
                return true;
        }
        return false;
    }

    int queued() const { return tail; }

    // Hands the flood's results back to the shared records.
    bool finish(bool found) const
    {
        queuetail = tail;
        if (found) {
            pathfound = True;
            pathlength = NodeQueue[tail].distance;
        }
        return found;
    }

private:
    // One branch per direction, so each is predicted on its own.
    // `next` is the expanded square's queue word with the distance already one further; away
    // from the edge a neighbour's x and y stay within their bytes, so adding the direction's
    // offsets to the word cannot carry from one field into the next.
    template <int I> [[gnu::always_inline]] bool inner(int here, std::uint32_t next, std::int16_t distance)
    {
        constexpr int offset = NeighbourDx[I] + GridSide * NeighbourDy[I];
        constexpr auto step = static_cast<std::uint32_t>(NeighbourDx[I] + 256 * NeighbourDy[I]);
        return distances[here + offset] == Unreached && discover(here + offset, next + step, distance);
    }

    // The queue has room for every square plus the start's second entry, and a square is
    // discovered only while its distance is 0, so the append never overflows.
    [[gnu::always_inline]] bool discover(int index, std::uint32_t word, std::int16_t distance)
    {
        distances[index] = distance;
        std::memcpy(&NodeQueue[++tail], &word, sizeof word);
        return index == targetIndex;
    }

    std::int16_t* distances;
    int tail;
    int targetIndex;
};

} // namespace

void resetSearch(const PathStep& start)
{
    // Only the distances are cleared: what earlier searches left in x and y stays. Done a whole
    // entry at a time, which the compiler can widen.
    constexpr std::uint32_t keepPlace = 0x0000FFFF; // x and y, the low two bytes
    auto* const entries = reinterpret_cast<unsigned char*>(NodeQueue.data());
    for (std::size_t i = 0; i < NodeQueue.size(); ++i) {
        std::uint32_t entry;
        std::memcpy(&entry, entries + i * sizeof entry, sizeof entry);
        entry &= keepPlace;
        std::memcpy(entries + i * sizeof entry, &entry, sizeof entry);
    }
    std::int16_t* const distances = &DistanceGrid(0, 0);
    const MapSquare* const squares = &MapGrid(0, 0);
#pragma GCC unroll 4
    for (int i = 0; i < SquareCount; ++i)
        distances[i] = squares[i].passable == Wall ? Blocked : Unreached;
    pathfound = False;
    queuetail = 0;
    pathlength = 0;
    NodeQueue[0] = QueueEntry{start.x, start.y, 0};
}

void expandnode(const QueueEntry& entry, const PathStep& target)
{
    Wavefront wave(target);
    wave.finish(wave.expand(entry));
}

bool flood(const PathStep& target)
{
    Wavefront wave(target);
    for (int next = 0; next <= wave.queued(); ++next)
        if (wave.expand(NodeQueue[next]))
            return wave.finish(true);
    return wave.finish(false);
}

} // namespace Routeseer
