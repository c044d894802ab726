#include "picture/mapdrawing.h"

#include "picture/cellpainters.h"
#include "picture/mapgeometry.h"
#include "picture/mappicture.h"

using namespace MapView;
using namespace CellPainters;

namespace {

constexpr int RingShades = 255;

} // namespace

namespace MapDrawing {

void drawGrid(MapPicture& picture)
{
    for (int x = 0; x <= GridLineEnd; x += CellSize)
        picture.line({x, 0}, {x, GridLineEnd}, GridColour);
    for (int y = 0; y <= GridLineEnd; y += CellSize)
        picture.line({0, y}, {GridLineEnd, y}, GridColour);
}

void paintWalls(MapPicture& picture)
{
    for (int y = 0; y <= Routeseer::GridLast; ++y)
        for (int x = 0; x <= Routeseer::GridLast; ++x)
            if (Routeseer::MapGrid(x, y).passable == Routeseer::Wall)
                colorsquaregreen(picture, cellCorner(x), cellCorner(y));
}

void paintMarkers(MapPicture& picture, const Routeseer::PathStep& start, const Routeseer::PathStep& finish)
{
    colorsquareyellow(picture, cellCorner(start.x), cellCorner(start.y));
    colorsquareyellow(picture, cellCorner(finish.x), cellCorner(finish.y));
}

void paintCleanMap(MapPicture& picture, const Routeseer::PathStep& start, const Routeseer::PathStep& finish)
{
    picture.clear();
    drawGrid(picture);
    paintMarkers(picture, start, finish);
    paintWalls(picture);
}

std::int16_t ringShade(int index) { return static_cast<std::int16_t>(index % RingShades); }

bool paintRing(MapPicture& picture, int index)
{
    const Routeseer::QueueEntry entry = Routeseer::NodeQueue[static_cast<std::size_t>(index)];
    if (entry.distance == Routeseer::Unreached)
        return false;
    colorsquare(picture, cellCorner(entry.x), cellCorner(entry.y), ringShade(index));
    return true;
}

bool paintRouteSquare(MapPicture& picture, int k)
{
    // A search run while the route was being shown may have left a shorter route in place.
    if (k < 0 || k >= std::ssize(Routeseer::PathSteps))
        return false;
    const Routeseer::PathStep step = Routeseer::PathSteps[static_cast<std::size_t>(k)];
    colorsquareblue(picture, cellCorner(step.x), cellCorner(step.y));
    return true;
}

} // namespace MapDrawing
