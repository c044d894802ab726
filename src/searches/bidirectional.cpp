// Breadth-first from the start and from the finish at once, a whole ring of one end at a time (the
// end with the smaller frontier first). The first square one end discovers that the other end had
// already found closes a route with the fewest steps: before that ring the two searches shared no
// square, so no route is shorter than their two depths and a step.
#include <bit>

#include "runs.h"

namespace Searches {

namespace {

template <Moves rule> bool fromBothEndsUnder(Query& query, Meeting& meeting)
{
    Workspace& space = query.space;
    const Stepper<rule> steps(query);
    Marks::View marks = space.marks.view();
    std::vector<std::uint32_t>* queues[2] = {&space.queue, &space.otherQueue};
    std::size_t ringStart[2] = {0, 0};
    const std::size_t ends[2] = {query.start, query.finish};
    for (int side = 0; side < 2; ++side) {
        query.discover(marks, ends[side], NoCell, 0, 0, 0, Query::Before::Unseen, side);
        queues[side]->push_back(static_cast<std::uint32_t>(ends[side]));
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
            const Cost cost = query.expand(marks, cell, double(next), side);
            for (unsigned open = steps.directionsFrom(cell); open != 0; open &= open - 1) {
                const int direction = std::countr_zero(open);
                const std::size_t neighbour = steps.next(cell, direction);
                const Cost further = cost + stepOf<rule>(direction);
                if (marks.seen(neighbour)) {
                    if (marks.side(neighbour) == side)
                        continue;
                    // The square stays its own end's: the route is read from both ends' marks.
                    query.counted(marks.expanded(neighbour) ? Query::Before::Expanded
                                                            : Query::Before::Waiting);
                    query.recordDiscovered(neighbour, cell, further, double(queue.size()), side);
                    meeting = {cell, neighbour};
                    return true;
                }
                query.discover(marks, neighbour, cell, further, direction, double(queue.size()),
                               Query::Before::Unseen, side);
                queue.push_back(static_cast<std::uint32_t>(neighbour));
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
