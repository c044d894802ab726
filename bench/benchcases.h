// The maps the search is timed on, each with its start and finish.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "map/routeseer.h"

namespace Bench {

using MapImage = std::array<Routeseer::MapSquare, Routeseer::SquareCount>;

struct SearchCase {
    std::string name; // the second half of every benchmark name: BM_findpath/<name>
    MapImage map;
    Routeseer::PathStep start;
    Routeseer::PathStep target;
    bool sealed; // no route exists: every square the start can reach gets expanded

    bool open(int x, int y) const { return map[x + Routeseer::GridSide * y].passable != Routeseer::Wall; }
};

// A map open to its very edge, the default map from the program folder, a map with 30 % random
// walls, and the default map with the finish walled in. Exits with a message when the default map cannot be
// read.
std::vector<SearchCase> makeCases(const std::filesystem::path& programFolder);

// Makes the case's map the one findpath searches.
void installMap(const SearchCase& searchCase);

// Stops the run before anything is timed.
[[noreturn]] void abortSetUp(const std::string& why);

} // namespace Bench
