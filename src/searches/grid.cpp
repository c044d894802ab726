#include "searches/grid.h"

#include <algorithm>

#include "map/routeseer.h"

namespace Searches {

Grid::Grid(int width, int height)
    : columns(std::clamp(width, 1, LargestSide)), rows(std::clamp(height, 1, LargestSide)),
      cells(static_cast<std::size_t>(columns + 2) * static_cast<std::size_t>(rows + 2), 0)
{
}

Grid Grid::fromWindowMap()
{
    Grid grid(Routeseer::GridSide, Routeseer::GridSide);
    for (int y = 0; y < Routeseer::GridSide; ++y)
        for (int x = 0; x < Routeseer::GridSide; ++x)
            grid.setOpen({x, y}, Routeseer::MapGrid(x, y).passable != Routeseer::Wall);
    return grid;
}

void Grid::setOpen(Square square, bool open)
{
    if (!contains(square))
        return;
    cells[cellOf(square)] = open ? 1 : 0;
    ++changes;
}

} // namespace Searches
