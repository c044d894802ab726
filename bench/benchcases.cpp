#include "benchcases.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace Bench {

namespace {

using namespace Routeseer;

constexpr PathStep EdgeCornerStart{0, 0};
constexpr PathStep EdgeCornerFinish{GridLast, GridLast};
constexpr PathStep CornerStart{1, 1};
constexpr PathStep CornerFinish{GridLast - 1, GridLast - 1};

// A seed whose map leaves both corners open and joined by a route; set-up checks that it does.
constexpr std::mt19937::result_type RandomWallSeed = 4;
constexpr unsigned RandomWallPercent = 30;

// Far enough from the start that the flood covers the whole map before it gives up.
constexpr PathStep SealedFinish{87, 87};

MapImage currentMap()
{
    MapImage image;
    std::copy_n(&MapGrid(0, 0), SquareCount, image.begin());
    return image;
}

void setSquare(MapImage& image, int x, int y, std::int16_t passable)
{
    image[x + GridSide * y].passable = passable;
}

bool onOuterRing(int x, int y) { return x == 0 || y == 0 || x == GridLast || y == GridLast; }

MapImage blankMap(const std::filesystem::path& programFolder)
{
    const std::filesystem::path path = programFolder / "blankmap.map";
    std::string why;
    if (!loadmap(path.string(), &why))
        abortSetUp("cannot load " + path.string() + ": " + why);
    return currentMap();
}

// Every square open, the outer ring too, so the flood runs along the edge of the grid.
MapImage openMap(const MapImage& blank)
{
    MapImage image = blank;
    for (MapSquare& square : image)
        square.passable = Open;
    return image;
}

// The raw generator output decides every wall, so the map is the same with any standard library.
MapImage randomWallMap(const MapImage& blank)
{
    MapImage image = blank;
    std::mt19937 generator(RandomWallSeed);
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x) {
            const bool wall = generator() % 100 < RandomWallPercent;
            setSquare(image, x, y, onOuterRing(x, y) || wall ? Wall : Open);
        }
    return image;
}

MapImage walledInFinish(const MapImage& blank)
{
    MapImage image = blank;
    for (int i = 0; i < NeighbourCount; ++i)
        setSquare(image, SealedFinish.x + NeighbourDx[i], SealedFinish.y + NeighbourDy[i], Wall);
    return image;
}

} // namespace

std::vector<SearchCase> makeCases(const std::filesystem::path& programFolder)
{
    const MapImage blank = blankMap(programFolder);
    std::vector<SearchCase> cases{
        {"open", openMap(blank), EdgeCornerStart, EdgeCornerFinish, false},
        {"blank", blank, CornerStart, CornerFinish, false},
        {"random30", randomWallMap(blank), CornerStart, CornerFinish, false},
        {"sealed", walledInFinish(blank), CornerStart, SealedFinish, true},
    };
    for (const SearchCase& searchCase : cases)
        if (!searchCase.open(searchCase.start.x, searchCase.start.y) ||
            !searchCase.open(searchCase.target.x, searchCase.target.y))
            abortSetUp(searchCase.name + ": the start or the finish is a wall; pick another map or seed");
    return cases;
}

void installMap(const SearchCase& searchCase)
{
    std::copy(searchCase.map.begin(), searchCase.map.end(), &MapGrid(0, 0));
}

void abortSetUp(const std::string& why)
{
    std::fprintf(stderr, "routeseer_bench: %s\n", why.c_str());
    std::exit(EXIT_FAILURE);
}

} // namespace Bench
