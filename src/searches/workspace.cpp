#include "workspace.h"

#include <algorithm>

namespace Searches {

void Marks::begin(std::size_t cells)
{
    if (state.size() != cells) {
        state.assign(cells, 0);
        mark = 0;
    }
    if (++mark > LastMark) {
        std::fill(state.begin(), state.end(), 0);
        mark = 1;
    }
}

void Workspace::begin(const Grid& grid)
{
    marks.begin(grid.paddedSize());
    for (int d = 0; d < CompassPoints; ++d)
        offset[d] = CompassDx[d] + std::ptrdiff_t{grid.stride()} * CompassDy[d];
    heap.clear();
    queue.clear();
    otherQueue.clear();
    route.clear();
    cells.clear();
}

void Query::recordDiscovered(std::size_t cell, std::size_t parent, Cost cost, double priority, int side)
{
    if (record)
        record->steps.push_back({numberOf(cell), parent == NoCell ? Routeseer::NoSquare : numberOf(parent),
                                 static_cast<float>(valueOf(cost)), static_cast<float>(priority),
                                 Routeseer::Exploration::Event::Discovered, static_cast<std::uint8_t>(side)});
}

void Query::recordExpanded(std::size_t cell, Cost cost, double priority, int side)
{
    if (record)
        record->steps.push_back({numberOf(cell), Routeseer::NoSquare, static_cast<float>(valueOf(cost)),
                                 static_cast<float>(priority), Routeseer::Exploration::Event::Expanded,
                                 static_cast<std::uint8_t>(side)});
}

} // namespace Searches
