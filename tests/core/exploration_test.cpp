// The record of the window's flood, read back from the queue and the route, against an expansion
// that writes down what it does as it goes.
#include <gtest/gtest.h>

#include <random>

#include "search/exploration.h"
#include "search/searchstats.h"
#include "testmaps.h"

using namespace Routeseer;
using namespace TestMaps;

namespace {

using Event = Exploration::Event;

struct Written {
    Event event;
    SquareNumber square;
    SquareNumber parent;
    float cost;
    bool operator==(const Written&) const = default;
};

SquareNumber numberOf(int x, int y) { return static_cast<SquareNumber>(x + GridSide * y); }

// One entry at a time, stopping the moment the finish is discovered; the start is not marked
// reached, so it is found again, as in the window.
std::vector<Written> expandWriting(PathStep start, PathStep finish)
{
    std::vector<std::int16_t> distance(SquareCount);
    for (int i = 0; i < SquareCount; ++i)
        distance[i] = MapGrid(i % GridSide, i / GridSide).passable == Wall ? Blocked : Unreached;
    std::vector<QueueEntry> queue{{start.x, start.y, 0}};
    std::vector<Written> written{{Event::Discovered, numberOf(start.x, start.y), NoSquare, 0}};
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const QueueEntry entry = queue[next];
        written.push_back({Event::Expanded, numberOf(entry.x, entry.y), NoSquare, float(entry.distance)});
        for (int i = 0; i < NeighbourCount; ++i) {
            const int x = entry.x + NeighbourDx[i], y = entry.y + NeighbourDy[i];
            if (!onMap(x, y) || distance[x + GridSide * y] != Unreached)
                continue;
            const auto steps = static_cast<std::int16_t>(entry.distance + 1);
            distance[x + GridSide * y] = steps;
            queue.push_back({at(x, y).x, at(x, y).y, steps});
            written.push_back({Event::Discovered, numberOf(x, y), numberOf(entry.x, entry.y), float(steps)});
            if (at(x, y) == finish)
                return written;
        }
    }
    return written;
}

struct Case {
    const char* name;
    void (*draw)();
    PathStep start;
    PathStep finish;
};

void randomWalls()
{
    walledMap();
    std::mt19937 draw(7);
    for (int i = 0; i < 2500; ++i)
        wall(1 + int(draw() % 99), 1 + int(draw() % 99));
}

void sealedFinish()
{
    walledMap();
    for (int d = -1; d <= 1; ++d)
        for (int e = -1; e <= 1; ++e)
            if (d != 0 || e != 0)
                wall(60 + d, 60 + e);
}

const Case cases[] = {
    {"OpenRoomCornerToCorner", walledMap, {1, 1}, {99, 99}},
    {"RandomWalls", randomWalls, {5, 5}, {87, 87}},
    {"SealedFinishFloodsEverything", sealedFinish, {5, 5}, {60, 60}},
    {"StartIsTheFinish", walledMap, {10, 10}, {10, 10}},
};

class FloodRecord : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(FloodRecord, IsWhatTheExpansionDidInOrder)
{
    const Case& row = GetParam();
    row.draw();
    search(row.start, row.finish);
    const Exploration record = lastFlood(row.start, row.finish);

    std::vector<Written> read;
    for (const Exploration::Step& step : record.steps)
        read.push_back({step.event, step.square, step.parent, step.cost});
    EXPECT_EQ(read, expandWriting(row.start, row.finish));

    std::vector<SquareNumber> route;
    for (const PathStep& step : PathSteps)
        route.push_back(numberOf(step.x, step.y));
    EXPECT_EQ(record.route, route);
    const ExplorationFigures figures = figuresOf(record);
    EXPECT_EQ(figures.discovered, squaresReached(row.start));
    EXPECT_EQ(figures.routeSteps, PathSteps.empty() ? 0 : pathlength);
    EXPECT_EQ(figures.found, !PathSteps.empty());
}

INSTANTIATE_TEST_SUITE_P(Maps, FloodRecord, ::testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });
