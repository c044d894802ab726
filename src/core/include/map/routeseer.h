// The map and the search state that every part of the program shares. There is one map and one
// search for the whole run, so these are plain module-level records, as the window's handlers
// expect them: the routines leave their results here rather than returning them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Routeseer {

// The map is GridSide x GridSide squares, (x, y) each in 0..GridLast, x varying fastest.
inline constexpr int GridSide = 101;
inline constexpr int GridLast = GridSide - 1;
inline constexpr int SquareCount = GridSide * GridSide;

inline constexpr bool onMap(int x, int y) { return x >= 0 && x <= GridLast && y >= 0 && y <= GridLast; }

// One map square exactly as it lies in a map file. Only `passable` means anything; the other
// eight bytes belong to the file and are carried through loads and saves untouched.
struct MapSquare {
    std::int16_t passable; // 0 = wall, anything else open; the program writes -1 when it opens one
    std::uint8_t carried[8];
};
static_assert(sizeof(MapSquare) == 10, "a map square is 10 bytes in memory and on disk");

inline constexpr std::int16_t Wall = 0;
inline constexpr std::int16_t Open = -1;
inline constexpr std::size_t MapFileBytes = sizeof(MapSquare) * SquareCount; // 102,010

// The eight neighbours, always visited clockwise from "up": N, NE, E, SE, S, SW, W, NW. The order
// decides which squares the flood finds first and which of several shortest routes is taken.
inline constexpr int NeighbourCount = 8;
inline constexpr std::array<int, NeighbourCount> NeighbourDx{0, 1, 1, 1, 0, -1, -1, -1};
inline constexpr std::array<int, NeighbourCount> NeighbourDy{-1, -1, 0, 1, 1, 1, 0, -1};

struct QueueEntry {
    std::uint8_t x;
    std::uint8_t y;
    std::int16_t distance; // steps from the start
    bool operator==(const QueueEntry&) const = default;
};

struct PathStep {
    std::uint8_t x;
    std::uint8_t y;
    bool operator==(const PathStep&) const = default;
};

// Room for every square plus the start's second entry (the flood finds the start again at
// distance 2), so the queue can never overflow, whatever the map.
inline constexpr int NodeQueueSize = SquareCount + 1;

// DistanceGrid values besides step counts.
inline constexpr std::int16_t Blocked = -1;
inline constexpr std::int16_t Unreached = 0;

MapSquare& MapGrid(int x, int y);
std::int16_t& DistanceGrid(int x, int y);

extern std::array<QueueEntry, NodeQueueSize> NodeQueue;
extern std::int32_t queuetail;          // index of the last entry appended in this search
extern std::vector<PathStep> PathSteps; // the route, start first, finish at index pathlength
extern std::int32_t pathlength;         // route length in steps; 0 when no route was found
extern std::int16_t pathfound;          // -1 true, 0 false; meaningful only inside one search
extern std::int32_t tickstart;
extern std::int32_t tickend;
extern std::int32_t elapsedms; // time to compute, without the time a failure box stayed open

inline constexpr std::int16_t True = -1;
inline constexpr std::int16_t False = 0;

// Map files: a headerless image of MapGrid. Both return false on failure and then, when `why`
// is given, put there a reason a person can read; a failed load leaves MapGrid as it was and a
// failed save leaves any earlier file of that name intact.
bool loadmap(const std::string& path, std::string* why = nullptr);
bool savemap(const std::string& path, std::string* why = nullptr);

// Searches from start to target: fills DistanceGrid, NodeQueue and the route records, and
// reports a sealed-off target through the platform's message box.
void findpath(const PathStep& start, const PathStep& target);
// Discovers the open, unreached neighbours of one queue entry.
void expandnode(const QueueEntry& entry, const PathStep& target);
// Fills PathSteps[index] with the neighbour of `current` one step nearer the start.
void backtrack(const PathStep& current, const std::int16_t& index);

} // namespace Routeseer
