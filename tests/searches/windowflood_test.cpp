// Breadth-first search by the window rule is the window's own flood: on the bundled maps and on
// random ones, its record is lastFlood()'s step for step, its route findpath's and the distances it
// records DistanceGrid's.
#include <gtest/gtest.h>

#include <filesystem>

#include "map/routeseer.h"
#include "searches/searcher.h"
#include "testgrids.h"
#include "testmaps.h"

using namespace Routeseer;

namespace {

struct Case {
    std::string name;
    std::string map; // a bundled map; empty: random walls with odds `walls`
    double walls;
};

std::vector<Case> cases()
{
    std::vector<Case> all;
    // The sample maps are made by routeseer-map, a Qt program: a build without Qt has only the
    // random ones.
#ifdef BUNDLED_MAPS_DIR
    for (const auto& entry : std::filesystem::directory_iterator(BUNDLED_MAPS_DIR))
        if (entry.path().extension() == ".map")
            all.push_back({entry.path().stem().string(), entry.path().string(), 0});
#endif
    for (int percent : {10, 30, 45})
        all.push_back({"random" + std::to_string(percent), "", percent / 100.0});
    return all;
}

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

void lay(const Case& c, std::mt19937& draw)
{
    if (!c.map.empty()) {
        ASSERT_TRUE(loadmap(c.map));
        return;
    }
    std::bernoulli_distribution wall(c.walls);
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x)
            MapGrid(x, y).passable = wall(draw) ? Wall : Open;
}

// The distance of every square as the record leaves it: the last discovery's, 0 where none was.
std::vector<std::int16_t> distancesOf(const Exploration& record)
{
    std::vector<std::int16_t> distance(SquareCount, Unreached);
    for (const Exploration::Step& step : record.steps)
        if (step.event == Exploration::Event::Discovered && step.parent != NoSquare)
            distance[step.square] = static_cast<std::int16_t>(step.cost);
    for (int i = 0; i < SquareCount; ++i)
        if (MapGrid(i % GridSide, i / GridSide).passable == Wall)
            distance[i] = Blocked;
    return distance;
}

bool sameStep(const Exploration::Step& a, const Exploration::Step& b)
{
    return a.square == b.square && a.parent == b.parent && a.cost == b.cost && a.priority == b.priority &&
           a.event == b.event && a.side == b.side;
}

class WindowFlood : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(WindowFlood, IsTheWindowsFloodStepForStep)
{
    std::mt19937 draw(11);
    lay(GetParam(), draw);
    const Searches::Grid grid = Searches::Grid::fromWindowMap();
    Searches::Searcher searcher(grid);
    std::vector<std::pair<PathStep, PathStep>> ends{{{5, 5}, {87, 87}}};
    for (int i = 0; i < 6; ++i) {
        const Searches::Square a = TestGrids::randomOpenSquare(grid, draw),
                               b = TestGrids::randomOpenSquare(grid, draw);
        ends.push_back({TestMaps::at(a.x, a.y), TestMaps::at(b.x, b.y)});
    }
    ends.push_back({ends.back().first, ends.back().first}); // out and back
    for (const auto& [start, finish] : ends) {
        if (MapGrid(start.x, start.y).passable == Wall || MapGrid(finish.x, finish.y).passable == Wall)
            continue;
        const std::string what = TestMaps::describe({start, finish});
        Exploration record;
        searcher.find(Searches::Method::Bfs, Searches::Moves::Window, {start.x, start.y},
                      {finish.x, finish.y}, &record);
        TestMaps::search(start, finish);
        const Exploration flood = lastFlood(start, finish);

        ASSERT_EQ(record.steps.size(), flood.steps.size()) << what;
        for (std::size_t i = 0; i < flood.steps.size(); ++i)
            ASSERT_TRUE(sameStep(record.steps[i], flood.steps[i])) << what << ", step " << i;
        EXPECT_EQ(record.route, flood.route) << what;
        EXPECT_EQ(record.routeCost, flood.routeCost) << what;
        const std::vector<std::int16_t> distances = distancesOf(record);
        for (int i = 0; i < SquareCount; ++i)
            ASSERT_EQ(distances[i], DistanceGrid(i % GridSide, i / GridSide)) << what << ", square " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Maps, WindowFlood, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return info.param.name; });
