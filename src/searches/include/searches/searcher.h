// Runs the searches on one grid, query after query. It keeps its workspace between queries (the
// squares' marks, the frontier, the route), so that a query allocates nothing once the first has
// grown it, and a new query clears nothing: a square's mark from an earlier query simply does not
// count.
#pragma once

#include <chrono>
#include <memory>
#include <vector>

#include "search/exploration.h"
#include "searches/grid.h"
#include "searches/methods.h"

namespace Searches {

struct Outcome {
    // The same figures figuresOf() reads from the search's record.
    Routeseer::ExplorationFigures figures;
    std::chrono::nanoseconds time{0};
};

class Workspace;

class Searcher {
  public:
    // The grid must outlive the searcher; it may change between queries.
    explicit Searcher(const Grid& grid);
    ~Searcher();
    Searcher(const Searcher&) = delete;
    Searcher& operator=(const Searcher&) = delete;

    // Searches from `start` to `finish`. The search starts from the start whatever it is (the
    // window's flood does so from a wall too) and reaches the finish only when it is open. With a
    // record, every expansion and discovery goes into it as it happens; without, nothing is written
    // but the figures. A search its rule refuses (refusal()) or an end off the grid finds nothing.
    // Ties go the same way every run: breadth-first and depth-first take neighbours clockwise from
    // N and their frontier in the order of discovery (depth-first the newest first); Dijkstra,
    // greedy, A* and Jump Point Search take among equal priorities the larger cost, then the square
    // of the smaller number; from both ends, the end with the smaller frontier expands its ring.
    Outcome find(Method method, Moves moves, Square start, Square finish,
                 Routeseer::Exploration* record = nullptr);

    // The last query's route, start first, each square a neighbour of the one before; empty when
    // it found none.
    const std::vector<Routeseer::SquareNumber>& route() const;

  private:
    const Grid& grid;
    std::unique_ptr<Workspace> workspace;
};

// The cost of a route under the rule: steps, with the octile rule's diagonals sqrt 2.
double costOf(const Grid& grid, Moves moves, const std::vector<Routeseer::SquareNumber>& route);

} // namespace Searches
