#include "picture/mapdrawing.h"

#include "picture/cellpainters.h"
#include "picture/mapgeometry.h"
#include "picture/mappicture.h"

using namespace MapView;
using namespace CellPainters;

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

} // namespace MapDrawing
