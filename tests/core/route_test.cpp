// The route walked back from the finish: shortest, and the same one every time.
#include <gtest/gtest.h>

#include <queue>
#include <random>

#include "testmaps.h"

using namespace Routeseer;
using namespace TestMaps;

namespace {

// An independent breadth-first count of steps, to check route lengths against.
int referenceDistance(PathStep from, PathStep to)
{
    std::vector<int> steps(SquareCount, -1);
    std::queue<std::pair<int, int>> waiting;
    steps[from.x + GridSide * from.y] = 0;
    waiting.push({from.x, from.y});
    while (!waiting.empty()) {
        const auto [x, y] = waiting.front();
        waiting.pop();
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx, ny = y + dy;
                if (!onMap(nx, ny) || MapGrid(nx, ny).passable == Wall || steps[nx + GridSide * ny] >= 0)
                    continue;
                steps[nx + GridSide * ny] = steps[x + GridSide * y] + 1;
                waiting.push({nx, ny});
            }
    }
    return steps[to.x + GridSide * to.y];
}

void expectRouteIsWalkable(PathStep start, PathStep finish)
{
    ASSERT_EQ(PathSteps.size(), static_cast<std::size_t>(pathlength) + 1);
    EXPECT_EQ(PathSteps.front(), start);
    EXPECT_EQ(PathSteps.back(), finish);
    for (int k = 1; k <= pathlength; ++k) {
        const PathStep a = PathSteps[k - 1], b = PathSteps[k];
        EXPECT_LE(std::abs(a.x - b.x), 1) << "step " << k;
        EXPECT_LE(std::abs(a.y - b.y), 1) << "step " << k;
        EXPECT_NE(MapGrid(b.x, b.y).passable, Wall) << "step " << k;
        EXPECT_EQ(DistanceGrid(b.x, b.y), k) << "step " << k;
    }
}

} // namespace

// ---- Tie-break: the last nearer neighbour clockwise from north wins ----

TEST(Route, TwoSquaresEastGoesThroughTheNorthWestNeighbourOfTheFinish)
{
    walledMap();
    EXPECT_EQ(search(at(10, 10), at(12, 10)), 0);
    EXPECT_EQ(pathlength, 2);
    EXPECT_EQ(PathSteps, route({{10, 10}, {11, 9}, {12, 10}})) << describe(PathSteps);
}

TEST(Route, LongerRouteClimbsAwayFromTheStartThenComesDownDiagonally)
{
    walledMap();
    search(at(10, 10), at(20, 13));
    EXPECT_EQ(pathlength, 10);
    EXPECT_EQ(PathSteps, route({{10, 10},
                                {11, 9},
                                {12, 8},
                                {13, 7},
                                {14, 7},
                                {15, 8},
                                {16, 9},
                                {17, 10},
                                {18, 11},
                                {19, 12},
                                {20, 13}}))
        << describe(PathSteps);
}

TEST(Route, StartEqualToFinishGoesOutToTheNorthWestAndBack)
{
    walledMap();
    EXPECT_EQ(search(at(10, 10), at(10, 10)), 0);
    EXPECT_EQ(pathlength, 2);
    EXPECT_EQ(PathSteps, route({{10, 10}, {9, 9}, {10, 10}})) << describe(PathSteps);
    EXPECT_EQ(DistanceGrid(10, 10), 2);
}

TEST(Route, FinishNextToTheStartInEachDirectionIsOneStep)
{
    for (int i = 0; i < NeighbourCount; ++i) {
        walledMap();
        const PathStep finish = at(40 + NeighbourDx[i], 40 + NeighbourDy[i]);
        EXPECT_EQ(search(at(40, 40), finish), 0) << "direction " << i;
        EXPECT_EQ(pathlength, 1) << "direction " << i;
        EXPECT_EQ(PathSteps, (std::vector<PathStep>{at(40, 40), finish})) << "direction " << i;
    }
}

TEST(Route, IdenticalSearchesGiveIdenticalRecords)
{
    walledMap();
    for (int y = 20; y < 80; ++y)
        wall(50, y);
    search(at(30, 50), at(70, 52));
    const std::vector<PathStep> firstRoute = PathSteps;
    const int firstTail = queuetail;
    std::vector<std::int16_t> firstDistances(&DistanceGrid(0, 0), &DistanceGrid(0, 0) + SquareCount);
    std::vector<QueueEntry> firstQueue(NodeQueue.begin(), NodeQueue.begin() + queuetail + 1);

    search(at(90, 90), at(2, 2)); // a different search in between leaves nothing behind
    search(at(30, 50), at(70, 52));
    EXPECT_EQ(PathSteps, firstRoute);
    EXPECT_EQ(queuetail, firstTail);
    EXPECT_TRUE(std::equal(firstDistances.begin(), firstDistances.end(), &DistanceGrid(0, 0)));
    EXPECT_TRUE(std::equal(firstQueue.begin(), firstQueue.end(), NodeQueue.begin()));
}

