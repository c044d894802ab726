#include "paddedflood.h"

#include <bit>

namespace Bench {

namespace {

using namespace Routeseer;

// Each neighbour's displacement in the padded grid, in the search's clockwise order.
constexpr std::array<int, NeighbourCount> offsets()
{
    std::array<int, NeighbourCount> offset{};
    for (int i = 0; i < NeighbourCount; ++i)
        offset[i] = NeighbourDx[i] + PaddedFlood::Side * NeighbourDy[i];
    return offset;
}
constexpr std::array<int, NeighbourCount> Offset = offsets();

// What each neighbour adds to a queue entry read as a little-endian word: x is its lowest byte,
// y the next. A square on the map never carries a byte into the next field.
static_assert(std::endian::native == std::endian::little);
constexpr std::array<std::uint32_t, NeighbourCount> steps()
{
    std::array<std::uint32_t, NeighbourCount> step{};
    for (int i = 0; i < NeighbourCount; ++i)
        step[i] = static_cast<std::uint32_t>(NeighbourDx[i] + 256 * NeighbourDy[i]);
    return step;
}
constexpr std::array<std::uint32_t, NeighbourCount> Step = steps();

} // namespace

PaddedFlood::PaddedFlood() : entries(NodeQueueSize) { grid.fill(Blocked); }

void PaddedFlood::search(const SearchCase& searchCase)
{
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x)
            grid[cellOf(x, y)] = searchCase.open(x, y) ? Unreached : Blocked;
    entries[0] = QueueEntry{searchCase.start.x, searchCase.start.y, 0};
    steps.clear();
    if (flood(cellOf(searchCase.target.x, searchCase.target.y)))
        walkBack(searchCase);
}

bool PaddedFlood::flood(int targetCell)
{
    std::int16_t* const cells = grid.data();
    QueueEntry* const queued = entries.data();
    int tail = 0;
    for (int next = 0; next <= tail; ++next) {
        const QueueEntry entry = queued[next];
        std::int16_t* const here = cells + cellOf(entry.x, entry.y);
        const auto distance = static_cast<std::int16_t>(entry.distance + 1);
        // The entry as one word (x, y, distance from the lowest byte up), one step further on.
        const auto further = std::bit_cast<std::uint32_t>(entry) + (1u << 16);
#pragma GCC unroll 8
        for (int i = 0; i < NeighbourCount; ++i) {
            std::int16_t* const neighbour = here + Offset[i];
            if (*neighbour != Unreached)
                continue;
            *neighbour = distance;
            queued[++tail] = std::bit_cast<QueueEntry>(further + Step[i]);
            if (neighbour == cells + targetCell) {
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
void PaddedFlood::walkBack(const SearchCase& searchCase)
{
    const int length = entries[last].distance;
    steps.resize(static_cast<std::size_t>(length) + 1);
    steps[length] = searchCase.target;
    steps[0] = searchCase.start;
    int x = searchCase.target.x;
    int y = searchCase.target.y;
    for (int k = length - 1; k >= 1; --k) {
        const int cell = cellOf(x, y);
        const std::int16_t here = grid[cell];
        int i = NeighbourCount - 1;
        while (i > 0 && !(grid[cell + Offset[i]] >= 1 && grid[cell + Offset[i]] < here))
            --i;
        x += NeighbourDx[i];
        y += NeighbourDy[i];
        steps[k] = PathStep{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
    }
}

} // namespace Bench
