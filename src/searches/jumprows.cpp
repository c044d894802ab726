#include "jumprows.h"

#include <bit>
#include <cstring>

namespace Searches {

namespace {

// Every row has eight wall bits before its first square, so the square behind the first is a wall,
// and room after its last for a whole read.
constexpr int Lead = 8;
constexpr int ScanWidth = 56; // a read shifted by up to 7 bits still holds 57 squares, one of them behind
constexpr std::uint64_t ScanMask = (std::uint64_t{1} << ScanWidth) - 1;

enum Way { East, West, South, North };

} // namespace

void JumpRows::Bits::reset(int rows, int squares)
{
    positions = squares;
    rowBytes = static_cast<std::size_t>(squares + Lead) / 8 + 2 * sizeof(std::uint64_t);
    // A wall row above the first and below the last.
    bytes.assign(rowBytes * static_cast<std::size_t>(rows + 2), 0);
}

void JumpRows::Bits::set(int row, int position)
{
    const std::size_t bit = static_cast<std::size_t>(position + Lead);
    bytes[rowBytes * static_cast<std::size_t>(row + 1) + bit / 8] |=
        static_cast<std::uint8_t>(1u << (bit % 8));
}

std::uint64_t JumpRows::Bits::load(int row, int bit) const
{
    std::uint64_t word;
    std::memcpy(&word,
                &bytes[rowBytes * static_cast<std::size_t>(row + 1) + static_cast<std::size_t>(bit) / 8],
                sizeof word);
    return word >> (bit % 8); // little-endian: bit k of the row is bit k of the word
}

int JumpRows::Bits::scan(int row, int from, int goal) const
{
    for (int first = from + 1;; first += ScanWidth) {
        const std::uint64_t here = load(row, first + Lead);
        const std::uint64_t above = load(row - 1, first - 1 + Lead);
        const std::uint64_t below = load(row + 1, first - 1 + Lead);
        // A square beside the line that is open where the square behind it is a wall: the wall
        // ends here, and the square beside is reached best through this one.
        const std::uint64_t forced = ((above >> 1) & ~above) | ((below >> 1) & ~below);
        const std::uint64_t stops = (~here | forced) & ScanMask;
        const int stop = stops ? std::countr_zero(stops) : ScanWidth;
        if (goal >= first && goal - first <= stop && goal - first < ScanWidth)
            return goal;
        if (stops)
            return (here >> stop & 1) ? first + stop : -1;
    }
}

void JumpRows::fit(const Grid& grid)
{
    if (laidFor == &grid && version == grid.version() && width == grid.width() && height == grid.height())
        return;
    laidFor = &grid;
    version = grid.version();
    width = grid.width();
    height = grid.height();
    ways[East].reset(height, width);
    ways[West].reset(height, width);
    ways[South].reset(width, height);
    ways[North].reset(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (grid.open({x, y})) {
                ways[East].set(y, x);
                ways[West].set(y, width - 1 - x);
                ways[South].set(x, y);
                ways[North].set(x, height - 1 - y);
            }
}

int JumpRows::jump(Square from, int direction, Square finish) const
{
    int found = -1;
    switch (direction) {
    case 2:
        found = ways[East].scan(from.y, from.x, finish.y == from.y ? finish.x : -1);
        return found < 0 ? 0 : found - from.x;
    case 6:
        found = ways[West].scan(from.y, width - 1 - from.x, finish.y == from.y ? width - 1 - finish.x : -1);
        return found < 0 ? 0 : found - (width - 1 - from.x);
    case 4:
        found = ways[South].scan(from.x, from.y, finish.x == from.x ? finish.y : -1);
        return found < 0 ? 0 : found - from.y;
    default:
        found =
            ways[North].scan(from.x, height - 1 - from.y, finish.x == from.x ? height - 1 - finish.y : -1);
        return found < 0 ? 0 : found - (height - 1 - from.y);
    }
}

} // namespace Searches
