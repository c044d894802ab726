// The breadth-first flood. It runs on every search and on every reload of the map, and its time
// is shown to the user, so it works on its own padded grid: every square, on the edge or not,
// tests its eight neighbours at fixed displacements with no bounds check, and the distances are
// handed to DistanceGrid once, when the flood is over. Where the processor has SSE2 the map is laid
// and the queue cleared eight and four at a time; elsewhere a square at a time, with the same result.
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// A queue entry read as one word, so that an append is one store. What one more of a field adds to
// the word depends on the processor's byte order, so it is read off an entry holding just that.
// The flood appends only squares on the map, so a sum never carries from one field into the next.
static_assert(sizeof(QueueEntry) == sizeof(std::uint32_t));
constexpr std::uint32_t OneX = std::bit_cast<std::uint32_t>(QueueEntry{1, 0, 0});
constexpr std::uint32_t OneY = std::bit_cast<std::uint32_t>(QueueEntry{0, 1, 0});
constexpr std::uint32_t OneStep = std::bit_cast<std::uint32_t>(QueueEntry{0, 0, 1});
// What each neighbour adds to the word of the entry it is reached from.
constexpr std::array<std::uint32_t, NeighbourCount> WordStep = [] {
    std::array<std::uint32_t, NeighbourCount> step{};
    for (int i = 0; i < NeighbourCount; ++i)
        step[i] = static_cast<std::uint32_t>(NeighbourDx[i]) * OneX +
                  static_cast<std::uint32_t>(NeighbourDy[i]) * OneY;
    return step;
}();

// Each queue entry's cell in the work grid, beside NodeQueue, so that no entry's cell is worked out
// again from its x and y.
static_assert(WorkCells <= 65536);
std::array<std::uint16_t, NodeQueueSize> entryCells;

// What the queue held where the ring that may reach the target appends: earlier searches' entries,
// which must stay above the tail when the ring is taken back to the target.
std::array<QueueEntry, NodeQueueSize> overwritten;

constexpr int NoTarget = -1;

// Only a start or a lone expansion's entry may lie off the map; two squares or more off, none of
// its neighbours is on it, and it would lie outside the work grid.
bool besideMap(const QueueEntry& entry) { return entry.x <= GridSide && entry.y <= GridSide; }

std::uint32_t wordOf(const QueueEntry& entry) { return std::bit_cast<std::uint32_t>(entry); }

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

