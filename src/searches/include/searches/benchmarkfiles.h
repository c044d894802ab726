// The files of the public grid path-finding benchmarks. A map:
//   type octile
//   height H
//   width W
//   map
// then H rows of W characters: '.', 'G' and 'S' open, '@', 'O', 'T' and 'W' walls. A scenario:
// the line "version 1", then one query a line of nine fields split by tabs: bucket, map name, the
// map's width and height, the start's x and y, the goal's x and y, and the least cost of a route
// under the octile rule, printed with some number of decimals.
#pragma once

#include <optional>
#include <vector>

#include "searches/grid.h"
#include "searches/textlines.h"

namespace Searches {

struct MapHeader {
    int width = 0;
    int height = 0;
};

// The four header lines; each side from 1 to LargestSide, so a file that claims more is refused
// before any row is read.
std::optional<TextProblem> readMapHeader(LineSource& input, MapHeader& header);
// The first `rows` rows of the map into `grid`, which has the header's size; the rows below stay
// walls. On a problem `grid` may hold some rows.
std::optional<TextProblem> readMapRows(LineSource& input, const MapHeader& header, int rows, Grid& grid);
// The whole map.
std::optional<TextProblem> readMap(LineSource& input, std::optional<Grid>& grid);

struct ScenarioQuery {
    int line;
    MapHeader map;
    Square start;
    Square goal;
    double optimal;
    int decimals; // as printed in the file
};

// Far more queries than any benchmark scenario holds, and each line no longer than any needs, so
// that a huge file or a device ends the reading at once.
inline constexpr std::size_t LargestScenario = std::size_t{1} << 18;
inline constexpr std::size_t LongestScenarioLine = 1024;

std::optional<TextProblem> readScenario(LineSource& input, std::vector<ScenarioQuery>& queries);

// Whether `cost` is the query's least cost to the precision the file gives it with: half a unit
// of its last decimal either way, and a little more for the float error in either figure.
bool matchesOptimal(const ScenarioQuery& query, double cost);

} // namespace Searches
