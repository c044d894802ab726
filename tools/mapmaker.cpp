// Writes the maps that ship beside the program into the folder named on the command line, and
// checks that a search from the default start to the default finish succeeds on each sample.
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "map/routeseer.h"
#include "platform/headless.h"

using namespace Routeseer;

namespace {

// Where the program puts the start and the finish when it opens.
constexpr PathStep DefaultStart{5, 5};
constexpr PathStep DefaultFinish{87, 87};

void fillMap(std::int16_t passable)
{
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x)
            MapGrid(x, y) = MapSquare{passable, {}};
}

void wall(int x, int y) { MapGrid(x, y).passable = Wall; }
void open(int x, int y) { MapGrid(x, y).passable = Open; }

void wallLine(int x1, int y1, int x2, int y2)
{
    const int dx = (x2 > x1) - (x2 < x1);
    const int dy = (y2 > y1) - (y2 < y1);
    for (int x = x1, y = y1;; x += dx, y += dy) {
        wall(x, y);
        if (x == x2 && y == y2)
            break;
    }
}

void outerRing()
{
    wallLine(0, 0, GridLast, 0);
    wallLine(GridLast, 0, GridLast, GridLast);
    wallLine(GridLast, GridLast, 0, GridLast);
    wallLine(0, GridLast, 0, 0);
}

// The default map: open inside, walled all round, so a search never runs off the grid.
void blankMap()
{
    fillMap(Open);
    outerRing();
}

// A perfect maze: cells on odd squares, carved depth first from the top-left cell.
void mazeMap()
{
    fillMap(Wall);
    std::mt19937 random(1998);
    std::vector<std::pair<int, int>> trail{{1, 1}};
    open(1, 1);
    while (!trail.empty()) {
        const auto [x, y] = trail.back();
        std::vector<std::pair<int, int>> fresh;
        for (const auto& [dx, dy] : {std::pair{0, -2}, {2, 0}, {0, 2}, {-2, 0}}) {
            const int nx = x + dx, ny = y + dy;
            if (nx > 0 && nx < GridLast && ny > 0 && ny < GridLast && MapGrid(nx, ny).passable == Wall)
                fresh.push_back({nx, ny});
        }
        if (fresh.empty()) {
            trail.pop_back();
            continue;
        }
        const auto [nx, ny] = fresh[random() % fresh.size()];
        open((x + nx) / 2, (y + ny) / 2);
        open(nx, ny);
        trail.push_back({nx, ny});
    }
}

// One wall wound inwards, four squares between its turns: a single corridor leads to the middle.
void spiralMap()
{
    blankMap();
    constexpr int spacing = 4;
    int left = 2, top = 2, right = GridLast - 2, bottom = GridLast - 2;
    wallLine(left, top, right, top);
    while (true) {
        top += spacing;
        if (top > bottom)
            break;
        wallLine(right, top - spacing, right, bottom);
        right -= spacing;
        if (left > right)
            break;
        wallLine(right + spacing, bottom, left, bottom);
        bottom -= spacing;
        if (top > bottom)
            break;
        wallLine(left, bottom + spacing, left, top);
        left += spacing;
        if (left > right)
            break;
        wallLine(left - spacing, top, right, top);
    }
}

// Five by five rooms, each wall between two rooms pierced by a three-square door.
void roomsMap()
{
    blankMap();
    constexpr int room = 20;
    for (int line = room; line < GridLast; line += room) {
        wallLine(line, 1, line, GridLast - 1);
        wallLine(1, line, GridLast - 1, line);
    }
    for (int line = room; line < GridLast; line += room)
        for (int first = 1; first < GridLast; first += room) {
            const int door = first + 3 + (line * 7 + first * 3) % 13; // varied, inside the room's side
            for (int i = 0; i < 3; ++i) {
                open(line, door + i);
                open(door + i, line);
            }
        }
}

// A wall drawn corner to corner: its squares touch only at their corners, and the search steps
// diagonally between them as if the wall were not there.
void diagonalMap()
{
    blankMap();
    for (int x = 1; x < GridLast; ++x)
        wall(x, GridLast - x);
}

struct BundledMap {
    const char* name;
    void (*make)();
    bool sample; // samples must connect the default start and finish
};

constexpr BundledMap bundledMaps[] = {
    {"blankmap.map", blankMap, false}, {"maze.map", mazeMap, true},     {"spiral.map", spiralMap, true},
    {"rooms.map", roomsMap, true},     {"diagonal.map", diagonalMap, true},
};

bool connectsStartAndFinish()
{
    open(DefaultStart.x, DefaultStart.y);
    open(DefaultFinish.x, DefaultFinish.y);
    Platform::Headless::resetRecords();
    findpath(DefaultStart, DefaultFinish);
    return Platform::Headless::shownMessages().empty();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mapmaker FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder{argv[1]};
    for (const BundledMap& map : bundledMaps) {
        map.make();
        if (map.sample && !connectsStartAndFinish()) {
            std::fprintf(stderr, "mapmaker: %s does not connect the start and the finish\n", map.name);
            return 1;
        }
        std::string why;
        if (!savemap((folder / map.name).string(), &why)) {
            std::fprintf(stderr, "mapmaker: cannot write %s: %s\n", map.name, why.c_str());
            return 1;
        }
    }
    return 0;
}
