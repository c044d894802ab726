// Random noise, random blocks, map inversion and the wall reset.
#include "app/form1.h"
#include "app/mapcanvas.h"
#include "document/randomdraw.h"
#include "document/wallhistory.h"
#include "picture/mapgeometry.h"

using MapView::cellCorner;
using ::Routeseer::MapGrid;
using ::Routeseer::Open;
using ::Routeseer::Wall;

namespace {

// Noise falls on the middle of the map only, one square in NoiseOdds.
constexpr int NoiseFirst = 10;
constexpr int NoiseLast = 80;
constexpr int NoiseOdds = 8;

// A block is 2 x 2 squares with the visited square top-left; every square but those of the last
// column and row is visited, so blocks may reach that column and row.
constexpr int BlocksLast = ::Routeseer::GridLast - 1;
constexpr int BlockOdds = 25;

// Inversion keeps a one-square margin, and rows and columns 99 and 100 besides.
constexpr int InvertFirst = 1;
constexpr int InvertLast = 98;

} // namespace

void Form1::noise_Click()
{
    const WallHistory::Recording recording(*wallHistory);
    for (int y = NoiseFirst; y <= NoiseLast; ++y) {
        for (int x = NoiseFirst; x <= NoiseLast; ++x) {
            if (RandomDraw::oneIn(NoiseOdds))
                MapGrid(x, y).passable = Wall;
            // Old walls in the area are painted again too, over any rings or path.
            if (MapGrid(x, y).passable == Wall)
                colorsquaregreen(cellCorner(x), cellCorner(y));
        }
    }
}

void Form1::blocks_Click()
{
    const WallHistory::Recording recording(*wallHistory);
    for (int y = 0; y <= BlocksLast; ++y) {
        for (int x = 0; x <= BlocksLast; ++x) {
            if (RandomDraw::oneIn(BlockOdds)) {
                MapGrid(x, y).passable = Wall;
                MapGrid(x + 1, y).passable = Wall;
                MapGrid(x, y + 1).passable = Wall;
                MapGrid(x + 1, y + 1).passable = Wall;
            }
            // Only the visited square is painted: the rest of a block shows when the scan reaches
            // it, and what lies in the last column and row shows at the next full redraw.
            if (MapGrid(x, y).passable == Wall)
                colorsquaregreen(cellCorner(x), cellCorner(y));
        }
    }
}

void Form1::invert_Click()
{
    const WallHistory::Recording recording(*wallHistory);
    for (int y = InvertFirst; y <= InvertLast; ++y)
        for (int x = InvertFirst; x <= InvertLast; ++x)
            MapGrid(x, y).passable = MapGrid(x, y).passable == Wall ? Open : Wall;
    // A full redraw without the markers: the start and finish show as what they now are.
    Picture1->clear();
    drawGrid();
    paintWalls();
}

void Form1::Command2_Click()
{
    const WallHistory::Recording recording(*wallHistory);
    Form_Load();
    Command3_Click();
}

void Form1::Clearwalls_Click() { Command2_Click(); }
