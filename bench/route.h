// A route as every contender hands it back: squares (x, y) from the start to the finish, or
// nothing when the finish cannot be reached.
#pragma once

#include <utility>
#include <vector>

namespace Bench {

using Square = std::pair<int, int>;
using Route = std::vector<Square>;

} // namespace Bench
