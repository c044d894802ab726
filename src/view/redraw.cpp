// Putting the map on the picture: the start-up load (run again by every map reset) and the clean
// redraw that wipes paths and rings, with the grid, marker and wall drawing they share.
#include <QScrollBar>

#include "app/form1.h"
#include "app/programfiles.h"
#include "platform/platform.h"
#include "view/mapcanvas.h"
#include "view/mapgeometry.h"

using namespace MapView;

namespace {

::Routeseer::PathStep pointFromBars(const QScrollBar& column, const QScrollBar& row)
{
    // The bars' range lies within 0..100, so both values fit a byte.
    return {static_cast<std::uint8_t>(column.value()), static_cast<std::uint8_t>(row.value())};
}

} // namespace

void Form1::drawGrid()
{
    for (int x = 0; x <= GridLineEnd; x += CellSize)
        Picture1->line({x, 0}, {x, GridLineEnd}, GridColour);
    for (int y = 0; y <= GridLineEnd; y += CellSize)
        Picture1->line({0, y}, {GridLineEnd, y}, GridColour);
}

void Form1::paintMarkers()
{
    colorsquareyellow(cellCorner(startpoint.x), cellCorner(startpoint.y));
    colorsquareyellow(cellCorner(finishpoint.x), cellCorner(finishpoint.y));
}

void Form1::paintWalls()
{
    for (int y = 0; y <= ::Routeseer::GridLast; ++y)
        for (int x = 0; x <= ::Routeseer::GridLast; ++x)
            if (::Routeseer::MapGrid(x, y).passable == ::Routeseer::Wall)
                colorsquaregreen(cellCorner(x), cellCorner(y));
}

void Form1::loadDefaultMap() { ProgramFiles::loadMap(ProgramFiles::mapPath(ProgramFiles::DefaultMapName)); }

void Form1::Form_Load()
{
    delayms = 0;
    show();
    Platform::processEvents();
    drawGrid();
    startpoint = pointFromBars(*HScroll1, *HScroll2);
    finishpoint = pointFromBars(*VScroll2, *VScroll1);
    // Markers go on before the walls, so a start or finish on a wall shows as a wall.
    paintMarkers();
    loadDefaultMap();
    // Nothing of this search is drawn: it fills the distances that the readout shows.
    ::Routeseer::findpath(startpoint, finishpoint);
    paintWalls();
}

void Form1::Command3_Click()
{
    Picture1->clear();
    drawGrid();
    paintMarkers();
    paintWalls();
}

void Form1::clearpaths_Click() { Command3_Click(); }
