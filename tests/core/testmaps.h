// Maps and checks shared by the core tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "map/routeseer.h"

namespace TestMaps {

using Routeseer::PathStep;

// Every square open (-1), the eight carried bytes zero.
void openMap();
// Open inside, walls on the outer ring: the shape of the default map.
void walledMap();
void wall(int x, int y);

PathStep at(int x, int y);
std::vector<PathStep> route(std::initializer_list<std::pair<int, int>> squares);
std::string describe(const std::vector<PathStep>& steps);

// Runs findpath with a clean record of message boxes; returns how many boxes it showed.
int search(PathStep start, PathStep target);

} // namespace TestMaps
