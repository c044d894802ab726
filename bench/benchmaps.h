// Maps of the kinds the public grid benchmarks hold, made here with a fixed seed (the benchmarks'
// own files are not kept in the repository), and queries on them between squares that connect.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "searches/grid.h"

namespace BenchMaps {

inline constexpr int Side = 512;

struct Kind {
    std::string name; // game, maze8, rooms16, random20, ...
    Searches::Grid grid;
};

// A game map: wide open ground with buildings, rocks and walls with gaps in them, as many for
// its area as on one of Side squares a side.
Searches::Grid gameMap(unsigned seed, int side = Side);
// A perfect maze of corridors `corridor` squares wide between walls as wide.
Searches::Grid maze(int corridor, unsigned seed);
// Square rooms `room` squares inside, walls one square thick, a door or more in each wall.
Searches::Grid rooms(int room, unsigned seed);
// Each square a wall with odds `percent` in 100.
Searches::Grid randomWalls(int percent, unsigned seed);

// The kinds the benchmarks and the README's table use.
std::vector<Kind> kinds();

using Query = std::pair<Searches::Square, Searches::Square>;
// `count` queries between open squares that a route connects, spread over the map.
std::vector<Query> queries(const Searches::Grid& grid, int count, unsigned seed);

} // namespace BenchMaps
