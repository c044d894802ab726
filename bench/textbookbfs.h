// Breadth-first search as a textbook writes it: a queue of coordinate pairs, nested vectors of
// distances made afresh for every search, a bounds check on every neighbour. The yardstick for
// findpath's hand-tuned flood.
#pragma once

#include <vector>

#include "route.h"

namespace Bench {

// walls[y][x] is non-zero for a wall (bytes rather than std::vector<bool>'s packed bits, so the
// yardstick is not slowed by bit picking).
using WallGrid = std::vector<std::vector<char>>;

// Searches over the same eight neighbours as findpath, stops when the target is discovered and
// walks back through any neighbour one step nearer the start.
Route textbookSearch(const WallGrid& walls, Square start, Square target);

} // namespace Bench
