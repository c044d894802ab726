// The operations that change walls: the mouse's brush, random noise, random blocks and the map
// inversion, each painting what it changes as it goes.
#include <array>

#include "document/mapdocument.h"
#include "document/randomdraw.h"
#include "picture/cellpainters.h"
#include "picture/mapdrawing.h"
#include "picture/mapgeometry.h"

using MapView::cellCorner;
using Routeseer::MapGrid;
using Routeseer::onMap;
using Routeseer::Open;
using Routeseer::Wall;

namespace {

// Noise falls on the middle of the map only, one square in NoiseOdds.
constexpr int NoiseFirst = 10;
constexpr int NoiseLast = 80;
constexpr int NoiseOdds = 8;

// A block is 2 x 2 squares with the visited square top-left; every square but those of the last
// column and row is visited, so blocks may reach that column and row.
constexpr int BlocksLast = Routeseer::GridLast - 1;
constexpr int BlockOdds = 25;

// Inversion keeps a one-square margin, and rows and columns 99 and 100 besides.
constexpr int InvertFirst = 1;
constexpr int InvertLast = 98;

} // namespace

void MapDocument::brush(int column, int row) { stroke(column, row, Wall); }

void MapDocument::erase(int column, int row) { stroke(column, row, Open); }

void MapDocument::stroke(int column, int row, std::int16_t passable)
{
    // The 2 x 2 brush; while the button is held the pointer may leave the picture, so each square
    // that is not on the map is skipped on its own.
    const std::array<QPoint, 4> squares{
        QPoint{column, row}, {column + 1, row}, {column, row + 1}, {column + 1, row + 1}};
    // The eraser leaves the border: the map's frame, as the blank map has it.
    const auto changes = [passable](const QPoint& square) {
        return passable == Wall ? onMap(square.x(), square.y())
                                : square.x() > 0 && square.x() < Routeseer::GridLast && square.y() > 0 &&
                                      square.y() < Routeseer::GridLast;
    };
    walls.strokeWillDraw();
    for (const QPoint& square : squares)
        if (changes(square))
            MapGrid(square.x(), square.y()).passable = passable;
    for (const QPoint& square : squares) {
        if (!changes(square))
            continue;
        const auto isEnd = [&square](const Routeseer::PathStep& end) {
            return end.x == square.x() && end.y == square.y();
        };
        if (passable == Wall)
            CellPainters::colorsquaregreen(drawing, cellCorner(square.x()), cellCorner(square.y()));
        // An erased start or finish keeps its yellow.
        else if (marked && (isEnd(marked->start) || isEnd(marked->finish)))
            CellPainters::colorsquareyellow(drawing, cellCorner(square.x()), cellCorner(square.y()));
        else
            CellPainters::colorsquareclear(drawing, cellCorner(square.x()), cellCorner(square.y()));
    }
    emit wallsChanged();
}

void MapDocument::endStroke() { walls.strokeEnded(); }

void MapDocument::noise()
{
    change([this] {
        for (int y = NoiseFirst; y <= NoiseLast; ++y) {
            for (int x = NoiseFirst; x <= NoiseLast; ++x) {
                if (RandomDraw::oneIn(NoiseOdds))
                    MapGrid(x, y).passable = Wall;
                // Old walls in the area are painted again too, over any rings or path.
                if (MapGrid(x, y).passable == Wall)
                    CellPainters::colorsquaregreen(drawing, cellCorner(x), cellCorner(y));
            }
        }
    });
}

void MapDocument::blocks()
{
    change([this] {
        for (int y = 0; y <= BlocksLast; ++y) {
            for (int x = 0; x <= BlocksLast; ++x) {
                if (RandomDraw::oneIn(BlockOdds)) {
                    MapGrid(x, y).passable = Wall;
                    MapGrid(x + 1, y).passable = Wall;
                    MapGrid(x, y + 1).passable = Wall;
                    MapGrid(x + 1, y + 1).passable = Wall;
                }
                // Only the visited square is painted: the rest of a block shows when the scan
                // reaches it, and what lies in the last column and row shows at the next full redraw.
                if (MapGrid(x, y).passable == Wall)
                    CellPainters::colorsquaregreen(drawing, cellCorner(x), cellCorner(y));
            }
        }
    });
}

void MapDocument::invert()
{
    change([this] {
        for (int y = InvertFirst; y <= InvertLast; ++y)
            for (int x = InvertFirst; x <= InvertLast; ++x)
                MapGrid(x, y).passable = MapGrid(x, y).passable == Wall ? Open : Wall;
        // A full redraw without the markers: the start and finish show as what they now are.
        drawing.clear();
        marked.reset();
        MapDrawing::drawGrid(drawing);
        MapDrawing::paintWalls(drawing);
    });
}
