// The breadth-first flood. It runs on every search and on every reload of the map, and its time
// is shown to the user, so the inner loop is kept lean: squares away from the edge use fixed
// index offsets with no bounds checks, and only edge squares pay for them.
#include <algorithm>

#include "search/search.h"

namespace Routeseer {

namespace {

constexpr std::array<int, NeighbourCount> neighbourOffsets()
{
    std::array<int, NeighbourCount> offsets{};
    for (int i = 0; i < NeighbourCount; ++i)
        offsets[i] = NeighbourDx[i] + GridSide * NeighbourDy[i];
    return offsets;
}
constexpr std::array<int, NeighbourCount> NeighbourOffsets = neighbourOffsets();

int squareIndex(int x, int y) { return x + GridSide * y; }

// Discovers one square. The queue has room for every square plus the start's second entry, and
// a square is discovered only while its distance is 0, so the append never overflows.
inline bool discover(std::int16_t* distances, int index, int x, int y, std::int16_t distance, int targetIndex)
{
    distances[index] = distance;
    NodeQueue[++queuetail] = QueueEntry{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), distance};
    if (index != targetIndex)
        return false;
    pathfound = True;
    pathlength = distance;
    return true;
}

inline void expand(const QueueEntry& entry, int targetIndex)
{
    std::int16_t* const distances = &DistanceGrid(0, 0);
    const int x = entry.x;
    const int y = entry.y;
    const auto distance = static_cast<std::int16_t>(entry.distance + 1);

    if (x >= 1 && x < GridLast && y >= 1 && y < GridLast) {
        const int here = squareIndex(x, y);
        for (int i = 0; i < NeighbourCount; ++i) {
            const int index = here + NeighbourOffsets[i];
            if (distances[index] == Unreached &&
                discover(distances, index, x + NeighbourDx[i], y + NeighbourDy[i], distance, targetIndex))
                return;
        }
        return;
    }
    // On the edge a neighbour off the map is passed over like a wall.
    for (int i = 0; i < NeighbourCount; ++i) {
        const int nx = x + NeighbourDx[i];
        const int ny = y + NeighbourDy[i];
        if (!onMap(nx, ny))
            continue;
        const int index = squareIndex(nx, ny);
        if (distances[index] == Unreached && discover(distances, index, nx, ny, distance, targetIndex))
            return;
    }
}

int targetIndexOf(const PathStep& target)
{
    return onMap(target.x, target.y) ? squareIndex(target.x, target.y) : -1;
}

} // namespace

void resetSearch(const PathStep& start)
{
    for (QueueEntry& entry : NodeQueue)
        entry.distance = 0;
    std::int16_t* const distances = &DistanceGrid(0, 0);
    const MapSquare* const squares = &MapGrid(0, 0);
    for (int i = 0; i < SquareCount; ++i)
        distances[i] = squares[i].passable == Wall ? Blocked : Unreached;
    pathfound = False;
    queuetail = 0;
    pathlength = 0;
    NodeQueue[0] = QueueEntry{start.x, start.y, 0};
}

void expandnode(const QueueEntry& entry, const PathStep& target) { expand(entry, targetIndexOf(target)); }

bool flood(const PathStep& target)
{
    const int targetIndex = targetIndexOf(target);
    for (int next = 0; next <= queuetail; ++next) {
        expand(NodeQueue[next], targetIndex);
        if (pathfound)
            return true;
    }
    return false;
}

} // namespace Routeseer
