// Grids and checks shared by the tests of the searches.
#pragma once

#include <initializer_list>
#include <random>
#include <string>
#include <vector>

#include "searches/grid.h"
#include "searches/methods.h"

namespace TestGrids {

// Rows of '.' (open) and '#' (wall), top row first.
Searches::Grid fromRows(std::initializer_list<const char*> rows);
// Walls with odds `walls` in every square.
Searches::Grid randomGrid(int width, int height, double walls, std::mt19937& draw);
Searches::Square randomOpenSquare(const Searches::Grid& grid, std::mt19937& draw);

// What is wrong with the route as one from `start` to `finish` under the rule, or "" when it is a
// walk over open squares, each step one the rule allows.
std::string routeFault(const Searches::Grid& grid, Searches::Moves moves, Searches::Square start,
                       Searches::Square finish, const std::vector<Routeseer::SquareNumber>& route);
// The route's cost counted here, apart from the library: steps, diagonals of the octile rule sqrt 2.
double walkedCost(const Searches::Grid& grid, Searches::Moves moves,
                  const std::vector<Routeseer::SquareNumber>& route);
// The fewest steps from `start` to `finish` by a plain breadth-first search of this file's own; -1
// when the finish cannot be reached.
int fewestSteps(const Searches::Grid& grid, Searches::Moves moves, Searches::Square start,
                Searches::Square finish);

} // namespace TestGrids
