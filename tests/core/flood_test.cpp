// The breadth-first flood: distances, the queue, failure and timing.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/headless.h"
#include "platform/platform.h"
#include "testmaps.h"

using namespace Routeseer;
using namespace TestMaps;

namespace {

const std::string noPath = "No path was found. The start or endpoints are sealed off from eachother.";

int chebyshev(int x1, int y1, int x2, int y2) { return std::max(std::abs(x1 - x2), std::abs(y1 - y2)); }

void expectFailed(int boxes)
{
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(Platform::Headless::shownMessages(), std::vector<std::string>{noPath});
    EXPECT_EQ(pathlength, 0);
    EXPECT_TRUE(PathSteps.empty());
}

class Flood : public ::testing::Test {
  protected:
    void TearDown() override { Platform::Headless::onMessage({}); }
};

// A plain expansion, one entry at a time, that stops the moment it discovers the finish: what the
// flood must leave in the queue and the distances.
struct Expansion {
    std::vector<QueueEntry> queue;
    std::vector<std::int16_t> distances;
};

Expansion expandUntil(PathStep start, PathStep finish)
{
    Expansion expansion{{QueueEntry{start.x, start.y, 0}}, std::vector<std::int16_t>(SquareCount)};
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x)
            expansion.distances[x + GridSide * y] = MapGrid(x, y).passable == Wall ? Blocked : Unreached;
    for (std::size_t next = 0; next < expansion.queue.size(); ++next) {
        const QueueEntry entry = expansion.queue[next];
        for (int i = 0; i < NeighbourCount; ++i) {
            const int x = entry.x + NeighbourDx[i], y = entry.y + NeighbourDy[i];
            if (!onMap(x, y) || expansion.distances[x + GridSide * y] != Unreached)
                continue;
            const auto distance = static_cast<std::int16_t>(entry.distance + 1);
            expansion.distances[x + GridSide * y] = distance;
            expansion.queue.push_back(QueueEntry{at(x, y).x, at(x, y).y, distance});
            if (at(x, y) == finish)
                return expansion;
        }
    }
    return expansion;
}

} // namespace

// ---- What the flood leaves in the distance grid and the queue ----

TEST_F(Flood, SealedOffFinishFloodsEveryReachableSquareAtItsStepCount)
{
    walledMap();
    wall(87, 87);
    expectFailed(search(at(50, 40), at(87, 87)));
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x) {
            const bool border = x == 0 || y == 0 || x == GridLast || y == GridLast;
            int expected = chebyshev(x, y, 50, 40);
            if (border || (x == 87 && y == 87))
                expected = Blocked;
            else if (x == 50 && y == 40)
                expected = 2; // the start is found again by its first neighbour's expansion
            ASSERT_EQ(DistanceGrid(x, y), expected) << x << ", " << y;
        }
    EXPECT_EQ(queuetail, 99 * 99 - 1); // every open inner square, the start counted once more
}

TEST_F(Flood, QueueHoldsTheDiscoveryOrderWithDistancesNeverFalling)
{
    walledMap();
    search(at(30, 30), at(60, 45));
    EXPECT_EQ(NodeQueue[0], (QueueEntry{30, 30, 0}));
    // N, NE, E, SE, S, SW, W, NW around the start; then the north neighbour's own N and NE, and
    // the start itself again, as that neighbour's S.
    const std::vector<QueueEntry> first{{30, 29, 1}, {31, 29, 1}, {31, 30, 1}, {31, 31, 1},
                                        {30, 31, 1}, {29, 31, 1}, {29, 30, 1}, {29, 29, 1},
                                        {30, 28, 2}, {31, 28, 2}, {30, 30, 2}};
    EXPECT_TRUE(std::equal(first.begin(), first.end(), NodeQueue.begin() + 1));
    for (int i = 1; i <= queuetail; ++i) {
        ASSERT_GE(NodeQueue[i].distance, NodeQueue[i - 1].distance) << i;
        ASSERT_EQ(DistanceGrid(NodeQueue[i].x, NodeQueue[i].y), NodeQueue[i].distance) << i;
    }
    EXPECT_EQ(NodeQueue[queuetail], (QueueEntry{60, 45, 30})); // found on discovery, not on expansion
    for (int i = queuetail + 1; i < NodeQueueSize; ++i)
        ASSERT_EQ(NodeQueue[i].distance, 0) << i;
}

