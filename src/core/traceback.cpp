#include "flood.h"

namespace Routeseer {

namespace {

std::int16_t distanceAt(int x, int y) { return onMap(x, y) ? DistanceGrid(x, y) : Blocked; }

// The flood's own grid after it has reached the target: every square the route passes was
// reached, so lies on the map, and its neighbours inside the border.
std::int16_t floodDistanceAt(int x, int y) { return workGrid[workIndex(x, y)]; }

PathStep neighbourOf(const PathStep& square, int i)
{
    return PathStep{static_cast<std::uint8_t>(square.x + NeighbourDx[i]),
                    static_cast<std::uint8_t>(square.y + NeighbourDy[i])};
}

} // namespace

void backtrack(const PathStep& current, const std::int16_t& index)
{
    if (index <= 0 || static_cast<std::size_t>(index) >= PathSteps.size()) {
        pathfound = True;
        return;
    }
    // The last nearer neighbour clockwise wins, so routes lean towards the upper left as seen
    // from the finish.
    PathSteps[index] = neighbourOf(current, nearerNeighbour(current, distanceAt));
}

void traceRoute(const PathStep& start, const PathStep& target, bool reached)
{
    pathfound = False;
    if (!reached) {
        PathSteps = std::vector<PathStep>();
        return;
    }
    // Filled in place, so the last route's memory serves again rather than a new one each search.
    PathSteps.assign(static_cast<std::size_t>(pathlength) + 1, PathStep{});
    PathSteps[pathlength] = target;
    PathSteps[0] = start;
    // The same steps as backtrack, read from the flood's grid, which holds what DistanceGrid does.
    for (int index = pathlength - 1; index >= 1; --index) {
        const PathStep& later = PathSteps[index + 1];
        PathSteps[index] = neighbourOf(later, nearerNeighbour(later, floodDistanceAt));
    }
    pathfound = True; // the walk is back at the start
}

} // namespace Routeseer
