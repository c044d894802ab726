// A map of open squares and walls of any size up to LargestSide a side, for the searches: the
// window's 101 x 101 map, or a benchmark map at its full size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/exploration.h"

namespace Searches {

inline constexpr int LargestSide = 4096;

struct Square {
    int x = 0;
    int y = 0;
    bool operator==(const Square&) const = default;
};

// The squares lie inside a wall border one square wide, row after row, so that every neighbour of
// a square on the map is a fixed step away in memory and none needs a bounds check: a neighbour
// beyond the edge is a wall.
class Grid {
  public:
    // Every square a wall; each side from 1 to LargestSide.
    Grid(int width, int height);
    // The window's map as MapGrid holds it now.
    static Grid fromWindowMap();

    int width() const { return columns; }
    int height() const { return rows; }
    bool contains(Square square) const
    {
        return square.x >= 0 && square.x < columns && square.y >= 0 && square.y < rows;
    }
    // False beyond the edge too.
    bool open(Square square) const { return contains(square) && cells[cellOf(square)] != 0; }
    void setOpen(Square square, bool open);
    // Counts the changes, so that a search knows when what it built from the map is out of date.
    std::uint64_t version() const { return changes; }

    // The padded layout the searches work on.
    int stride() const { return columns + 2; }
    std::size_t cellOf(Square square) const
    {
        return static_cast<std::size_t>(square.y + 1) * static_cast<std::size_t>(stride()) +
               static_cast<std::size_t>(square.x + 1);
    }
    // In 32 bits, which divide several times faster: no grid has 2^32 cells.
    Square squareOfCell(std::size_t cell) const
    {
        const auto number = static_cast<std::uint32_t>(cell), side = static_cast<std::uint32_t>(stride());
        return {static_cast<int>(number % side) - 1, static_cast<int>(number / side) - 1};
    }
    const std::uint8_t* paddedCells() const { return cells.data(); }
    std::size_t paddedSize() const { return cells.size(); }

    // The numbering of the exploration record: y * width + x.
    Routeseer::SquareNumber numberOf(Square square) const
    {
        return static_cast<Routeseer::SquareNumber>(square.y) *
                   static_cast<Routeseer::SquareNumber>(columns) +
               static_cast<Routeseer::SquareNumber>(square.x);
    }
    Square squareOf(Routeseer::SquareNumber number) const
    {
        return {static_cast<int>(number % static_cast<Routeseer::SquareNumber>(columns)),
                static_cast<int>(number / static_cast<Routeseer::SquareNumber>(columns))};
    }

  private:
    int columns;
    int rows;
    std::vector<std::uint8_t> cells; // 1 open, 0 wall
    std::uint64_t changes = 0;
};

} // namespace Searches