#if defined(__SSE2__)
// The walls of eight squares, with SSE2 alone: a 16-byte read holds the passable words of two
// squares, 10 bytes apart; four reads are gathered into one row of eight and compared with a wall
// at once.
void layEight(const MapSquare* squares, std::int16_t* cells)
{
    static_assert(Blocked == -1 && Unreached == 0, "a wall compares to all ones, an open square to 0");
    const auto pair = [](const MapSquare* first) {
        const __m128i two = _mm_loadu_si128(reinterpret_cast<const __m128i*>(first));
        return _mm_unpacklo_epi16(two, _mm_srli_si128(two, sizeof(MapSquare)));
    };
    const __m128i eight = _mm_unpacklo_epi64(_mm_unpacklo_epi32(pair(squares), pair(squares + 2)),
                                             _mm_unpacklo_epi32(pair(squares + 4), pair(squares + 6)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(cells), _mm_cmpeq_epi16(eight, _mm_setzero_si128()));
}

#else
void layEight(const MapSquare* squares, std::int16_t* cells)
{
    for (int i = 0; i < 8; ++i)
        cells[i] = squares[i].passable == Wall ? Blocked : Unreached;
}
#endif

void layWalls()
{
    const MapSquare* const squares = &MapGrid(0, 0);
    for (int y = 0; y <= GridLast; ++y) {
        const MapSquare* const row = &squares[GridSide * y];
        std::int16_t* const cells = &workGrid[workIndex(0, y)];
        for (int x = 0; x + 8 <= GridSide; x += 8)
            layEight(row + x, cells + x);
        // The last eight overlap the eight before them, so nothing is read past the map.
        layEight(row + GridSide - 8, cells + GridSide - 8);
    }
}

// Every search clears the distances of the whole queue but not what earlier searches left in x and
// y; the entries up to the tail are this search's, so only those above it remain. Four at a time
// with SSE2: the distance is each entry's upper half.
void clearDistancesAbove(int tail)
{
    int i = tail + 1;
#if defined(__SSE2__)
    static_assert(std::endian::native == std::endian::little,
                  "x86 keeps the distance in an entry's upper half");
    const __m128i squareOnly = _mm_set1_epi32(0xffff);
    for (; i + 4 <= NodeQueueSize; i += 4) {
        auto* const four = reinterpret_cast<__m128i*>(&NodeQueue[i]);
        _mm_storeu_si128(four, _mm_and_si128(_mm_loadu_si128(four), squareOnly));
    }
#endif
    for (; i < NodeQueueSize; ++i)
        NodeQueue[i].distance = 0;
}

// A place in the queue, as wide as an address, so that no append widens it.
using Position = std::ptrdiff_t;

// Expands the queue one ring at a time: every entry of a ring lies at the same distance, so the
// distance to write is known for the whole ring, and whether the target was reached is asked once
// a ring, not once a discovery. A ring that reached the target is then taken back to it.
class Wavefront {
  public:
    explicit Wavefront(const PathStep& target)
        : tail(queuetail), target(onMap(target.x, target.y) ? workIndex(target.x, target.y) : NoTarget)
    {
    }

    // Expands the queue from its start entry until the target is discovered (true) or none is left.
    bool spread()
    {
        for (Position next = 0; next <= tail;) {
            const Position ringEnd = tail;
            const auto distance = static_cast<std::int16_t>(NodeQueue[next].distance + 1);
            const bool mayReach = mayReachTarget(entryCells[next], ringEnd + 1 - next);
            for (; next <= ringEnd; ++next)
                expand(entryCells[next], wordOf(NodeQueue[next]), distance);
            if (mayReach && stopAtTarget(ringEnd))
                return true;
        }
        return false;
    }

    // Expands one entry, a ring of its own, on whatever the work grid holds.
    bool expandAlone(const QueueEntry& entry)
    {
        const Position ringEnd = tail;
        const auto cell = static_cast<unsigned>(workIndex(entry.x, entry.y));
        const bool mayReach = mayReachTarget(cell, 1);
        expand(cell, wordOf(entry), static_cast<std::int16_t>(entry.distance + 1));
        return mayReach && stopAtTarget(ringEnd);
    }

    int queued() const { return static_cast<int>(tail); }

    // Hands the flood's results back to the shared records.
    bool finish(bool found) const
    {
        queuetail = static_cast<std::int32_t>(tail);
        if (found) {
            pathfound = True;
            pathlength = NodeQueue[tail].distance;
        }
        return found;
    }

  private:
    // A wall or a square already reached is by far the usual outcome of a test, so it falls
    // through and only a discovery jumps, out of line.
    [[gnu::always_inline]] void expand(unsigned cell, std::uint32_t word, std::int16_t distance)
    {
        std::int16_t* const here = &workGrid[cell];
        const std::uint32_t further = word + OneStep;
#pragma GCC unroll 8
        for (int i = 0; i < NeighbourCount; ++i) {
            std::int16_t* const neighbour = here + WorkOffset[i];
            if (*neighbour == Unreached) [[unlikely]] {
                // The queue has room for every square plus the start's second entry, and a square
                // is discovered only while its distance is 0, so the append never overflows.
                *neighbour = distance;
                const std::uint32_t entry = further + WordStep[i];
                std::memcpy(&NodeQueue[++tail], &entry, sizeof entry); // one store, not one per field
                entryCells[tail] = static_cast<std::uint16_t>(cell + WorkOffset[i]);
            }
        }
    }

    // A ring can discover the target only while it is unreached and one of its neighbours lies in
    // the ring, so holds what every square of the ring holds (its distance; the start's own value
    // in the first ring). Only for such a ring is what its appends overwrite kept.
    [[gnu::always_inline]] bool mayReachTarget(unsigned ringCell, Position entries)
    {
        if (target == NoTarget || workGrid[target] != Unreached)
            return false;
        const std::int16_t ringValue = workGrid[ringCell];
        const std::int16_t* const around = &workGrid[target];
        if (std::none_of(WorkOffset.begin(), WorkOffset.end(),
                         [&](int offset) { return around[offset] == ringValue; }))
            return false;
        const Position first = tail + 1;
        std::copy_n(&NodeQueue[first], std::min<Position>(NeighbourCount * entries, NodeQueueSize - first),
                    &overwritten[first]);
        return true;
    }

    // The ring went on expanding after it discovered the target: what it appended after the target
    // is taken back, so the grid and the queue are as if expansion had stopped there.
    [[gnu::always_inline]] bool stopAtTarget(Position ringEnd)
    {
        Position found = ringEnd + 1;
        while (found <= tail && entryCells[found] != target)
            ++found;
        if (found > tail)
            return false;
        for (Position k = found + 1; k <= tail; ++k) {
            workGrid[entryCells[k]] = Unreached;
            NodeQueue[k] = overwritten[k];
        }
        tail = found;
        return true;
    }

    // Every member is inlined into the flood's loop, so the tail stays in a register.
    Position tail;
    const int target;
};

} // namespace

void resetSearch(const PathStep& start)
{
    layWalls();
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
    const bool found = besideMap(entry) && wave.expandAlone(entry);
    publishDistances();
    wave.finish(found);
}

bool flood(const PathStep& target)
{
    Wavefront wave(target);
    bool found = false;
    if (besideMap(NodeQueue[0])) {
        entryCells[0] = static_cast<std::uint16_t>(workIndex(NodeQueue[0].x, NodeQueue[0].y));
        found = wave.spread();
    }
    clearDistancesAbove(wave.queued());
    publishDistances();
    return wave.finish(found);
}

} // namespace Routeseer