TEST(Route, SingleTraceBackStepTakesTheLastNearerNeighbourAndStaysInsideItsRecords)
{
    struct Distance {
        int x, y, value;
    };
    struct Row {
        PathStep current;
        std::int16_t index;
        std::vector<Distance> distances;
        bool writes;
        PathStep step;
    };
    const std::vector<Row> rows{
        {at(10, 10), 1, {{10, 10, 5}, {11, 10, 4}, {9, 10, 4}}, true, at(9, 10)},     // W after E
        {at(10, 10), 1, {{10, 10, 5}, {9, 10, 4}, {9, 9, -3}}, true, at(9, 9)},       // any other value
        {at(10, 10), 2, {{10, 10, 5}, {9, 9, 5}, {9, 11, Blocked}}, true, at(10, 9)}, // none: N
        {at(0, 0), 1, {{0, 0, 3}, {1, 0, 2}}, true, at(1, 0)},                        // off the map: walls
        {at(200, 200), 1, {}, true, at(200, 199)},                                    // far off the map
        {at(10, 10), 0, {{10, 10, 5}, {9, 9, 4}}, false, {}},                         // the start's place
        {at(10, 10), 4, {{10, 10, 5}, {9, 9, 4}}, false, {}},                         // past the route
    };
    for (const Row& row : rows) {
        std::fill_n(&DistanceGrid(0, 0), SquareCount, Unreached);
        for (const Distance& d : row.distances)
            DistanceGrid(d.x, d.y) = static_cast<std::int16_t>(d.value);
        PathSteps.assign(4, at(7, 7));
        pathfound = False;
        backtrack(row.current, row.index);
        const std::string where = describe({row.current}) + "index " + std::to_string(row.index);
        EXPECT_EQ(pathfound, row.writes ? False : True) << where;
        std::vector<PathStep> expected(4, at(7, 7));
        if (row.writes)
            expected[row.index] = row.step;
        EXPECT_EQ(PathSteps, expected) << where;
    }
}

// ---- Shortest routes through walls ----

TEST(Route, PassesTheDiagonalStepBetweenTwoWallsThatTouchAtACorner)
{
    walledMap();
    // A barrier from top to bottom whose halves meet only corner to corner at (50, 50)-(51, 51).
    for (int y = 1; y <= 50; ++y)
        wall(50, y);
    for (int y = 51; y < GridLast; ++y)
        wall(51, y);
    EXPECT_EQ(search(at(10, 50), at(90, 50)), 0);
    expectRouteIsWalkable(at(10, 50), at(90, 50));
    const auto gap = std::find(PathSteps.begin(), PathSteps.end(), at(50, 51));
    ASSERT_NE(gap, PathSteps.end()) << describe(PathSteps);
    EXPECT_EQ(*(gap + 1), at(51, 50));
}

TEST(Route, MatchesAnIndependentBreadthFirstCountOnRandomMaps)
{
    std::mt19937 random(20261207);
    std::bernoulli_distribution isWall(0.3);
    int searched = 0;
    for (int round = 0; round < 40; ++round) {
        walledMap();
        for (int y = 1; y < GridLast; ++y)
            for (int x = 1; x < GridLast; ++x)
                if (isWall(random))
                    wall(x, y);
        const PathStep start = at(1 + random() % 99, 1 + random() % 99);
        const PathStep finish = at(1 + random() % 99, 1 + random() % 99);
        MapGrid(start.x, start.y).passable = Open;
        MapGrid(finish.x, finish.y).passable = Open;
        if (start == finish)
            continue;
        const int expected = referenceDistance(start, finish);
        const int boxes = search(start, finish);
        if (expected < 0) {
            EXPECT_EQ(boxes, 1);
            continue;
        }
        ++searched;
        EXPECT_EQ(boxes, 0);
        EXPECT_EQ(pathlength, expected);
        expectRouteIsWalkable(start, finish);
    }
    EXPECT_GT(searched, 20);
}

TEST(Route, SquaresWithUnusualOpenValuesCountAsOpen)
{
    walledMap();
    for (int y = 1; y < GridLast; ++y)
        wall(30, y);
    MapGrid(30, 40).passable = 7; // the only way through
    search(at(20, 40), at(40, 40));
    EXPECT_EQ(pathlength, 20);
    expectRouteIsWalkable(at(20, 40), at(40, 40));
}
