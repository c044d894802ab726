// Searches a map of its own making with the core and with the searches library, as another program
// would, and exits non-zero unless the route and the sealed-off case come out as they must.
#include <cstdio>

#include "map/routeseer.h"
#include "platform/headless.h"
#include "searches/searcher.h"

using namespace Routeseer;

namespace {

int failures = 0;

void expect(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "consumer: %s\n", what);
        ++failures;
    }
}

// Walls on the outer ring and a wall down column 50 with one gap at row 80.
void buildMap(bool gapOpen)
{
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x) {
            const bool ring = x == 0 || y == 0 || x == GridLast || y == GridLast;
            const bool barrier = x == 50 && !(gapOpen && y == 80);
            MapGrid(x, y) = MapSquare{ring || barrier ? Wall : Open, {}};
        }
}

} // namespace

int main()
{
    const PathStep start{10, 10};
    const PathStep finish{90, 10};

    buildMap(true);
    Platform::Headless::resetRecords();
    findpath(start, finish);
    // Down to the gap and up again: 70 steps to (50, 80), 70 more to the finish.
    expect(pathlength == 140, "the route through the gap is not 140 steps long");
    expect(PathSteps.size() == 141 && PathSteps.front() == start && PathSteps.back() == finish,
           "the route does not run from the start to the finish");
    expect(Platform::Headless::shownMessages().empty(), "a route exists, yet the search failed");

    // A* by the octile rule goes into the gap and out of it straight, since no diagonal may cut the
    // wall's corner: 70 steps to (49, 80), two through the gap, 70 more to the finish.
    const Searches::Grid grid = Searches::Grid::fromWindowMap();
    Searches::Searcher searcher(grid);
    const Searches::Outcome octile = searcher.find(Searches::Method::AStar, Searches::Moves::Octile,
                                                   {start.x, start.y}, {finish.x, finish.y});
    expect(octile.figures.found && octile.figures.routeSteps == 142,
           "A* does not find the route through the gap");

    buildMap(false);
    Platform::Headless::resetRecords();
    findpath(start, finish);
    expect(pathlength == 0 && PathSteps.empty(), "a route through a closed wall");
    expect(Platform::Headless::shownMessages().size() == 1, "no \"no path\" box for a sealed-off finish");

    if (failures == 0)
        std::printf("consumer: the route and the sealed-off finish as expected\n");
    return failures == 0 ? 0 : 1;
}
