#include "testmaps.h"

#include <sstream>

#include "platform/headless.h"

namespace TestMaps {

using namespace Routeseer;

void openMap()
{
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x)
            MapGrid(x, y) = MapSquare{Open, {}};
}

void walledMap()
{
    openMap();
    for (int i = 0; i <= GridLast; ++i) {
        wall(i, 0);
        wall(i, GridLast);
        wall(0, i);
        wall(GridLast, i);
    }
}

void wall(int x, int y) { MapGrid(x, y).passable = Wall; }

PathStep at(int x, int y) { return PathStep{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)}; }

std::vector<PathStep> route(std::initializer_list<std::pair<int, int>> squares)
{
    std::vector<PathStep> steps;
    for (const auto& [x, y] : squares)
        steps.push_back(at(x, y));
    return steps;
}

std::string describe(const std::vector<PathStep>& steps)
{
    std::ostringstream out;
    for (const PathStep& step : steps)
        out << '(' << int(step.x) << ", " << int(step.y) << ") ";
    return out.str();
}

int search(PathStep start, PathStep target)
{
    Platform::Headless::resetRecords();
    findpath(start, target);
    return static_cast<int>(Platform::Headless::shownMessages().size());
}

} // namespace TestMaps
