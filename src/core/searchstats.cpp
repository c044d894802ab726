#include "search/searchstats.h"

namespace Routeseer {

std::chrono::nanoseconds searchtime{0};

int squaresReached(const PathStep& start)
{
    // Found again, the start holds distance 2; otherwise 0 (not yet reached) or -1 (a wall).
    const bool foundAgain = onMap(start.x, start.y) && DistanceGrid(start.x, start.y) > 0;
    return queuetail + 1 - (foundAgain ? 1 : 0);
}

} // namespace Routeseer
