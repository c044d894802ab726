#include "paddedflood.h"

#include <array>
#include <bit>
#include <cstring>

namespace Bench::PaddedFlood {

namespace {

using namespace Routeseer;

constexpr int Side = GridSide + 2;
int cellOf(int x, int y) { return (x + 1) + Side * (y + 1); }

// Each neighbour's displacement in the padded grid, in the search's clockwise order.
constexpr std::array<int, NeighbourCount> Offset = [] {
    std::array<int, NeighbourCount> offset{};
    for (int i = 0; i < NeighbourCount; ++i)
        offset[i] = NeighbourDx[i] + Side * NeighbourDy[i];
    return offset;
}();

// What each neighbour adds to a queue entry read as a little-endian word: x is its lowest byte,
// y the next. A square on the map never carries a byte into the next field.
static_assert(std::endian::native == std::endian::little);
constexpr std::array<std::uint32_t, NeighbourCount> Step = [] {
    std::array<std::uint32_t, NeighbourCount> step{};
    for (int i = 0; i < NeighbourCount; ++i)
        step[i] = static_cast<std::uint32_t>(NeighbourDx[i] + 256 * NeighbourDy[i]);
    return step;
}();

// The border is laid once and never written: only squares still at 0 are.
std::array<std::int16_t, Side* Side> grid = [] {
    std::array<std::int16_t, Side * Side> walls{};
    walls.fill(Blocked);
    return walls;
}();
std::array<QueueEntry, NodeQueueSize> entries;
int last = 0;
std::vector<PathStep> steps;

bool flood(const std::int16_t* target)
{
    int tail = 0;
    for (int next = 0; next <= tail; ++next) {
        const QueueEntry entry = entries[next];
        std::int16_t* const here = &grid[cellOf(entry.x, entry.y)];
        const auto distance = static_cast<std::int16_t>(entry.distance + 1);
        // The entry as one word (x, y, distance from the lowest byte up), one step further on.
        const auto further = std::bit_cast<std::uint32_t>(entry) + (1u << 16);
#pragma GCC unroll 8
        for (int i = 0; i < NeighbourCount; ++i) {
            std::int16_t* const neighbour = here + Offset[i];
            if (*neighbour != Unreached)
                continue;
            *neighbour = distance;
            const std::uint32_t word = further + Step[i];
            std::memcpy(&entries[++tail], &word, sizeof word); // one store, not one per field
            if (neighbour == target) {
                last = tail;
                return true;
            }
        }
    }
    last = tail;
    return false;
}

// From the finish to the start, each step to the neighbour one nearer that comes last clockwise:
// scanning from the last backwards, the first nearer one is it.
void walkBack(const SearchCase& searchCase)
{
    const int length = entries[last].distance;
    steps.resize(static_cast<std::size_t>(length) + 1);
    steps[length] = searchCase.target;
    steps[0] = searchCase.start;
    int x = searchCase.target.x;
    int y = searchCase.target.y;
    for (int k = length - 1; k >= 1; --k) {
        const std::int16_t* const here = &grid[cellOf(x, y)];
        int i = NeighbourCount - 1;
        while (i > 0 && !(here[Offset[i]] >= 1 && here[Offset[i]] < *here))
            --i;
        x += NeighbourDx[i];
        y += NeighbourDy[i];
        steps[k] = PathStep{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
    }
}

} // namespace

void search(const SearchCase& searchCase)
{
    for (int y = 0; y <= GridLast; ++y) {
        const MapSquare* const squares = &searchCase.map[GridSide * y];
        std::int16_t* const cells = &grid[cellOf(0, y)];
        for (int x = 0; x <= GridLast; ++x)
            cells[x] = squares[x].passable == Wall ? Blocked : Unreached;
    }
    entries[0] = QueueEntry{searchCase.start.x, searchCase.start.y, 0};
    steps.clear();
    if (flood(&grid[cellOf(searchCase.target.x, searchCase.target.y)]))
        walkBack(searchCase);
}

std::int16_t distance(int x, int y) { return grid[cellOf(x, y)]; }
const QueueEntry* queue() { return entries.data(); }
int tail() { return last; }
const std::vector<PathStep>& route() { return steps; }

} // namespace Bench::PaddedFlood