TEST_F(Flood, StopsAtTheFinishAsIfNothingAfterItInItsRingWereFound)
{
    struct Row {
        void (*makeMap)();
        PathStep start;
        int distance; // of the ring whose first, middle and last squares are taken as the finish
    };
    const Row rows[] = {{walledMap, at(30, 30), 3}, {openMap, at(0, 0), 1}, {openMap, at(101, 50), 2}};
    // What earlier searches left above the tail: each entry marked with its own place.
    const auto earlier = [](int i, std::int16_t distance) {
        return QueueEntry{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i >> 8), distance};
    };
    for (const Row& row : rows)
        for (const std::size_t place : {0, 1, 2}) {
            row.makeMap();
            std::vector<QueueEntry> ring;
            for (const QueueEntry& entry : expandUntil(row.start, at(200, 200)).queue)
                if (entry.distance == row.distance)
                    ring.push_back(entry);
            const QueueEntry& pick = ring[place * (ring.size() - 1) / 2];
            const PathStep finish = at(pick.x, pick.y);
            const Expansion expected = expandUntil(row.start, finish);
            for (int i = 0; i < NodeQueueSize; ++i)
                NodeQueue[i] = earlier(i, 7);
            const std::string where = describe({row.start, finish});

            EXPECT_EQ(search(row.start, finish), 0) << where;
            ASSERT_EQ(queuetail + 1, static_cast<int>(expected.queue.size())) << where;
            EXPECT_TRUE(std::equal(expected.queue.begin(), expected.queue.end(), NodeQueue.begin())) << where;
            EXPECT_TRUE(std::equal(expected.distances.begin(), expected.distances.end(), &DistanceGrid(0, 0)))
                << where;
            for (int i = queuetail + 1; i < NodeQueueSize; ++i)
                ASSERT_EQ(NodeQueue[i], earlier(i, 0)) << where << i;
        }
}

TEST_F(Flood, BlockedStartStillSpreadsToItsOpenNeighbours)
{
    walledMap();
    wall(10, 10);
    EXPECT_EQ(search(at(10, 10), at(12, 10)), 0);
    EXPECT_EQ(pathlength, 2);
    EXPECT_EQ(DistanceGrid(10, 10), Blocked);
    EXPECT_EQ(DistanceGrid(11, 10), 1);
    EXPECT_EQ(PathSteps, route({{10, 10}, {11, 9}, {12, 10}})) << describe(PathSteps);
}

TEST_F(Flood, EntriesAboveTheTailKeepTheirSquaresAndLoseTheirDistances)
{
    walledMap();
    search(at(5, 5), at(95, 95));
    const std::vector<QueueEntry> longer(NodeQueue.begin(), NodeQueue.end());
    search(at(50, 50), at(52, 50));
    ASSERT_LT(queuetail, 100);
    for (int i = queuetail + 1; i < NodeQueueSize; ++i)
        ASSERT_EQ(NodeQueue[i], (QueueEntry{longer[i].x, longer[i].y, 0})) << i;
}

TEST_F(Flood, SingleExpansionWorksOnTheDistancesTheCallerLeft)
{
    walledMap();
    std::fill_n(&DistanceGrid(0, 0), SquareCount, Unreached);
    DistanceGrid(20, 19) = 5;
    queuetail = 100;
    pathfound = False;
    expandnode(QueueEntry{20, 20, 7}, at(21, 21));
    // N is taken already; NE, E and SE are found, SE is the target, and the rest stay unexamined.
    EXPECT_EQ(queuetail, 103);
    EXPECT_EQ(NodeQueue[101], (QueueEntry{21, 19, 8}));
    EXPECT_EQ(NodeQueue[103], (QueueEntry{21, 21, 8}));
    EXPECT_EQ(DistanceGrid(21, 21), 8);
    EXPECT_EQ(DistanceGrid(20, 19), 5);
    EXPECT_EQ(DistanceGrid(20, 21), Unreached);
    EXPECT_EQ(pathfound, True);
    EXPECT_EQ(pathlength, 8);
}

TEST_F(Flood, SingleExpansionWithATailOutsideTheQueueWritesNothing)
{
    walledMap();
    std::fill_n(&DistanceGrid(0, 0), SquareCount, Unreached);
    for (const int tail : {-5, NodeQueueSize - 1, NodeQueueSize + 40}) {
        queuetail = tail;
        expandnode(QueueEntry{20, 20, 7}, at(90, 90));
        EXPECT_EQ(queuetail, tail);
        EXPECT_EQ(DistanceGrid(21, 20), Unreached);
    }
}

// ---- Edges: a neighbour off the map is passed over like a wall ----

TEST_F(Flood, StartJustOffTheMapSpreadsOnlyOntoTheSquaresBesideIt)
{
    struct Row {
        PathStep start, finish;
        int boxes, queued, length;
    };
    const Row rows[] = {
        {at(101, 50), at(100, 48), 0, 9, 2},   // right of the map: SW, W and NW, then onwards
        {at(50, 101), at(50, 100), 0, 1, 1},   // below it: N comes first
        {at(101, 101), at(100, 100), 0, 1, 1}, // off the corner: NW is its one neighbour on the map
        {at(102, 50), at(100, 50), 1, 0, 0},   // two squares off: none
    };
    for (const Row& row : rows) {
        openMap();
        const std::string where = describe({row.start, row.finish});
        EXPECT_EQ(search(row.start, row.finish), row.boxes) << where;
        EXPECT_EQ(queuetail, row.queued) << where;
        EXPECT_EQ(pathlength, row.length) << where;
    }
}

