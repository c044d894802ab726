// The searches themselves, each filling the query's marks, tally and record; each returns whether
// it reached the finish. The route is read back from the marks afterwards (routes.cpp).
#pragma once

#include "workspace.h"

namespace Searches {

// Breadth-first, ties in the rule's clockwise order; stops the moment the finish is discovered.
bool breadthFirst(Query& query, Moves moves);
// The window's own flood: breadth-first by the window rule with the window's quirks.
bool windowFlood(Query& query);
// A stack instead of a queue: the last square discovered is the next expanded.
bool depthFirst(Query& query, Moves moves);

enum class Order : std::uint8_t { Cost, CostAndEstimate, Estimate }; // Dijkstra, A*, greedy
bool bestFirst(Query& query, Moves moves, Order order);

// Breadth-first from both ends a ring at a time; on success `meeting` holds the square of one end
// that discovered a square of the other, and that square.
struct Meeting {
    std::size_t near = NoCell;
    std::size_t far = NoCell;
};
bool fromBothEnds(Query& query, Moves moves, Meeting& meeting);

// Jump Point Search, octile rule only.
bool jumpPoints(Query& query);

// The cells from `from` back to its end of the search (the square of cost 0), every square
// between jump points included, appended to `cells` in that order.
void traceBack(const Query& query, Moves moves, std::size_t from, std::vector<std::size_t>& cells);
// The window's walk back from the finish, finish last.
void traceWindowRoute(const Query& query, std::vector<std::size_t>& cells);

} // namespace Searches
