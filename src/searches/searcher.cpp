#include "searches/searcher.h"

#include <algorithm>

#include "runs.h"

namespace Searches {

namespace {

using Clock = std::chrono::steady_clock;

bool search(Query& query, Method method, Moves moves, Meeting& meeting)
{
    switch (method) {
    case Method::Bfs:
        return moves == Moves::Window ? windowFlood(query) : breadthFirst(query, moves);
    case Method::Dfs:
        return depthFirst(query, moves);
    case Method::Dijkstra:
        return bestFirst(query, moves, Order::Cost);
    case Method::Greedy:
        return bestFirst(query, moves, Order::Estimate);
    case Method::AStar:
        return bestFirst(query, moves, Order::CostAndEstimate);
    case Method::Bidirectional:
        return fromBothEnds(query, moves, meeting);
    default:
        return jumpPoints(query);
    }
}

// The route as cells, start first.
void routeCells(const Query& query, Method method, Moves moves, const Meeting& meeting)
{
    std::vector<std::size_t>& cells = query.space.cells;
    if (method == Method::Bfs && moves == Moves::Window) {
        traceWindowRoute(query, cells);
        return;
    }
    if (method != Method::Bidirectional) {
        traceBack(query, moves, query.finish, cells);
        std::reverse(cells.begin(), cells.end());
        return;
    }
    traceBack(query, moves, meeting.near, cells);
    if (meeting.far == meeting.near)
        return;
    std::reverse(cells.begin(), cells.end());
    traceBack(query, moves, meeting.far, cells);
    if (query.space.marks.view().side(meeting.near) == 1)
        std::reverse(cells.begin(), cells.end());
}

} // namespace

class Workspace;

Searcher::Searcher(const Grid& grid) : grid(grid), workspace(std::make_unique<Workspace>()) {}

Searcher::~Searcher() = default;

const std::vector<Routeseer::SquareNumber>& Searcher::route() const { return workspace->route; }

Outcome Searcher::find(Method method, Moves moves, Square start, Square finish,
                       Routeseer::Exploration* record)
{
    if (record) {
        *record = Routeseer::Exploration();
        record->width = grid.width();
        record->height = grid.height();
        record->start = grid.contains(start) ? grid.numberOf(start) : Routeseer::NoSquare;
        record->finish = grid.contains(finish) ? grid.numberOf(finish) : Routeseer::NoSquare;
    }
    workspace->route.clear();
    if (!grid.contains(start) || !grid.contains(finish) || !refusal(method, moves).empty())
        return {};
    // Done once for the grid, before the clock: the map's, not the query's, work.
    workspace->fit(grid, method == Method::Jps);

    const Clock::time_point began = Clock::now();
    workspace->begin(grid);
    Query query{grid, *workspace, grid.cellOf(start), grid.cellOf(finish), finish, record, {}};
    Meeting meeting;
    const bool found = search(query, method, moves, meeting);
    if (found) {
        routeCells(query, method, moves, meeting);
        for (std::size_t cell : workspace->cells)
            workspace->route.push_back(query.numberOf(cell));
    }
    Outcome outcome{query.tally.figures, Clock::now() - began};

    outcome.figures.found = found;
    outcome.figures.routeSteps = found ? std::ssize(workspace->route) - 1 : 0;
    outcome.figures.routeCost = found ? costOf(grid, moves, workspace->route) : 0;
    if (record) {
        record->route = workspace->route;
        record->routeCost = outcome.figures.routeCost;
        record->searchTime = outcome.time;
    }
    return outcome;
}

double costOf(const Grid& grid, Moves moves, const std::vector<Routeseer::SquareNumber>& route)
{
    Cost cost = 0;
    for (std::size_t i = 1; i < route.size(); ++i) {
        const Square from = grid.squareOf(route[i - 1]), to = grid.squareOf(route[i]);
        cost += moves == Moves::Octile && from.x != to.x && from.y != to.y ? DiagonalStep : StraightStep;
    }
    return valueOf(cost);
}

} // namespace Searches
