// Every search on random maps of every rule, many queries on one searcher: each route is a walk the
// rule allows and costs what it says, the searches that promise the least cost match Dijkstra's and
// those that promise the fewest steps a plain breadth-first count, and the figures are the record's.
#include <gtest/gtest.h>

#include "searches/searcher.h"
#include "testgrids.h"

using namespace Searches;

namespace {

struct Case {
    Moves moves;
    int width;
    int height;
    double walls;
    int queries; // on one searcher; enough on the small map to wrap the workspace's mark
};

const Case cases[] = {
    {Moves::Window, 12, 12, 0.25, 160}, {Moves::Window, 61, 23, 0.35, 25}, {Moves::Octile, 12, 12, 0.25, 160},
    {Moves::Octile, 61, 23, 0.2, 25},   {Moves::Octile, 40, 40, 0.4, 25},  {Moves::Four, 12, 12, 0.25, 160},
    {Moves::Four, 61, 23, 0.3, 25},     {Moves::Octile, 48, 48, 0.0, 10},
};

std::string nameOf(const Case& c)
{
    return std::string(Searches::nameOf(c.moves)) + "_" + std::to_string(c.width) + "x" +
           std::to_string(c.height) + "_walls" + std::to_string(int(c.walls * 100));
}

void PrintTo(const Case& c, std::ostream* out) { *out << nameOf(c); }

class Promises : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(Promises, AreKeptByEveryRouteAndTheFiguresAreTheRecords)
{
    const Case& c = GetParam();
    std::mt19937 draw(static_cast<unsigned>(c.width * 31 + c.height + int(c.moves)));
    const Grid grid = TestGrids::randomGrid(c.width, c.height, c.walls, draw);
    Searcher searcher(grid);
    Routeseer::Exploration record;
    for (int q = 0; q < c.queries; ++q) {
        const Square start = TestGrids::randomOpenSquare(grid, draw),
                     finish = TestGrids::randomOpenSquare(grid, draw);
        if (start == finish)
            continue;
        const double least = searcher.find(Method::Dijkstra, c.moves, start, finish).figures.routeCost;
        const int fewest = TestGrids::fewestSteps(grid, c.moves, start, finish);
        for (Method method : AllMethods) {
            if (!refusal(method, c.moves).empty())
                continue;
            const std::string what = std::string(Searches::nameOf(method)) + " query " + std::to_string(q);
            const Outcome silent = searcher.find(method, c.moves, start, finish);
            const std::vector<Routeseer::SquareNumber> route = searcher.route();
            const Outcome recorded = searcher.find(method, c.moves, start, finish, &record);
            ASSERT_EQ(recorded.figures.found, fewest >= 0) << what;
            EXPECT_EQ(searcher.route(), route) << what;
            const Routeseer::ExplorationFigures figures = Routeseer::figuresOf(record);
            for (const Routeseer::ExplorationFigures& seen : {silent.figures, recorded.figures}) {
                EXPECT_EQ(seen.expanded, figures.expanded) << what;
                EXPECT_EQ(seen.discovered, figures.discovered) << what;
                EXPECT_EQ(seen.largestFrontier, figures.largestFrontier) << what;
                EXPECT_EQ(seen.routeSteps, figures.routeSteps) << what;
            }
            if (fewest < 0)
                continue;
            EXPECT_EQ(TestGrids::routeFault(grid, c.moves, start, finish, route), "") << what;
            EXPECT_NEAR(recorded.figures.routeCost, TestGrids::walkedCost(grid, c.moves, route), 1e-9)
                << what;
            if (promiseOf(method) == Promise::LeastCost) {
                EXPECT_NEAR(recorded.figures.routeCost, least, 1e-9) << what;
            } else if (promiseOf(method) == Promise::FewestSteps) {
                EXPECT_EQ(recorded.figures.routeSteps, fewest) << what;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(RandomMaps, Promises, ::testing::ValuesIn(cases),
                         [](const auto& info) { return nameOf(info.param); });
