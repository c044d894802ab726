// The replay of a search's record, forwards and back: wherever it is moved to and however it got
// there, every square's state, parent and cost are what the record says up to that moment, the
// counts follow, the changes it reports cover every square that changed, ring steps end on ring
// boundaries, and the frontier's first entry is the square the search takes next.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <set>

#include "search/timeline.h"
#include "searches/searcher.h"
#include "testgrids.h"

using namespace Routeseer;
using Searches::Method;
using Searches::Moves;

namespace {

struct Case {
    Method method;
    Moves moves;
    bool rings;
    Timeline::Order order;
    // From both ends the next square comes from one end's frontier, not the two together.
    bool nextIsFirst = true;
};

void PrintTo(const Case& c, std::ostream* out)
{
    *out << Searches::nameOf(c.method) << '_' << Searches::nameOf(c.moves);
}

// The record read up to `position` expansions by a plain pass of the test's own.
struct Expected {
    std::vector<Timeline::State> states;
    std::vector<SquareNumber> parents;
    std::vector<float> costs;
    std::int64_t frontier = 0;
};

Expected readUpTo(const Exploration& record, int position)
{
    const auto squares = static_cast<std::size_t>(record.width * record.height);
    Expected expected{std::vector(squares, Timeline::State::Unreached), std::vector(squares, NoSquare),
                      std::vector(squares, 0.0f)};
    int expansions = 0;
    for (const Exploration::Step& step : record.steps) {
        if (step.event == Exploration::Event::Expanded) {
            if (expansions == position)
                break;
            ++expansions;
            expected.states[step.square] = Timeline::State::Done;
        } else {
            expected.states[step.square] = Timeline::State::Frontier;
            expected.parents[step.square] = step.parent;
            expected.costs[step.square] = step.cost;
        }
    }
    expected.frontier = std::count(expected.states.begin(), expected.states.end(), Timeline::State::Frontier);
    return expected;
}

// The whole-cost ring of the square expanded at `position` (1 the first), on its side.
std::pair<int, int> ringAt(const Exploration& record, int position)
{
    for (const Exploration::Step& step : record.steps)
        if (step.event == Exploration::Event::Expanded && --position == 0)
            return {step.side, static_cast<int>(std::floor(step.cost + 1e-3f))};
    return {-1, -1};
}

class TimelineTest : public testing::TestWithParam<Case> {};

TEST_P(TimelineTest, EveryMomentIsTheRecordsWhicheverWayItIsReached)
{
    const Case c = GetParam();
    std::mt19937 draw(24);
    const Searches::Grid grid = TestGrids::randomGrid(61, 47, 0.28, draw);
    const Searches::Square start = TestGrids::randomOpenSquare(grid, draw);
    const Searches::Square finish = TestGrids::randomOpenSquare(grid, draw);
    Searches::Searcher searcher(grid);
    auto record = std::make_shared<Exploration>();
    searcher.find(c.method, c.moves, start, finish, record.get());
    const ExplorationFigures figures = figuresOf(*record);
    Timeline timeline(record, c.rings);
    ASSERT_EQ(timeline.expansions(), figures.expanded);
    ASSERT_GT(timeline.expansions(), 20);

    const auto expectAt = [&](int position, const char* how) {
        SCOPED_TRACE(testing::Message() << how << " to " << position);
        const Expected expected = readUpTo(*record, position);
        ASSERT_EQ(timeline.position(), position);
        EXPECT_EQ(timeline.frontierSize(), expected.frontier);
        for (SquareNumber square = 0; square < expected.states.size(); ++square) {
            ASSERT_EQ(timeline.state(square), expected.states[square]) << "square " << square;
            if (expected.states[square] != Timeline::State::Unreached) {
                ASSERT_EQ(timeline.parent(square), expected.parents[square]) << "square " << square;
                ASSERT_EQ(timeline.cost(square), expected.costs[square]) << "square " << square;
            }
        }
    };

    // One expansion at a time both ways, the largest frontier on the way, and the frontier's first
    // entry taken next.
    std::int64_t largest = 0;
    for (int position = 0; position < timeline.expansions(); ++position) {
        timeline.seek(position);
        largest = std::max(largest, timeline.frontierSize());
        const std::vector<SquareNumber> first = timeline.frontierFirst(1, c.order);
        timeline.seek(position + 1);
        ASSERT_EQ(first.size(), 1u);
        if (c.nextIsFirst) {
            EXPECT_EQ(first.front(), timeline.current()) << "at " << position;
        }
    }
    largest = std::max(largest, timeline.frontierSize());
    EXPECT_EQ(largest, figures.largestFrontier);
    EXPECT_EQ(timeline.reached(), figures.discovered);
    expectAt(timeline.expansions(), "forwards");
    for (int position = timeline.expansions(); position-- > 0;)
        timeline.seek(position);
    expectAt(0, "back one at a time");

    // Scrubbing at random: the changes reported cover every square that changed.
    std::uniform_int_distribution<int> anywhere(-5, timeline.expansions() + 5);
    for (int jump = 0; jump < 40; ++jump) {
        const Expected was = readUpTo(*record, timeline.position());
        const int target = anywhere(draw);
        timeline.seek(target);
        const int clamped = std::clamp(target, 0, timeline.expansions());
        expectAt(clamped, "scrubbed");
        const Expected now = readUpTo(*record, clamped);
        const std::vector<SquareNumber> changed = timeline.takeChanged();
        const std::set<SquareNumber> reported(changed.begin(), changed.end());
        EXPECT_EQ(reported.size(), changed.size()) << "a square reported twice";
        for (SquareNumber square = 0; square < now.states.size(); ++square)
            if (now.states[square] != was.states[square] || now.parents[square] != was.parents[square]) {
                ASSERT_TRUE(reported.count(square)) << "square " << square << " changed unreported";
            }
    }

    // Whole steps: a ring (or a tenth) on, then back, over the whole search.
    timeline.seek(0);
    std::vector<int> stops{0};
    while (!timeline.atEnd()) {
        const int stop = timeline.nextStop();
        ASSERT_GT(stop, timeline.position());
        if (c.rings) {
            EXPECT_EQ(ringAt(*record, timeline.position() + 1), ringAt(*record, stop)) << "a ring split";
            if (stop < timeline.expansions()) {
                EXPECT_NE(ringAt(*record, stop), ringAt(*record, stop + 1)) << "two rings at once";
            }
        } else {
            const int tenth = (timeline.expansions() + 9) / 10;
            EXPECT_EQ(stop, std::min(timeline.position() + tenth, timeline.expansions()));
        }
        timeline.seek(stop);
        stops.push_back(stop);
    }
    if (c.rings) {
        EXPECT_GT(stops.size(), 10u);
    }
    for (auto back = stops.rbegin() + 1; back != stops.rend(); ++back) {
        if (c.rings) {
            EXPECT_EQ(timeline.previousStop(), *back) << "back from " << timeline.position();
        }
        timeline.seek(*back);
    }
    expectAt(0, "back ring by ring");
}

INSTANTIATE_TEST_SUITE_P(
    Searches, TimelineTest,
    testing::Values(Case{Method::Bfs, Moves::Window, true, Timeline::Order::Oldest},
                    Case{Method::Bfs, Moves::Four, true, Timeline::Order::Oldest},
                    Case{Method::Dfs, Moves::Octile, false, Timeline::Order::Newest},
                    Case{Method::Dijkstra, Moves::Octile, true, Timeline::Order::Priority},
                    Case{Method::Greedy, Moves::Octile, false, Timeline::Order::Priority},
                    Case{Method::AStar, Moves::Octile, false, Timeline::Order::Priority},
                    Case{Method::Bidirectional, Moves::Window, true, Timeline::Order::Oldest, false},
                    Case{Method::Jps, Moves::Octile, false, Timeline::Order::Priority}),
    [](const testing::TestParamInfo<Case>& info) {
        return std::string(Searches::nameOf(info.param.method)) + "_" +
               std::string(Searches::nameOf(info.param.moves));
    });

} // namespace
