// The check made once before anything is timed: every contender must find a route of the same
// length as findpath, and none on a sealed map, or the timings compare different work. The ring
// flood, which stands for findpath's own work, must leave exactly findpath's records.
#pragma once

#include <string>

#include "benchcases.h"
#include "ringflood.h"
#include "route.h"

namespace Bench {

// Exits with a message naming the case and the contender unless `route` is a chain of open
// neighbouring squares from the case's start to its finish of `expectedSteps` steps, or empty on
// a sealed map.
void checkRoute(const SearchCase& searchCase, const std::string& contender, const Route& route,
                std::size_t expectedSteps);

// Exits with a message naming the case unless the ring flood's distances, queue entries up to its
// tail, and route are exactly those that findpath, run last, left in the shared records, and the
// distances of its entries above the tail are 0, as findpath's are.
void checkSameRecords(const SearchCase& searchCase);

} // namespace Bench
