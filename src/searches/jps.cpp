// Jump Point Search under the octile rule (no corner cut): A* that expands only jump points. From a
// square reached straight on, the search goes on straight, and sideways only where a wall ends
// beside it; from one reached diagonally, it goes on diagonally and along both straight parts. A
// straight line is jumped to its next jump point with the rows of bits; a diagonal one square at a
// time, stopping where either straight part jumps somewhere.
#include <algorithm>

#include "runs.h"

namespace Searches {

namespace {

constexpr Moves Rule = Moves::Octile;

class Jumper {
  public:
    explicit Jumper(Query& query)
        : query(query), space(query.space), marks(space.marks),
          // A walled finish is never reached; a jump must not stop on it either.
          goal(query.open(query.finish) ? query.finishSquare : Square{-1, -1})
    {
    }

    bool run()
    {
        marks.reach(query.start, 0, 0);
        query.tally.discoveredNew();
        query.recordDiscovered(query.start, NoCell, 0, push(query.start, 0, square(query.start)));
        while (!space.heap.empty()) {
            std::pop_heap(space.heap.begin(), space.heap.end(), comesAfter);
            const FrontierEntry taken = space.heap.back();
            space.heap.pop_back();
            if (marks.expanded(taken.cell))
                continue;
            marks.expand(taken.cell);
            query.tally.expanded();
            query.recordExpanded(taken.cell, marks.cost(taken.cell), taken.priority);
            if (taken.cell == query.finish)
                return true;
            expand(taken.cell);
        }
        return false;
    }

  private:
    Square square(std::size_t cell) const { return query.grid.squareOfCell(cell); }

    double push(std::size_t cell, Cost cost, Square at)
    {
        const double value = valueOf(cost);
        const double priority =
            value + estimate<Rule>(query.finishSquare.x - at.x, query.finishSquare.y - at.y);
        space.heap.push_back({priority, static_cast<float>(value), static_cast<std::uint32_t>(cell)});
        std::push_heap(space.heap.begin(), space.heap.end(), comesAfter);
        return priority;
    }

    void expand(std::size_t cell)
    {
        const Square at = square(cell);
        if (cell == query.start) {
            for (int direction = 0; direction < CompassPoints; ++direction)
                follow(cell, at, direction);
            return;
        }
        const int came = marks.direction(cell);
        if (isDiagonal(came)) {
            follow(cell, at, horizontalPart(came));
            follow(cell, at, verticalPart(came));
            follow(cell, at, came);
            return;
        }
        follow(cell, at, came);
        for (int side : {(came + 6) % CompassPoints, (came + 2) % CompassPoints})
            if (query.open(cell + space.offset[side]) &&
                !query.open(cell - space.offset[came] + space.offset[side])) {
                follow(cell, at, side);
                follow(cell, at,
                       side == (came + 2) % CompassPoints ? (came + 1) % CompassPoints
                                                          : (came + 7) % CompassPoints);
            }
    }

    // The jump from `cell` in `direction`, and the jump point it ends on into the frontier.
    void follow(std::size_t cell, Square at, int direction)
    {
        const int steps = isDiagonal(direction) ? diagonalJump(cell, at, direction)
                                                : space.jumpRows.jump(at, direction, goal);
        if (steps == 0)
            return;
        const std::size_t point = cell + steps * space.offset[direction];
        const Cost cost = marks.cost(cell) + Cost(steps) * stepOf<Rule>(direction);
        const bool again = marks.seen(point);
        if (again && (marks.expanded(point) || valueOf(cost) >= valueOf(marks.cost(point))))
            return;
        marks.reach(point, cost, direction);
        if (again)
            query.tally.discoveredAgain(false);
        else
            query.tally.discoveredNew();
        const Square pointAt{at.x + steps * CompassDx[direction], at.y + steps * CompassDy[direction]};
        query.recordDiscovered(point, cell, cost, push(point, cost, pointAt));
    }

    int diagonalJump(std::size_t cell, Square at, int direction) const
    {
        for (int steps = 1;; ++steps) {
            if (!mayStep<Rule>(query, cell, direction))
                return 0;
            cell += space.offset[direction];
            at = {at.x + CompassDx[direction], at.y + CompassDy[direction]};
            if (at == goal || space.jumpRows.jump(at, horizontalPart(direction), goal) ||
                space.jumpRows.jump(at, verticalPart(direction), goal))
                return steps;
        }
    }

    Query& query;
    Workspace& space;
    Marks& marks;
    const Square goal;
};

} // namespace

bool jumpPoints(Query& query) { return Jumper(query).run(); }

} // namespace Searches
