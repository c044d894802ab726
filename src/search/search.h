// The two halves of findpath, shared between the files of the search core.
#pragma once

#include "map/routeseer.h"

namespace Routeseer {

// Clears the search records and queues the start; the start's own distance stays 0 (or -1 when
// it is a wall), which is why the flood later finds it again at distance 2.
void resetSearch(const PathStep& start);

// Expands queue entries in order until the target is discovered (true) or the flood runs out.
bool flood(const PathStep& target);

// Rebuilds PathSteps from the target back to the start after a flood that reached the target,
// or leaves it empty after one that did not.
void traceRoute(const PathStep& start, const PathStep& target, bool reached);

inline constexpr const char* NoPathMessage =
    "No path was found. The start or endpoints are sealed off from eachother.";

} // namespace Routeseer
