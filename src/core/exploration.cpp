#include "search/exploration.h"

#include <algorithm>

#include "search/searchstats.h"

namespace Routeseer {

ExplorationFigures figuresOf(const Exploration& record)
{
    ExplorationFigures figures;
    // Each square's place: never seen, waiting in the frontier, or taken from it.
    enum class Place : std::uint8_t { Unseen, Waiting, Taken };
    std::vector<Place> place(static_cast<std::size_t>(record.width) * static_cast<std::size_t>(record.height),
                             Place::Unseen);
    std::int64_t waiting = 0;
    for (const Exploration::Step& step : record.steps) {
        Place& here = place[step.square];
        if (step.event == Exploration::Event::Expanded) {
            ++figures.expanded;
            waiting -= here == Place::Waiting ? 1 : 0;
            here = Place::Taken;
            continue;
        }
        figures.discovered += here == Place::Unseen ? 1 : 0;
        waiting += here == Place::Waiting ? 0 : 1;
        here = Place::Waiting;
        figures.largestFrontier = std::max(figures.largestFrontier, waiting);
    }
    figures.found = !record.route.empty();
    figures.routeSteps = figures.found ? std::ssize(record.route) - 1 : 0;
    figures.routeCost = record.routeCost;
    return figures;
}

Exploration lastFlood(const PathStep& start, const PathStep& target)
{
    Exploration record;
    record.width = GridSide;
    record.height = GridSide;
    const auto number = [](const QueueEntry& entry) {
        return static_cast<SquareNumber>(entry.x + GridSide * entry.y);
    };
    const bool found = !PathSteps.empty();
    if (onMap(start.x, start.y))
        record.start = static_cast<SquareNumber>(start.x + GridSide * start.y);
    if (onMap(target.x, target.y))
        record.finish = static_cast<SquareNumber>(target.x + GridSide * target.y);
    if (!onMap(NodeQueue[0].x, NodeQueue[0].y))
        return record;
    record.steps.reserve(2 * static_cast<std::size_t>(queuetail) + 2);
    record.steps.push_back({number(NodeQueue[0]), NoSquare, 0, Exploration::Event::Discovered, 0, 0});
    // The squares an expansion appends follow one another in the queue, in the clockwise order of its
    // neighbours: a neighbour left for a later expansion would have been unreached and open now.
    int next = 1;
    for (int i = 0; i <= queuetail && !(found && next > queuetail); ++i) {
        const QueueEntry& entry = NodeQueue[i];
        record.steps.push_back(
            {number(entry), NoSquare, float(entry.distance), Exploration::Event::Expanded, 0, double(i)});
        for (int k = 0; k < NeighbourCount && next <= queuetail; ++k) {
            const QueueEntry& appended = NodeQueue[next];
            if (appended.x != entry.x + NeighbourDx[k] || appended.y != entry.y + NeighbourDy[k])
                continue;
            record.steps.push_back({number(appended), number(entry), float(appended.distance),
                                    Exploration::Event::Discovered, 0, double(next)});
            ++next;
        }
    }
    for (const PathStep& step : PathSteps)
        record.route.push_back(static_cast<SquareNumber>(step.x + GridSide * step.y));
    record.routeCost = found ? pathlength : 0;
    record.searchTime = searchtime;
    return record;
}

} // namespace Routeseer