TEST_F(Flood, StartOnTheEdgeOfAnOpenMapFindsItsRoute)
{
    openMap();
    EXPECT_EQ(search(at(50, 0), at(50, 6)), 0);
    EXPECT_EQ(pathlength, 6);
    EXPECT_EQ(PathSteps.front(), at(50, 0));
    EXPECT_EQ(PathSteps.back(), at(50, 6));
}

TEST_F(Flood, OpenMapSearchedCornerToCorner)
{
    openMap();
    EXPECT_EQ(search(at(0, 0), at(GridLast, GridLast)), 0);
    EXPECT_EQ(pathlength, GridLast);
    for (int k = 0; k <= GridLast; ++k)
        ASSERT_EQ(PathSteps[k], at(k, k)) << k;
}

TEST_F(Flood, WholeOpenMapFloodFillsTheQueueExactly)
{
    openMap();
    // A target off the map is never found, so the flood reaches every square.
    expectFailed(search(at(50, 50), at(200, 200)));
    EXPECT_EQ(queuetail, NodeQueueSize - 1);
    EXPECT_EQ(DistanceGrid(0, 0), 50);
    EXPECT_EQ(DistanceGrid(GridLast, 0), 50);
    EXPECT_EQ(DistanceGrid(50, 50), 2);
    EXPECT_EQ(std::count(&DistanceGrid(0, 0), &DistanceGrid(0, 0) + SquareCount, Unreached), 0);
}

// ---- Failure: one box, no route ----

TEST_F(Flood, BlockedFinishFailsOnce)
{
    walledMap();
    wall(87, 87);
    expectFailed(search(at(5, 5), at(87, 87)));
}

TEST_F(Flood, FinishInsideAClosedRingFailsOnce)
{
    walledMap();
    for (int i = 80; i <= 90; ++i) {
        wall(i, 80);
        wall(i, 90);
        wall(80, i);
        wall(90, i);
    }
    expectFailed(search(at(5, 5), at(87, 87)));
    EXPECT_EQ(DistanceGrid(87, 87), Unreached);
}

TEST_F(Flood, StartEqualToFinishWithNoOpenNeighbourFails)
{
    walledMap();
    for (int i = 0; i < NeighbourCount; ++i)
        wall(20 + NeighbourDx[i], 20 + NeighbourDy[i]);
    expectFailed(search(at(20, 20), at(20, 20)));
    EXPECT_EQ(queuetail, 0);
}

TEST_F(Flood, SearchAfterAFailureSucceedsAfresh)
{
    walledMap();
    wall(87, 87);
    search(at(5, 5), at(87, 87));
    MapGrid(87, 87).passable = Open;
    EXPECT_EQ(search(at(5, 5), at(87, 87)), 0);
    EXPECT_EQ(pathlength, 82);
    EXPECT_EQ(PathSteps.size(), 83u);
}

// ---- Time to compute and the one pass of window events ----

TEST_F(Flood, TimeTheFailureBoxStaysOpenIsNotCounted)
{
    walledMap();
    wall(87, 87);
    Platform::Headless::onMessage([](const std::string&) { Platform::Headless::advanceClock(60000); });
    search(at(5, 5), at(87, 87));
    EXPECT_GE(elapsedms, 0);
    EXPECT_LT(elapsedms, 60000);
    EXPECT_GE(tickend - tickstart, 60000);
}

TEST_F(Flood, TimeStaysRightWhenTheCounterWrapsDuringTheSearch)
{
    walledMap();
    wall(87, 87);
    // Bring the counter to just below its wrap, and let the box carry it over.
    Platform::Headless::advanceClock(0u - Platform::GetTickCount() - 5u);
    Platform::Headless::onMessage([](const std::string&) { Platform::Headless::advanceClock(100); });
    search(at(5, 5), at(87, 87));
    EXPECT_GE(elapsedms, 0);
    EXPECT_LT(elapsedms, 100);
}

TEST_F(Flood, EverySearchLetsWindowEventsRunExactlyOnce)
{
    walledMap();
    search(at(5, 5), at(87, 87));
    EXPECT_EQ(Platform::Headless::eventPasses(), 1);
    wall(87, 87);
    search(at(5, 5), at(87, 87));
    EXPECT_EQ(Platform::Headless::eventPasses(), 1);
}
