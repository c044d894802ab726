// Dijkstra, A* and greedy best-first: one binary heap of squares ordered by their priority. A
// square found again at a lower cost goes into the heap once more; the older entry is passed over
// when it comes up, since its square has been expanded by then.
#include <algorithm>

#include "runs.h"

namespace Searches {

namespace {

double priorityOf(Order order, double cost, double estimate)
{
    switch (order) {
    case Order::Cost:
        return cost;
    case Order::Estimate:
        return estimate;
    default:
        return cost + estimate;
    }
}

template <Moves rule> bool bestFirstUnder(Query& query, Order order)
{
    Workspace& space = query.space;
    Marks& marks = space.marks;
    std::vector<FrontierEntry>& heap = space.heap;
    const Square finish = query.finishSquare;
    const auto push = [&](std::size_t cell, Cost cost, int x, int y) {
        const double value = valueOf(cost);
        const double priority = priorityOf(order, value, estimate<rule>(finish.x - x, finish.y - y));
        heap.push_back({priority, static_cast<float>(value), static_cast<std::uint32_t>(cell)});
        std::push_heap(heap.begin(), heap.end(), comesAfter);
        return priority;
    };

    const Square start = query.grid.squareOfCell(query.start);
    marks.reach(query.start, 0, 0);
    query.tally.discoveredNew();
    query.recordDiscovered(query.start, NoCell, 0, push(query.start, 0, start.x, start.y));
    while (!heap.empty()) {
        std::pop_heap(heap.begin(), heap.end(), comesAfter);
        const FrontierEntry taken = heap.back();
        heap.pop_back();
        const std::size_t cell = taken.cell;
        if (marks.expanded(cell))
            continue;
        const Cost cost = marks.cost(cell);
        marks.expand(cell);
        query.tally.expanded();
        query.recordExpanded(cell, cost, taken.priority);
        if (cell == query.finish)
            return true;
        const Square here = query.grid.squareOfCell(cell);
        for (int direction : Directions<rule>) {
            const std::size_t neighbour = cell + space.offset[direction];
            if (!mayStep<rule>(query, cell, direction))
                continue;
            const Cost further = cost + stepOf<rule>(direction);
            const bool again = marks.seen(neighbour);
            // The estimates are consistent, so an expanded square has its least cost already; the
            // greedy search keeps the first way it found.
            if (again && (order == Order::Estimate || marks.expanded(neighbour) ||
                          valueOf(further) >= valueOf(marks.cost(neighbour))))
                continue;
            marks.reach(neighbour, further, direction);
            if (again)
                query.tally.discoveredAgain(false);
            else
                query.tally.discoveredNew();
            const double priority =
                push(neighbour, further, here.x + CompassDx[direction], here.y + CompassDy[direction]);
            query.recordDiscovered(neighbour, cell, further, priority);
        }
    }
    return false;
}

} // namespace

bool bestFirst(Query& query, Moves moves, Order order)
{
    return underRule(moves, [&](auto rule) { return bestFirstUnder<rule.value>(query, order); });
}

} // namespace Searches
