// The four cell painters: the only way any square of the map gets its colour.
#include "app/form1.h"
#include "view/mapcanvas.h"
#include "view/mapgeometry.h"

namespace {

// Four lines from X + 1 to X + 5, each without its end point, fill exactly the 4 x 4 inside of
// the cell and leave its grid lines, and the next cell's, untouched.
void paintInside(MapCanvas& picture, int X, int Y, QRgb colour)
{
    for (int i = 1; i < MapView::CellSize; ++i)
        picture.line({X + 1, Y + i}, {X + MapView::CellSize, Y + i}, colour);
}

} // namespace

void Form1::colorsquare(const std::int16_t& X, const std::int16_t& Y, const std::int16_t& increment)
{
    const QRgb ringShade = qRgb(increment, 0, 0);
    paintInside(*Picture1, X, Y, ringShade);
}

void Form1::colorsquaregreen(const std::int16_t& X, const std::int16_t& Y)
{
    paintInside(*Picture1, X, Y, MapView::WallColour);
}

void Form1::colorsquareblue(const std::int16_t& X, const std::int16_t& Y)
{
    paintInside(*Picture1, X, Y, MapView::RouteColour);
}

void Form1::colorsquareyellow(const std::int16_t& X, const std::int16_t& Y)
{
    paintInside(*Picture1, X, Y, MapView::MarkerColour);
}
