// Routes read back from the marks: each square holds its cost and the direction of the step into
// it, which is enough to find the square it came from without keeping it.
#include "runs.h"

namespace Searches {

void traceBack(const Query& query, Moves moves, std::size_t from, std::vector<std::size_t>& cells)
{
    const Marks::View marks = query.space.marks.view();
    cells.push_back(from);
    for (std::size_t cell = from; marks.cost(cell) != 0;) {
        const int direction = marks.direction(cell);
        const std::ptrdiff_t back = -query.space.offset[direction];
        const Cost step = moves == Moves::Octile && isDiagonal(direction) ? DiagonalStep : StraightStep;
        // The square it was reached from lies back along that direction, one step away or, after
        // a jump, further; on the way every square it jumped over. Any square there whose cost and
        // the steps from it make this one's cost is as good a way back as the one taken.
        Cost remaining = marks.cost(cell) - step;
        std::size_t previous = cell + back;
        while (!(marks.seen(previous) && marks.cost(previous) == remaining)) {
            cells.push_back(previous);
            previous += back;
            remaining -= step;
        }
        cells.push_back(previous);
        cell = previous;
    }
}

void traceWindowRoute(const Query& query, std::vector<std::size_t>& cells)
{
    // As the window walks back: from the finish, the neighbour one step nearer the start that comes
    // last clockwise, or N when none does; the start itself is put first whatever the walk reached.
    const Marks::View marks = query.space.marks.view();
    const auto steps = static_cast<std::size_t>(marks.cost(query.finish));
    cells.assign(steps + 1, query.start);
    cells[steps] = query.finish;
    for (std::size_t index = steps - 1; index >= 1; --index) {
        const std::size_t later = cells[index + 1];
        const Cost distance = marks.cost(later);
        int direction = CompassPoints - 1;
        for (; direction > 0; --direction) {
            const std::size_t neighbour = later + query.space.offset[direction];
            if (marks.seen(neighbour) && marks.cost(neighbour) < distance)
                break;
        }
        cells[index] = later + query.space.offset[direction];
    }
}

} // namespace Searches
