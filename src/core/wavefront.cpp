// The breadth-first flood. It runs on every search and on every reload of the map, and its time
// is shown to the user, so it works on its own padded grid: every square, on the edge or not,
// tests its eight neighbours at fixed displacements with no bounds check, and the distances are
// handed to DistanceGrid once, when the flood is over.
#include <algorithm>
#include <bit>
#include <cstring>

#include "flood.h"

namespace Routeseer {

// Walls everywhere until a search lays the map inside the border.
constinit std::array<std::int16_t, WorkCells> workGrid = [] {
    std::array<std::int16_t, WorkCells> grid{};
    grid.fill(Blocked);
    return grid;
}();

namespace {

// What each neighbour adds to a queue entry read as one little-endian word (x in the lowest byte,
// then y, then the distance). The flood appends only squares on the map, so the sum never carries
// from one field into the next.
static_assert(sizeof(QueueEntry) == sizeof(std::uint32_t) && std::endian::native == std::endian::little);
constexpr std::array<std::uint32_t, NeighbourCount> WordStep = [] {
    std::array<std::uint32_t, NeighbourCount> step{};
    for (int i = 0; i < NeighbourCount; ++i)
        step[i] = static_cast<std::uint32_t>(NeighbourDx[i] + 256 * NeighbourDy[i]);
    return step;
}();

// Only a start or a lone expansion's entry may lie off the map; two squares or more off, none of
// its neighbours is on it, and it would lie outside the work grid.
bool besideMap(const QueueEntry& entry) { return entry.x <= GridSide && entry.y <= GridSide; }

std::int16_t* cellOf(const PathStep& square)
{
    return onMap(square.x, square.y) ? &workGrid[workIndex(square.x, square.y)] : nullptr;
}

void publishDistances()
{
    for (int y = 0; y <= GridLast; ++y)
        std::copy_n(&workGrid[workIndex(0, y)], GridSide, &DistanceGrid(0, y));
}

void loadDistances()
{
    for (int y = 0; y <= GridLast; ++y)
        std::copy_n(&DistanceGrid(0, y), GridSide, &workGrid[workIndex(0, y)]);
}

class Wavefront {
  public:
    explicit Wavefront(const PathStep& target) : tail(queuetail), targetCell(cellOf(target)) {}

    // Expands one entry; true when the target was discovered. Inlined into the flood's loop so
    // that the tail stays in a register.
    [[gnu::always_inline]] bool expand(const QueueEntry& entry)
    {
        std::int16_t* const here = &workGrid[workIndex(entry.x, entry.y)];
        const auto distance = static_cast<std::int16_t>(entry.distance + 1);
        const std::uint32_t further = std::bit_cast<std::uint32_t>(entry) + (1u << 16);
#pragma GCC unroll 8
        for (int i = 0; i < NeighbourCount; ++i) {
            std::int16_t* const neighbour = here + WorkOffset[i];
            if (*neighbour != Unreached)
                continue;
            // The queue has room for every square plus the start's second entry, and a square is
            // discovered only while its distance is 0, so the append never overflows.
            *neighbour = distance;
            const std::uint32_t word = further + WordStep[i];
            std::memcpy(&NodeQueue[++tail], &word, sizeof word);
            if (neighbour == targetCell)
                return true;
        }
        return false;
    }

    // Expands queue entries in order until the target is discovered (true) or none is left.
    bool spread()
    {
        for (int next = 0; next <= tail; ++next)
            if (expand(NodeQueue[next]))
                return true;
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
    int tail;
    const std::int16_t* targetCell;
};

} // namespace

void resetSearch(const PathStep& start)
{
    for (int y = 0; y <= GridLast; ++y) {
        const MapSquare* const squares = &MapGrid(0, y);
        std::int16_t* const cells = &workGrid[workIndex(0, y)];
        for (int x = 0; x <= GridLast; ++x)
            cells[x] = squares[x].passable == Wall ? Blocked : Unreached;
    }
    pathfound = False;
    queuetail = 0;
    pathlength = 0;
    NodeQueue[0] = QueueEntry{start.x, start.y, 0};
}

void expandnode(const QueueEntry& entry, const PathStep& target)
{
    // Called alone, the tail is the caller's: without room for all eight neighbours after it, an
    // expansion would write past the queue.
    if (queuetail < 0 || queuetail >= NodeQueueSize - NeighbourCount)
        return;
    // Alone, an expansion works on DistanceGrid as the caller left it.
    loadDistances();
    Wavefront wave(target);
    const bool found = besideMap(entry) && wave.expand(entry);
    publishDistances();
    wave.finish(found);
}

bool flood(const PathStep& target)
{
    Wavefront wave(target);
    const bool found = besideMap(NodeQueue[0]) && wave.spread();
    // Every search clears the distances of the whole queue but not what earlier searches left in
    // x and y; the flood has just written every entry up to its tail, so only those above remain.
#pragma GCC unroll 8
    for (int i = wave.queued() + 1; i < NodeQueueSize; ++i)
        NodeQueue[i].distance = 0;
    publishDistances();
    return wave.finish(found);
}

} // namespace Routeseer
