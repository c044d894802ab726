// The grid as rows of bits, for Jump Point Search's straight jumps: one 64-bit read looks at 56
// squares of a row and the rows beside it at once. The rows are kept four ways (as they lie, mirrored,
// turned and turned mirrored), so a jump in each of the four straight directions is a scan towards
// higher bits.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "searches/grid.h"

namespace Searches {

class JumpRows {
  public:
    // Lays the rows out again when the grid is another or has changed since.
    void fit(const Grid& grid);
    // The steps from (x, y) in the straight compass direction to the next jump point: the finish,
    // or a square with a neighbour that a wall ending beside the line makes reachable only
    // through it. 0 when the line runs into a wall first.
    int jump(Square from, int direction, Square finish) const;

  private:
    struct Bits {
        int positions = 0;
        std::size_t rowBytes = 0;
        std::vector<std::uint8_t> bytes;

        void reset(int rows, int positions);
        void set(int row, int position);
        std::uint64_t load(int row, int bit) const;
        int scan(int row, int from, int goal) const;
    };
    std::array<Bits, 4> ways; // east, west, south, north
    const Grid* laidFor = nullptr;
    std::uint64_t version = 0;
    int width = 0;
    int height = 0;
};

} // namespace Searches
