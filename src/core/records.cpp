#include "map/routeseer.h"

namespace Routeseer {

namespace {
// Zero at start: every square reads as a wall until a map is loaded.
std::array<MapSquare, SquareCount> mapSquares{};
std::array<std::int16_t, SquareCount> distances{};
} // namespace

MapSquare& MapGrid(int x, int y) { return mapSquares[x + GridSide * y]; }
std::int16_t& DistanceGrid(int x, int y) { return distances[x + GridSide * y]; }

std::array<QueueEntry, NodeQueueSize> NodeQueue{};
std::int32_t queuetail = 0;
std::vector<PathStep> PathSteps;
std::int32_t pathlength = 0;
std::int16_t pathfound = False;
std::int32_t tickstart = 0;
std::int32_t tickend = 0;
std::int32_t elapsedms = 0;

} // namespace Routeseer
