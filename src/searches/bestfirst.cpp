// Dijkstra, A* and greedy best-first: one binary heap of squares ordered by their priority. A
// square found again at a lower cost goes into the heap once more; the older entry is passed over
// when it comes up, since its square has been expanded by then.
#include <algorithm>

#include <bit>

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
    const Stepper<rule> steps(query);
    Marks::View marks = space.marks.view();
    Frontier& heap = space.heap;
    const Square finish = query.finishSquare;
    const auto push = [&](std::size_t cell, Cost cost, int x, int y) {
        const double value = valueOf(cost);
        const double priority = priorityOf(order, value, estimate<rule>(finish.x - x, finish.y - y));
        heap.push({priority, static_cast<float>(value), static_cast<std::uint32_t>(cell)});
        return priority;
    };

    const Square start = query.grid.squareOfCell(query.start);
    query.discover(marks, query.start, NoCell, 0, 0, push(query.start, 0, start.x, start.y));
    while (!heap.empty()) {
        const FrontierEntry taken = heap.pop();
        const std::size_t cell = taken.cell();
        if (marks.expanded(cell))
            continue;
        const Cost cost = query.expand(marks, cell, taken.priority());
        if (cell == query.finish)
            return true;
        const Square here = query.grid.squareOfCell(cell);
        for (unsigned open = steps.directionsFrom(cell); open != 0; open &= open - 1) {
            const int direction = std::countr_zero(open);
            const std::size_t neighbour = steps.next(cell, direction);
            const Cost further = cost + stepOf<rule>(direction);
            const bool again = marks.seen(neighbour);
            // The estimates are consistent, so an expanded square has its least cost already; the
            // greedy search keeps the first way it found.
            if (again && (order == Order::Estimate || marks.expanded(neighbour) ||
                          valueOf(further) >= valueOf(marks.cost(neighbour))))
                continue;
            query.discover(
                marks, neighbour, cell, further, direction,
                push(neighbour, further, here.x + CompassDx[direction], here.y + CompassDy[direction]),
                again ? Query::Before::Waiting : Query::Before::Unseen);
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
