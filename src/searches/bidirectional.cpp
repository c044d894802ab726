// Breadth-first from the start and from the finish at once, a whole ring of one end at a time (the
// end with the smaller frontier first). The first square one end discovers that the other end had
// already found closes a route with the fewest steps: before that ring the two searches shared no
// square, so no route is shorter than their two depths and a step.
#include "runs.h"

namespace Searches {

namespace {

template <Moves rule> bool fromBothEndsUnder(Query& query, Meeting& meeting)
{
    Workspace& space = query.space;
    Marks& marks = space.marks;
    std::vector<std::uint32_t>* queues[2] = {&space.queue, &space.otherQueue};
    std::size_t ringStart[2] = {0, 0};
    const std::size_t ends[2] = {query.start, query.finish};
    for (int side = 0; side < 2; ++side) {
        marks.reach(ends[side], 0, 0, side);
        queues[side]->push_back(static_cast<std::uint32_t>(ends[side]));
        query.tally.discoveredNew();
        query.recordDiscovered(ends[side], NoCell, 0, 0, side);
        if (query.start == query.finish) {
            meeting = {query.start, query.start};
            return true;
        }
    }
    while (ringStart[0] < queues[0]->size() && ringStart[1] < queues[1]->size()) {
        const int side = queues[1]->size() - ringStart[1] < queues[0]->size() - ringStart[0] ? 1 : 0;
        std::vector<std::uint32_t>& queue = *queues[side];
        const std::size_t ringEnd = queue.size();
        for (std::size_t next = ringStart[side]; next < ringEnd; ++next) {
            const std::size_t cell = queue[next];
            const Cost cost = marks.cost(cell);
            marks.expand(cell);
            query.tally.expanded();
            query.recordExpanded(cell, cost, double(next), side);
            for (int direction : Directions<rule>) {
                const std::size_t neighbour = cell + space.offset[direction];
                if (!mayStep<rule>(query, cell, direction))
                    continue;
                const Cost further = cost + stepOf<rule>(direction);
                if (marks.seen(neighbour)) {
                    if (marks.side(neighbour) == side)
                        continue;
                    query.tally.discoveredAgain(marks.expanded(neighbour));
                    query.recordDiscovered(neighbour, cell, further, double(queue.size()), side);
                    meeting = {cell, neighbour};
                    return true;
                }
                marks.reach(neighbour, further, direction, side);
                queue.push_back(static_cast<std::uint32_t>(neighbour));
                query.tally.discoveredNew();
                query.recordDiscovered(neighbour, cell, further, double(queue.size() - 1), side);
            }
        }
        ringStart[side] = ringEnd;
    }
    return false;
}

} // namespace

bool fromBothEnds(Query& query, Moves moves, Meeting& meeting)
{
    // The finish's end starts from the finish, which only an open square can be.
    if (!query.open(query.finish))
        return false;
    return underRule(moves, [&](auto rule) { return fromBothEndsUnder<rule.value>(query, meeting); });
}

} // namespace Searches
