#include "textbookbfs.h"

#include <algorithm>
#include <queue>

#include "map/routeseer.h"

namespace Bench {

namespace {

constexpr int Unvisited = -1;

bool inside(const std::vector<std::vector<int>>& distance, int x, int y)
{
    return y >= 0 && y < static_cast<int>(distance.size()) && x >= 0 &&
           x < static_cast<int>(distance[y].size());
}

Route walkBack(const std::vector<std::vector<int>>& distance, Square start, Square target)
{
    Route route{target};
    Square here = target;
    while (here != start) {
        const auto [x, y] = here;
        for (int i = 0; i < Routeseer::NeighbourCount; ++i) {
            const int nx = x + Routeseer::NeighbourDx[i];
            const int ny = y + Routeseer::NeighbourDy[i];
            if (inside(distance, nx, ny) && distance[ny][nx] == distance[y][x] - 1) {
                here = {nx, ny};
                break;
            }
        }
        route.push_back(here);
    }
    std::reverse(route.begin(), route.end());
    return route;
}

} // namespace

Route textbookSearch(const WallGrid& walls, Square start, Square target)
{
    std::vector<std::vector<int>> distance(walls.size(), std::vector<int>(walls.front().size(), Unvisited));
    std::queue<Square> queue;
    distance[start.second][start.first] = 0;
    queue.push(start);
    while (!queue.empty()) {
        const auto [x, y] = queue.front();
        queue.pop();
        for (int i = 0; i < Routeseer::NeighbourCount; ++i) {
            const int nx = x + Routeseer::NeighbourDx[i];
            const int ny = y + Routeseer::NeighbourDy[i];
            if (!inside(distance, nx, ny) || walls[ny][nx] || distance[ny][nx] != Unvisited)
                continue;
            distance[ny][nx] = distance[y][x] + 1;
            if (Square{nx, ny} == target)
                return walkBack(distance, start, target);
            queue.push({nx, ny});
        }
    }
    return {};
}

} // namespace Bench
