#include "workspace.h"

#include <algorithm>
#include <bit>

namespace Searches {

void Marks::fit(std::size_t cells)
{
    static_assert(std::endian::native == std::endian::little, "a cost is read as the low bytes of a word");
    if (marks.size() == cells)
        return;
    marks.assign(cells, 0);
    costs.assign(CostBytes * cells + (sizeof(Cost) - CostBytes), 0);
    mark = 0;
}

void Marks::begin()
{
    if (++mark > LastMark) {
        std::fill(marks.begin(), marks.end(), 0);
        mark = 1;
    }
}

void Workspace::fit(const Grid& grid, bool jumps)
{
    marks.fit(grid.paddedSize());
    if (jumps)
        jumpRows.fit(grid);
}

void Workspace::begin(const Grid& grid)
{
    marks.begin();
    for (int d = 0; d < CompassPoints; ++d)
        offset[d] = CompassDx[d] + grid.stride() * CompassDy[d];
    heap.clear();
    queue.clear();
    otherQueue.clear();
    route.clear();
    cells.clear();
}

void Query::write(Routeseer::Exploration::Event event, std::size_t cell, std::size_t parent, Cost cost,
                  double priority, int side)
{
    record->steps.push_back({numberOf(cell), parent == NoCell ? Routeseer::NoSquare : numberOf(parent),
                             static_cast<float>(valueOf(cost)), event, static_cast<std::uint8_t>(side),
                             priority});
}

} // namespace Searches
