// The flood as fast as it plainly goes, the yardstick for findpath: a distance grid padded with a
// permanent one-square wall border, so that every neighbour is one compare at a fixed displacement
// from the square, with no bounds check and no edge case; the queue worked one distance ring at a
// time, each entry's cell kept beside it. It leaves exactly findpath's distances, queue and route,
// and nothing else: no shared records, no clock, no message box. Its records live in static
// storage, as findpath's do, so their addresses are constants in the code.
#pragma once

#include <cstdint>
#include <vector>

#include "benchcases.h"

namespace Bench::RingFlood {

// Floods the case's map from its start until the finish is discovered, then walks back to the
// start; the route stays empty when the finish cannot be reached. The start lies on the map.
void search(const SearchCase& searchCase);

// What the last search left.
std::int16_t distance(int x, int y);
const Routeseer::QueueEntry* queue();
int tail();
const std::vector<Routeseer::PathStep>& route();

} // namespace Bench::RingFlood
