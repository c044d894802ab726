// The searches that keep their frontier in discovery order: breadth-first (the window's flood
// among them) and depth-first. A square's priority in the record is its place in the frontier.
#include "runs.h"

namespace Searches {

namespace {

template <Moves rule> bool breadthFirstUnder(Query& query)
{
    Workspace& space = query.space;
    space.marks.reach(query.start, 0, 0);
    space.queue.push_back(static_cast<std::uint32_t>(query.start));
    query.tally.discoveredNew();
    query.recordDiscovered(query.start, NoCell, 0, 0);
    if (query.start == query.finish)
        return true;
    for (std::size_t next = 0; next < space.queue.size(); ++next) {
        const std::size_t cell = space.queue[next];
        const Cost cost = space.marks.cost(cell);
        space.marks.expand(cell);
        query.tally.expanded();
        query.recordExpanded(cell, cost, double(next));
        for (int direction : Directions<rule>) {
            const std::size_t neighbour = cell + space.offset[direction];
            if (!mayStep<rule>(query, cell, direction) || space.marks.seen(neighbour))
                continue;
            const Cost further = cost + stepOf<rule>(direction);
            space.marks.reach(neighbour, further, direction);
            space.queue.push_back(static_cast<std::uint32_t>(neighbour));
            query.tally.discoveredNew();
            query.recordDiscovered(neighbour, cell, further, double(space.queue.size() - 1));
            if (neighbour == query.finish)
                return true;
        }
    }
    return false;
}

template <Moves rule> bool depthFirstUnder(Query& query)
{
    Workspace& space = query.space;
    // The stack, and beside it each entry's place in the order of discovery: the later found,
    // the sooner taken, so its priority is minus that place.
    std::vector<std::uint32_t>& stack = space.queue;
    std::vector<std::uint32_t>& found = space.otherQueue;
    std::uint32_t discoveries = 0;
    space.marks.reach(query.start, 0, 0);
    stack.push_back(static_cast<std::uint32_t>(query.start));
    found.push_back(discoveries++);
    query.tally.discoveredNew();
    query.recordDiscovered(query.start, NoCell, 0, 0);
    if (query.start == query.finish)
        return true;
    while (!stack.empty()) {
        const std::size_t cell = stack.back();
        const double priority = -double(found.back());
        stack.pop_back();
        found.pop_back();
        const Cost cost = space.marks.cost(cell);
        space.marks.expand(cell);
        query.tally.expanded();
        query.recordExpanded(cell, cost, priority);
        for (int direction : Directions<rule>) {
            const std::size_t neighbour = cell + space.offset[direction];
            if (!mayStep<rule>(query, cell, direction) || space.marks.seen(neighbour))
                continue;
            const Cost further = cost + stepOf<rule>(direction);
            space.marks.reach(neighbour, further, direction);
            stack.push_back(static_cast<std::uint32_t>(neighbour));
            found.push_back(discoveries);
            query.tally.discoveredNew();
            query.recordDiscovered(neighbour, cell, further, -double(discoveries++));
            if (neighbour == query.finish)
                return true;
        }
    }
    return false;
}

} // namespace

bool breadthFirst(Query& query, Moves moves)
{
    return underRule(moves, [&](auto rule) { return breadthFirstUnder<rule.value>(query); });
}

bool depthFirst(Query& query, Moves moves)
{
    return underRule(moves, [&](auto rule) { return depthFirstUnder<rule.value>(query); });
}

bool windowFlood(Query& query)
{
    Workspace& space = query.space;
    // The start is queued but not marked reached, so the first ring finds it again at distance 2,
    // and the route for a start that is the finish goes out and back.
    space.queue.push_back(static_cast<std::uint32_t>(query.start));
    query.tally.discoveredNew();
    query.recordDiscovered(query.start, NoCell, 0, 0);
    for (std::size_t next = 0; next < space.queue.size(); ++next) {
        const std::size_t cell = space.queue[next];
        const Cost cost = next == 0 ? 0 : space.marks.cost(cell);
        query.tally.expanded();
        query.recordExpanded(cell, cost, double(next));
        for (int direction : Directions<Moves::Window>) {
            const std::size_t neighbour = cell + space.offset[direction];
            if (!query.open(neighbour) || space.marks.seen(neighbour))
                continue;
            space.marks.reach(neighbour, cost + StraightStep, direction);
            space.queue.push_back(static_cast<std::uint32_t>(neighbour));
            if (neighbour == query.start)
                query.tally.discoveredAgain(true);
            else
                query.tally.discoveredNew();
            query.recordDiscovered(neighbour, cell, cost + StraightStep, double(space.queue.size() - 1));
            if (neighbour == query.finish)
                return true;
        }
    }
    return false;
}

} // namespace Searches
