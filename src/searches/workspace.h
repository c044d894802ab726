// What the searches keep between queries, and what one query works with.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "frontier.h"
#include "jumprows.h"
#include "marks.h"
#include "rules.h"
#include "search/exploration.h"
#include "searches/grid.h"

namespace Searches {

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

class Workspace {
  public:
    // Makes room for the grid's squares, and lays its rows of bits out for the jumps if asked.
    void fit(const Grid& grid, bool jumps);
    // Starts a query on the grid it fits.
    void begin(const Grid& grid);

    Marks marks;
    Frontier heap;
    std::vector<std::uint32_t> queue;      // breadth-first order, or the depth-first stack
    std::vector<std::uint32_t> otherQueue; // the finish's side of the search from both ends
    std::vector<Routeseer::SquareNumber> route;
    std::vector<std::size_t> cells;                   // a route as cells while it is built
    std::array<std::int32_t, CompassPoints> offset{}; // 32 bits, for the same reason as the marks
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

    // What a square was before it was discovered now.
    enum class Before : std::uint8_t { Unseen, Waiting, Expanded };
    // Marks the square reached by a step in `direction` from `parent`, counts it and records it.
    void discover(Marks::View& marks, std::size_t cell, std::size_t parent, Cost cost, int direction,
                  double priority, Before before = Before::Unseen, int side = 0)
    {
        marks.reach(cell, cost, direction, side);
        counted(before);
        recordDiscovered(cell, parent, cost, priority, side);
    }
    // Takes the square from the frontier; gives its cost.
    Cost expand(Marks::View& marks, std::size_t cell, double priority, int side = 0)
    {
        const Cost cost = marks.cost(cell);
        marks.expand(cell);
        tally.expanded();
        recordExpanded(cell, cost, priority, side);
        return cost;
    }
    void counted(Before before)
    {
        if (before == Before::Unseen)
            tally.discoveredNew();
        else
            tally.discoveredAgain(before == Before::Expanded);
    }
    // Without a record, only the test of the pointer is left in the searches' loops.
    void recordDiscovered(std::size_t cell, std::size_t parent, Cost cost, double priority, int side = 0)
    {
        if (record)
            write(Routeseer::Exploration::Event::Discovered, cell, parent, cost, priority, side);
    }
    void recordExpanded(std::size_t cell, Cost cost, double priority, int side = 0)
    {
        if (record)
            write(Routeseer::Exploration::Event::Expanded, cell, NoCell, cost, priority, side);
    }

  private:
    void write(Routeseer::Exploration::Event event, std::size_t cell, std::size_t parent, Cost cost,
               double priority, int side);
};

// What the inner loops read at every step, copied out of the workspace, where a store into the
// marks might seem to change it: the open squares and each direction's displacement.
template <Moves rule> class Stepper {
  public:
    explicit Stepper(const Query& query) : cells(query.cells()), offset(query.space.offset) {}

    std::size_t next(std::size_t cell, int direction) const { return cell + offset[direction]; }
    // Whether a step from `cell` in `direction` is allowed: onto an open square and, by the octile
    // rule, not past the corner of a wall.
    bool allows(std::size_t cell, int direction) const
    {
        if (!cells[next(cell, direction)])
            return false;
        if constexpr (rule == Moves::Octile)
            if (isDiagonal(direction))
                return cells[next(cell, horizontalPart(direction))] &&
                       cells[next(cell, verticalPart(direction))];
        return true;
    }

    // The directions a step from `cell` may take, as bits: bit d for compass point d, so that
    // taking the lowest first visits them clockwise from N. Worked out without a branch, since
    // whether a neighbour is a wall is what a processor cannot guess.
    unsigned directionsFrom(std::size_t cell) const
    {
        unsigned open = 0;
        for (int direction = 0; direction < CompassPoints; ++direction)
            open |= unsigned{cells[next(cell, direction)]} << direction;
        constexpr unsigned Straight = 0x55, Diagonal = 0xAA, All = 0xFF;
        if constexpr (rule == Moves::Four)
            return open & Straight;
        if constexpr (rule == Moves::Octile) {
            // A diagonal's two parts are the straight directions just before and after it.
            const unsigned straight = open & Straight;
            const unsigned before = straight << 1, after = (straight >> 1 | straight << 7) & All;
            return straight | (open & Diagonal & before & after);
        }
        return open;
    }

  private:
    const std::uint8_t* cells;
    std::array<std::int32_t, CompassPoints> offset;
};

} // namespace Searches
