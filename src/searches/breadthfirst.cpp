// The searches that keep their frontier in discovery order: breadth-first (the window's flood
// among them) and depth-first. A square's priority in the record is its place in the frontier.
#include <bit>

#include "runs.h"

namespace Searches {

namespace {

// Breadth-first takes the oldest square of its frontier, depth-first the newest; a square's
// priority is its place in the order of discovery, or minus that place. Both stop the moment the
// finish is discovered.
template <Moves rule, bool newestFirst> bool inDiscoveryOrder(Query& query)
{
    Workspace& space = query.space;
    Marks::View marks = space.marks.view();
    const Stepper<rule> steps(query);
    std::vector<std::uint32_t>& frontier = space.queue;
    std::vector<std::uint32_t>& places = space.otherQueue; // beside each entry, its place
    const auto priorityOf = [](std::uint32_t place) { return newestFirst ? -double(place) : double(place); };
    std::uint32_t discoveries = 0;
    query.discover(marks, query.start, NoCell, 0, 0, 0);
    frontier.push_back(static_cast<std::uint32_t>(query.start));
    places.push_back(discoveries++);
    if (query.start == query.finish)
        return true;
    for (std::size_t oldest = 0; newestFirst ? !frontier.empty() : oldest < frontier.size(); ++oldest) {
        const std::size_t taken = newestFirst ? frontier.size() - 1 : oldest;
        const std::size_t cell = frontier[taken];
        const double priority = priorityOf(places[taken]);
        if constexpr (newestFirst) {
            frontier.pop_back();
            places.pop_back();
        }
        const Cost cost = query.expand(marks, cell, priority);
        for (unsigned open = steps.directionsFrom(cell); open != 0; open &= open - 1) {
            const int direction = std::countr_zero(open);
            const std::size_t neighbour = steps.next(cell, direction);
            if (marks.seen(neighbour))
                continue;
            query.discover(marks, neighbour, cell, cost + stepOf<rule>(direction), direction,
                           priorityOf(discoveries));
            frontier.push_back(static_cast<std::uint32_t>(neighbour));
            places.push_back(discoveries++);
            if (neighbour == query.finish)
                return true;
        }
    }
    return false;
}

} // namespace

bool breadthFirst(Query& query, Moves moves)
{
    return underRule(moves, [&](auto rule) { return inDiscoveryOrder<rule.value, false>(query); });
}

bool depthFirst(Query& query, Moves moves)
{
    return underRule(moves, [&](auto rule) { return inDiscoveryOrder<rule.value, true>(query); });
}

bool windowFlood(Query& query)
{
    Workspace& space = query.space;
    Marks::View marks = space.marks.view();
    const Stepper<Moves::Window> steps(query);
    // The start is queued but not marked reached, so the first ring finds it again at distance 2,
    // and the route for a start that is the finish goes out and back.
    space.queue.push_back(static_cast<std::uint32_t>(query.start));
    query.counted(Query::Before::Unseen);
    query.recordDiscovered(query.start, NoCell, 0, 0);
    for (std::size_t next = 0; next < space.queue.size(); ++next) {
        const std::size_t cell = space.queue[next];
        const Cost cost = next == 0 ? 0 : marks.cost(cell);
        query.tally.expanded();
        query.recordExpanded(cell, cost, double(next));
        for (unsigned open = steps.directionsFrom(cell); open != 0; open &= open - 1) {
            const int direction = std::countr_zero(open);
            const std::size_t neighbour = steps.next(cell, direction);
            if (marks.seen(neighbour))
                continue;
            query.discover(marks, neighbour, cell, cost + StraightStep, direction, double(space.queue.size()),
                           neighbour == query.start ? Query::Before::Expanded : Query::Before::Unseen);
            space.queue.push_back(static_cast<std::uint32_t>(neighbour));
            if (neighbour == query.finish)
                return true;
        }
    }
    return false;
}

} // namespace Searches
