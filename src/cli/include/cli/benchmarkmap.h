// A map of the public grid path-finding benchmarks (searches/benchmarkfiles.h), cut to the
// 101 x 101 window of a map here.
#pragma once

#include <optional>

#include "cli/boundedinput.h"
#include "cli/maptext.h"

namespace BenchmarkMap {

// The benchmark square that becomes (0, 0) here.
struct Corner {
    long x = 0;
    long y = 0;
};

// Replaces MapGrid with the window at `corner`: squares beyond the benchmark map are walls, and so
// is the outer ring, as on every map here. Reads the rows the window needs and no more. On a
// problem MapGrid is left as it was; a problem of the arguments has line 0.
std::optional<MapText::Problem> read(BoundedInput::Reader& input, Corner corner);

} // namespace BenchmarkMap
