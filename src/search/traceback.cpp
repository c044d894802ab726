#include "search/search.h"

namespace Routeseer {

namespace {

std::int16_t distanceAt(int x, int y) { return onMap(x, y) ? DistanceGrid(x, y) : Blocked; }

} // namespace

void backtrack(const PathStep& current, const std::int16_t& index)
{
    if (index <= 0 || static_cast<std::size_t>(index) >= PathSteps.size()) {
        pathfound = True;
        return;
    }
    const std::int16_t here = distanceAt(current.x, current.y);
    // Every neighbour one step nearer qualifies and the last one in clockwise order wins, so
    // routes lean towards the upper left as seen from the finish.
    int chosen = 0;
    for (int i = 0; i < NeighbourCount; ++i) {
        const std::int16_t value = distanceAt(current.x + NeighbourDx[i], current.y + NeighbourDy[i]);
        if (value < here && value != Unreached && value != Blocked)
            chosen = i;
    }
    PathSteps[index] = PathStep{static_cast<std::uint8_t>(current.x + NeighbourDx[chosen]),
                                static_cast<std::uint8_t>(current.y + NeighbourDy[chosen])};
}

void traceRoute(const PathStep& start, const PathStep& target, bool reached)
{
    pathfound = False;
    if (!reached) {
        PathSteps = std::vector<PathStep>();
        return;
    }
    PathSteps = std::vector<PathStep>(static_cast<std::size_t>(pathlength) + 1);
    PathSteps[pathlength] = target;
    PathSteps[0] = start;
    const auto bound = static_cast<std::int16_t>(pathlength);
    for (int k = 0; k <= bound && pathfound != True; ++k) {
        const auto index = static_cast<std::int16_t>(bound - k - 1);
        backtrack(PathSteps[bound - k], index);
    }
}

} // namespace Routeseer
