// The check made once before anything is timed: every contender must find a route of the same
// length as findpath, and none on a sealed map, or the timings compare different work.
#pragma once

#include <string>

#include "benchcases.h"
#include "route.h"

namespace Bench {

// Exits with a message naming the case and the contender unless `route` is a chain of open
// neighbouring squares from the case's start to its finish of `expectedSteps` steps, or empty on
// a sealed map.
void checkRoute(const SearchCase& searchCase, const std::string& contender, const Route& route,
                std::size_t expectedSteps);

} // namespace Bench
