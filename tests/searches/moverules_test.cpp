// Small maps worked out by hand, under each rule: which diagonals a rule takes, what a step costs,
// and that the edge of the grid is a wall. Every search that promises a route's steps or its cost
// must give exactly the figure worked out; every other search must at least find a route exactly
// when one exists.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "searches/searcher.h"
#include "testgrids.h"

using namespace Searches;

namespace {

constexpr double Root2 = std::numbers::sqrt2;

struct Row {
    const char* label;
    std::initializer_list<const char*> map;
    Moves moves;
    Square start;
    Square finish;
    int steps; // -1: no route
    double cost;
};

// Two walls touching at a corner.
const auto corner = {".#", "#."};
const auto open3 = {"...", "...", "..."};
// One wall beside the diagonal.
const auto beside = {"..", "#."};
const auto notch = {".#.", "..."};
const auto wide = {".....", ".....", "....."};
const auto sealed = {".#.", "##.", "..."};

const Row rows[] = {
    {"WindowSqueezesBetweenWallsTouchingAtACorner", corner, Moves::Window, {0, 0}, {1, 1}, 1, 1},
    {"OctileRefusesToSqueezeBetweenThem", corner, Moves::Octile, {0, 0}, {1, 1}, -1, 0},
    {"FourHasNoDiagonalAtAll", corner, Moves::Four, {0, 0}, {1, 1}, -1, 0},
    {"WindowDiagonalsCostOne", open3, Moves::Window, {0, 0}, {2, 2}, 2, 2},
    {"OctileDiagonalsCostRootTwo", open3, Moves::Octile, {0, 0}, {2, 2}, 2, 2 * Root2},
    {"FourGoesRoundTheCorners", open3, Moves::Four, {0, 0}, {2, 2}, 4, 4},
    {"WindowCutsPastOneWall", beside, Moves::Window, {0, 0}, {1, 1}, 1, 1},
    {"OctileGoesRoundOneWall", beside, Moves::Octile, {0, 0}, {1, 1}, 2, 2},
    {"WindowStepsOverANotch", notch, Moves::Window, {0, 0}, {2, 0}, 2, 2},
    {"OctileWalksRoundANotch", notch, Moves::Octile, {0, 0}, {2, 0}, 4, 4},
    {"OctileMixesDiagonalAndStraight", wide, Moves::Octile, {0, 0}, {4, 2}, 4, 2 + 2 * Root2},
    {"WindowCountsStepsAlone", wide, Moves::Window, {0, 0}, {4, 2}, 4, 4},
    {"FourTakesTheLongWay", wide, Moves::Four, {4, 2}, {0, 0}, 6, 6},
    {"TheEdgeOfTheGridIsAWall", {"...", "###"}, Moves::Octile, {0, 0}, {2, 0}, 2, 2},
    {"ASealedFinishHasNoRoute", sealed, Moves::Window, {0, 0}, {2, 2}, -1, 0},
    {"ASealedFinishHasNoRouteByOctileEither", sealed, Moves::Octile, {2, 2}, {0, 0}, -1, 0},
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.label; }

class MoveRules : public ::testing::TestWithParam<Row> {};

} // namespace

TEST_P(MoveRules, GiveTheRoutesWorkedOutByHand)
{
    const Row& row = GetParam();
    const Grid grid = TestGrids::fromRows(row.map);
    Searcher searcher(grid);
    for (Method method : AllMethods) {
        if (!refusal(method, row.moves).empty())
            continue;
        const Outcome outcome = searcher.find(method, row.moves, row.start, row.finish);
        const char* name = Searches::nameOf(method).data();
        ASSERT_EQ(outcome.figures.found, row.steps >= 0) << name;
        if (row.steps < 0)
            continue;
        EXPECT_EQ(TestGrids::routeFault(grid, row.moves, row.start, row.finish, searcher.route()), "")
            << name;
        if (promiseOf(method) == Promise::FewestSteps) {
            EXPECT_EQ(outcome.figures.routeSteps, row.steps) << name;
        } else if (promiseOf(method) == Promise::LeastCost) {
            EXPECT_NEAR(outcome.figures.routeCost, row.cost, 1e-12) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Maps, MoveRules, ::testing::ValuesIn(rows),
                         [](const auto& info) { return std::string(info.param.label); });
