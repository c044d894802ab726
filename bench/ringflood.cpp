#include "ringflood.h"

#include <emmintrin.h>

#include <array>
#include <bit>
#include <cstddef>
#include <cstring>

namespace Bench::RingFlood {

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
// Each entry's cell, so that none is worked out again from x and y.
static_assert(Side * Side <= 65536);
std::array<std::uint16_t, NodeQueueSize> cells;
std::ptrdiff_t last = 0;
std::vector<PathStep> steps;

// Eight squares' walls with SSE2: two squares' passable words lie 10 bytes apart in one 16-byte
// read; four reads make a row of eight, compared with a wall (0) at once into -1 or 0.
void layEight(const MapSquare* squares, std::int16_t* row)
{
    const auto pair = [](const MapSquare* first) {
        const __m128i two = _mm_loadu_si128(reinterpret_cast<const __m128i*>(first));
        return _mm_unpacklo_epi16(two, _mm_srli_si128(two, sizeof(MapSquare)));
    };
    const __m128i eight = _mm_unpacklo_epi64(_mm_unpacklo_epi32(pair(squares), pair(squares + 2)),
                                             _mm_unpacklo_epi32(pair(squares + 4), pair(squares + 6)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(row), _mm_cmpeq_epi16(eight, _mm_setzero_si128()));
}

void layWalls(const SearchCase& searchCase)
{
    for (int y = 0; y <= GridLast; ++y) {
        const MapSquare* const squares = &searchCase.map[GridSide * y];
        std::int16_t* const row = &grid[cellOf(0, y)];
        for (int x = 0; x + 8 <= GridSide; x += 8)
            layEight(squares + x, row + x);
        layEight(squares + GridSide - 8, row + GridSide - 8); // overlaps: nothing read past the map
    }
}

// The distances of the entries above the tail, four at a time: each entry's upper half.
void clearAbove(std::ptrdiff_t tail)
{
    std::ptrdiff_t i = tail + 1;
    for (; i + 4 <= NodeQueueSize; i += 4) {
        auto* const four = reinterpret_cast<__m128i*>(&entries[i]);
        _mm_storeu_si128(four, _mm_and_si128(_mm_loadu_si128(four), _mm_set1_epi32(0xffff)));
    }
    for (; i < NodeQueueSize; ++i)
        entries[i].distance = 0;
}

// One ring at a time: the distance to write is the ring's, and the finish is looked for once a
// ring; a ring that discovered it gives back what it appended after it. A wall or a square already
// reached falls through; only a discovery jumps.
bool flood(int target)
{
    std::ptrdiff_t tail = 0;
    for (std::ptrdiff_t next = 0; next <= tail;) {
        const std::ptrdiff_t ringEnd = tail;
        const auto distance = static_cast<std::int16_t>(entries[next].distance + 1);
        for (; next <= ringEnd; ++next) {
            const unsigned cell = cells[next];
            std::int16_t* const here = &grid[cell];
            const auto further = std::bit_cast<std::uint32_t>(entries[next]) + (1u << 16);
#pragma GCC unroll 8
            for (int i = 0; i < NeighbourCount; ++i)
                if (here[Offset[i]] == Unreached) [[unlikely]] {
                    here[Offset[i]] = distance;
                    const std::uint32_t word = further + Step[i];
                    std::memcpy(&entries[++tail], &word, sizeof word); // one store, not one per field
                    cells[tail] = static_cast<std::uint16_t>(cell + Offset[i]);
                }
        }
        if (grid[target] == distance) {
            while (cells[tail] != target)
                grid[cells[tail--]] = Unreached;
            last = tail;
            return true;
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
    layWalls(searchCase);
    entries[0] = QueueEntry{searchCase.start.x, searchCase.start.y, 0};
    cells[0] = static_cast<std::uint16_t>(cellOf(searchCase.start.x, searchCase.start.y));
    steps.clear();
    const bool found = flood(cellOf(searchCase.target.x, searchCase.target.y));
    clearAbove(last);
    if (found)
        walkBack(searchCase);
}

std::int16_t distance(int x, int y) { return grid[cellOf(x, y)]; }
const QueueEntry* queue() { return entries.data(); }
int tail() { return static_cast<int>(last); }
const std::vector<PathStep>& route() { return steps; }

} // namespace Bench::RingFlood
