// The squares a search reached, as the caption and routeseer-map report them.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "platform/headless.h"
#include "search/searchstats.h"
#include "testmaps.h"

using namespace Routeseer;
using namespace TestMaps;

namespace {

// Counted another way: the distinct squares the queue holds.
int distinctQueuedSquares()
{
    std::set<std::pair<int, int>> squares;
    for (int i = 0; i <= queuetail; ++i)
        squares.emplace(NodeQueue[i].x, NodeQueue[i].y);
    return static_cast<int>(squares.size());
}

} // namespace

TEST(SearchStats, SquaresReachedCountsEachQueuedSquareOnceWhetherOrNotTheStartWasFoundAgain)
{
    struct Case {
        const char* what;
        void (*map)();
        PathStep start;
        PathStep target;
        bool startFoundAgain;
    };
    const Case cases[] = {
        {"far finish on the walled map", walledMap, at(5, 5), at(87, 87), true},
        {"finish north of the start: found before the start is", walledMap, at(5, 5), at(5, 4), false},
        {"sealed finish: the whole map", [] { walledMap(), wall(87, 87); }, at(5, 5), at(87, 87), true},
        {"start in a wall", [] { walledMap(), wall(5, 5); }, at(5, 5), at(87, 87), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.map();
        search(c.start, c.target);
        EXPECT_EQ(DistanceGrid(c.start.x, c.start.y) == 2, c.startFoundAgain);
        EXPECT_EQ(squaresReached(c.start), distinctQueuedSquares());
    }
}
