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
        : query(query), space(query.space), marks(space.marks.view()), steps(query),
          // A walled finish is never reached; a jump must not stop on it either.
          goal(query.open(query.finish) ? query.finishSquare : Square{-1, -1})
    {
    }

    bool run()
    {
        query.discover(marks, query.start, NoCell, 0, 0, push(query.start, 0, square(query.start)));
        while (!space.heap.empty()) {
            const FrontierEntry taken = space.heap.pop();
            if (marks.expanded(taken.cell()))
                continue;
            query.expand(marks, taken.cell(), taken.priority());
            if (taken.cell() == query.finish)
                return true;
            expand(taken.cell());
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
        space.heap.push({priority, static_cast<float>(value), static_cast<std::uint32_t>(cell)});
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
            if (query.open(steps.next(cell, side)) &&
                !query.open(steps.next(steps.next(cell, opposite(came)), side))) {
                follow(cell, at, side);
                follow(cell, at,
                       side == (came + 2) % CompassPoints ? (came + 1) % CompassPoints
                                                          : (came + 7) % CompassPoints);
            }
    }

    // The jump from `cell` in `direction`, and the jump point it ends on into the frontier.
    void follow(std::size_t cell, Square at, int direction)
    {
        const int length = isDiagonal(direction) ? diagonalJump(cell, at, direction)
                                                 : space.jumpRows.jump(at, direction, goal);
        if (length == 0)
            return;
        const std::size_t point = cell + length * space.offset[direction];
        const Cost cost = marks.cost(cell) + Cost(length) * stepOf<Rule>(direction);
        const bool again = marks.seen(point);
        if (again && (marks.expanded(point) || valueOf(cost) >= valueOf(marks.cost(point))))
            return;
        const Square pointAt{at.x + length * CompassDx[direction], at.y + length * CompassDy[direction]};
        query.discover(marks, point, cell, cost, direction, push(point, cost, pointAt),
                       again ? Query::Before::Waiting : Query::Before::Unseen);
    }

    int diagonalJump(std::size_t cell, Square at, int direction) const
    {
        for (int length = 1;; ++length) {
            if (!steps.allows(cell, direction))
                return 0;
            cell = steps.next(cell, direction);
            at = {at.x + CompassDx[direction], at.y + CompassDy[direction]};
            if (at == goal || space.jumpRows.jump(at, horizontalPart(direction), goal) ||
                space.jumpRows.jump(at, verticalPart(direction), goal))
                return length;
        }
    }

    Query& query;
    Workspace& space;
    Marks::View marks;
    const Stepper<Rule> steps;
    const Square goal;
};

} // namespace

bool jumpPoints(Query& query) { return Jumper(query).run(); }

} // namespace Searches
