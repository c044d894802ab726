#include "agreement.h"

#include <algorithm>
#include <cstdlib>

namespace Bench {

namespace {

bool neighbours(Square a, Square b)
{
    return a != b && std::abs(a.first - b.first) <= 1 && std::abs(a.second - b.second) <= 1;
}

// Why the route is not a walk over open squares from start to finish, or empty when it is.
std::string flaw(const SearchCase& searchCase, const Route& route)
{
    if (route.front() != Square{searchCase.start.x, searchCase.start.y})
        return "it does not begin at the start";
    if (route.back() != Square{searchCase.target.x, searchCase.target.y})
        return "it does not end at the finish";
    for (std::size_t k = 0; k < route.size(); ++k) {
        if (!searchCase.open(route[k].first, route[k].second))
            return "step " + std::to_string(k) + " is a wall";
        if (k > 0 && !neighbours(route[k - 1], route[k]))
            return "steps " + std::to_string(k - 1) + " and " + std::to_string(k) + " are not neighbours";
    }
    return {};
}

// The first record in which the ring flood differs from findpath's, or empty when none does.
std::string difference()
{
    using namespace Routeseer;
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x)
            if (RingFlood::distance(x, y) != DistanceGrid(x, y))
                return "the distance of (" + std::to_string(x) + ", " + std::to_string(y) + ") is " +
                       std::to_string(RingFlood::distance(x, y)) + ", findpath's " +
                       std::to_string(DistanceGrid(x, y));
    if (RingFlood::tail() != queuetail)
        return "the queue ends at " + std::to_string(RingFlood::tail()) + ", findpath's at " +
               std::to_string(queuetail);
    const QueueEntry* const entries = RingFlood::queue();
    const auto [mine, theirs] = std::mismatch(entries, entries + queuetail + 1, NodeQueue.begin());
    if (mine != entries + queuetail + 1)
        return "queue entry " + std::to_string(mine - entries) + " differs";
    if (std::any_of(entries + queuetail + 1, entries + NodeQueueSize,
                    [](const QueueEntry& entry) { return entry.distance != 0; }))
        return "an entry above the tail keeps its distance";
    if (RingFlood::route() != PathSteps)
        return "the route differs";
    return {};
}

} // namespace

void checkSameRecords(const SearchCase& searchCase)
{
    if (const std::string why = difference(); !why.empty())
        abortSetUp(searchCase.name + ", ring flood: " + why);
}

void checkRoute(const SearchCase& searchCase, const std::string& contender, const Route& route,
                std::size_t expectedSteps)
{
    const std::string where = searchCase.name + ", " + contender + ": ";
    if (searchCase.sealed) {
        if (!route.empty())
            abortSetUp(where + "found a route to a walled-in finish");
        return;
    }
    if (route.empty())
        abortSetUp(where + "found no route, though one exists");
    if (const std::string why = flaw(searchCase, route); !why.empty())
        abortSetUp(where + "the route is broken: " + why);
    if (route.size() - 1 != expectedSteps)
        abortSetUp(where + "the route has " + std::to_string(route.size() - 1) + " steps, findpath's " +
                   std::to_string(expectedSteps));
}

} // namespace Bench
