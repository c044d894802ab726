#include "testgrids.h"

#include <cmath>
#include <cstring>
#include <deque>
#include <numbers>

using namespace Searches;

namespace TestGrids {

namespace {

// Whether the rule allows the step, written out plainly.
bool allowed(const Grid& grid, Moves moves, Square from, Square to)
{
    const int dx = to.x - from.x, dy = to.y - from.y;
    if (std::abs(dx) > 1 || std::abs(dy) > 1 || (dx == 0 && dy == 0) || !grid.open(to))
        return false;
    const bool diagonal = dx != 0 && dy != 0;
    if (diagonal && moves == Moves::Four)
        return false;
    if (diagonal && moves == Moves::Octile)
        return grid.open({from.x + dx, from.y}) && grid.open({from.x, from.y + dy});
    return true;
}

} // namespace

Grid fromRows(std::initializer_list<const char*> rows)
{
    Grid grid(static_cast<int>(std::strlen(*rows.begin())), static_cast<int>(rows.size()));
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; row[x] != '\0'; ++x)
            grid.setOpen({x, y}, row[x] == '.');
        ++y;
    }
    return grid;
}

Grid randomGrid(int width, int height, double walls, std::mt19937& draw)
{
    Grid grid(width, height);
    std::bernoulli_distribution wall(walls);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            grid.setOpen({x, y}, !wall(draw));
    return grid;
}

Square randomOpenSquare(const Grid& grid, std::mt19937& draw)
{
    for (;;) {
        const Square square{int(draw() % unsigned(grid.width())), int(draw() % unsigned(grid.height()))};
        if (grid.open(square))
            return square;
    }
}

std::string routeFault(const Grid& grid, Moves moves, Square start, Square finish,
                       const std::vector<Routeseer::SquareNumber>& route)
{
    if (route.empty() || grid.squareOf(route.front()) != start || grid.squareOf(route.back()) != finish)
        return "the route does not run from the start to the finish";
    for (std::size_t i = 1; i < route.size(); ++i)
        if (!allowed(grid, moves, grid.squareOf(route[i - 1]), grid.squareOf(route[i])))
            return "step " + std::to_string(i) + " is not one the rule allows";
    return "";
}

double walkedCost(const Grid& grid, Moves moves, const std::vector<Routeseer::SquareNumber>& route)
{
    double cost = 0;
    for (std::size_t i = 1; i < route.size(); ++i) {
        const Square a = grid.squareOf(route[i - 1]), b = grid.squareOf(route[i]);
        cost += moves == Moves::Octile && a.x != b.x && a.y != b.y ? std::numbers::sqrt2 : 1.0;
    }
    return cost;
}

int fewestSteps(const Grid& grid, Moves moves, Square start, Square finish)
{
    std::vector<int> steps(static_cast<std::size_t>(grid.width() * grid.height()), -1);
    std::deque<Square> queue{start};
    steps[grid.numberOf(start)] = 0;
    while (!queue.empty()) {
        const Square here = queue.front();
        queue.pop_front();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const Square next{here.x + dx, here.y + dy};
                if (!allowed(grid, moves, here, next) || steps[grid.numberOf(next)] >= 0)
                    continue;
                steps[grid.numberOf(next)] = steps[grid.numberOf(here)] + 1;
                queue.push_back(next);
            }
    }
    return steps[grid.numberOf(finish)];
}

} // namespace TestGrids
