// Figures of the last search for people: how far the flood spread and how long the search itself
// took, without the event pass or a box that findpath's own time includes.
#pragma once

#include <chrono>

#include "map/routeseer.h"

namespace Routeseer {

// The reset, the flood and the trace-back of the last findpath, on a steady clock.
extern std::chrono::nanoseconds searchtime;

// The squares the last search from `start` reached, the start counted once: the queue holds the
// start a second time once the flood finds it again.
int squaresReached(const PathStep& start);

} // namespace Routeseer
