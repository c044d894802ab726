// What the searches keep between queries, and what one query works with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "jumprows.h"
#include "rules.h"
#include "search/exploration.h"
#include "searches/grid.h"

namespace Searches {

// Every padded cell's state in one word: how it was reached in this query (its cost, the
// direction of the last step into it, the end of the search it belongs to), whether it was
// expanded, and the query it was written in. A word from an earlier query has another mark and
// means "unseen", so a query clears nothing; only when the mark wraps is everything cleared.
class Marks {
  public:
    void begin(std::size_t cells);

    bool seen(std::size_t cell) const { return state[cell] >> MarkShift == mark; }
    bool expanded(std::size_t cell) const { return state[cell] >> ExpandedShift == (mark << 1 | 1); }
    Cost cost(std::size_t cell) const { return state[cell] & CostMask; }
    int direction(std::size_t cell) const { return static_cast<int>(state[cell] >> DirectionShift & 7); }
    int side(std::size_t cell) const { return static_cast<int>(state[cell] >> SideShift & 1); }

    void reach(std::size_t cell, Cost cost, int direction, int side = 0)
    {
        state[cell] = mark << MarkShift | std::uint64_t(side) << SideShift |
                      std::uint64_t(direction) << DirectionShift | cost;
    }
    void expand(std::size_t cell) { state[cell] |= std::uint64_t{1} << ExpandedShift; }

  private:
    static constexpr int DirectionShift = 2 * CostBits;
    static constexpr int SideShift = DirectionShift + 3;
    static constexpr int ExpandedShift = SideShift + 1;
    static constexpr int MarkShift = ExpandedShift + 1;
    static constexpr std::uint64_t CostMask = (std::uint64_t{1} << DirectionShift) - 1;
    static constexpr std::uint64_t LastMark = (std::uint64_t{1} << (64 - MarkShift)) - 1;

    std::vector<std::uint64_t> state;
    std::uint64_t mark = 0;
};

// The figures as figuresOf() counts them from a record, counted as the search goes.
struct Tally {
    Routeseer::ExplorationFigures figures;
    std::int64_t waiting = 0;

    void discoveredNew()
    {
        ++figures.discovered;
        wait();
    }
    // A square found again: it waits again only if it had been taken from the frontier.
    void discoveredAgain(bool wasExpanded)
    {
        if (wasExpanded)
            wait();
    }
    void expanded()
    {
        ++figures.expanded;
        --waiting;
    }

  private:
    void wait() { figures.largestFrontier = std::max(figures.largestFrontier, ++waiting); }
};

// An entry of the best-first frontier, 16 bytes. Ties of priority go to the larger cost (the
// square further along), then to the smaller cell, so that every run takes the same squares in
// the same order.
struct FrontierEntry {
    double priority;
    float cost;
    std::uint32_t cell;
};
inline bool comesAfter(const FrontierEntry& a, const FrontierEntry& b)
{
    if (a.priority != b.priority)
        return a.priority > b.priority;
    if (a.cost != b.cost)
        return a.cost < b.cost;
    return a.cell > b.cell;
}

class Workspace {
  public:
    // Makes the workspace fit the grid and starts a query.
    void begin(const Grid& grid);

    Marks marks;
    std::vector<FrontierEntry> heap;
    std::vector<std::uint32_t> queue;      // breadth-first order, or the depth-first stack
    std::vector<std::uint32_t> otherQueue; // the finish's side of the search from both ends
    std::vector<Routeseer::SquareNumber> route;
    std::vector<std::size_t> cells; // a route as cells while it is built
    std::array<std::ptrdiff_t, CompassPoints> offset{};
    JumpRows jumpRows;
};

inline constexpr std::size_t NoCell = ~std::size_t{0};

// One query: where it runs and what it writes.
struct Query {
    const Grid& grid;
    Workspace& space;
    std::size_t start;
    std::size_t finish;
    Square finishSquare;
    Routeseer::Exploration* record;
    Tally tally;

    const std::uint8_t* cells() const { return grid.paddedCells(); }
    bool open(std::size_t cell) const { return grid.paddedCells()[cell] != 0; }
    Routeseer::SquareNumber numberOf(std::size_t cell) const
    {
        return grid.numberOf(grid.squareOfCell(cell));
    }

    void recordDiscovered(std::size_t cell, std::size_t parent, Cost cost, double priority, int side = 0);
    void recordExpanded(std::size_t cell, Cost cost, double priority, int side = 0);
};

// Whether a step from `cell` in `direction` is allowed: onto an open square and, by the octile
// rule, not past the corner of a wall.
template <Moves rule> bool mayStep(const Query& query, std::size_t cell, int direction)
{
    const std::ptrdiff_t* offset = query.space.offset.data();
    const std::uint8_t* cells = query.cells();
    if (!cells[cell + offset[direction]])
        return false;
    if constexpr (rule == Moves::Octile)
        if (isDiagonal(direction))
            return cells[cell + offset[horizontalPart(direction)]] &&
                   cells[cell + offset[verticalPart(direction)]];
    return true;
}

} // namespace Searches
