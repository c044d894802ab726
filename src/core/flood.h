// The two halves of findpath, shared between the files of the search core.
#pragma once

#include <array>

#include "map/routeseer.h"

namespace Routeseer {

// The flood's own distance grid: the map inside a permanent wall border one square wide, so every
// neighbour of a square is one fixed step away in memory and none needs a bounds check. Two more
// rows of wall below give a start just below the map (it may lie one square off) its whole
// neighbourhood. After a flood it is copied into DistanceGrid, which keeps the map's own layout.
inline constexpr int WorkSide = GridSide + 2;
inline constexpr int WorkRows = GridSide + 4;
inline constexpr int WorkCells = WorkSide * WorkRows;
extern std::array<std::int16_t, WorkCells> workGrid;

inline constexpr int workIndex(int x, int y) { return (x + 1) + WorkSide * (y + 1); }

// Each neighbour's displacement in the work grid, in the clockwise order.
inline constexpr std::array<int, NeighbourCount> WorkOffset = [] {
    std::array<int, NeighbourCount> offset{};
    for (int i = 0; i < NeighbourCount; ++i)
        offset[i] = NeighbourDx[i] + WorkSide * NeighbourDy[i];
    return offset;
}();

// Lays the map into the work grid, clears the search's scalars and queues the start; the start's
// own distance stays 0 (or -1 when it is a wall), which is why the flood later finds it again at
// distance 2.
void resetSearch(const PathStep& start);

// Expands queue entries in order until the target is discovered (true) or the flood runs out,
// leaving the queue and the distances as if expansion had stopped at the target's entry; clears
// the distances of the queue entries above the tail, and leaves the distances in DistanceGrid and
// the work grid alike.
bool flood(const PathStep& target);

// Rebuilds PathSteps from the target back to the start after a flood that reached the target,
// or leaves it empty after one that did not.
void traceRoute(const PathStep& start, const PathStep& target, bool reached);

// The neighbour of `here` one step nearer the start that comes last clockwise, or N when none is:
// scanning from the last backwards, the first nearer one is it.
template <typename DistanceAt> int nearerNeighbour(const PathStep& here, DistanceAt distanceAt)
{
    const std::int16_t distance = distanceAt(here.x, here.y);
    int i = NeighbourCount - 1;
    for (; i > 0; --i) {
        const std::int16_t value = distanceAt(here.x + NeighbourDx[i], here.y + NeighbourDy[i]);
        if (value < distance && value != Unreached && value != Blocked)
            break;
    }
    return i;
}

inline constexpr const char* NoPathMessage =
    "No path was found. The start or endpoints are sealed off from eachother.";

} // namespace Routeseer
