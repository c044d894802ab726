#include "picture/cellpainters.h"

#include "picture/mapgeometry.h"
#include "picture/mappicture.h"

namespace CellPainters {

namespace {

// Four lines from X + 1 to X + 5, each without its end point, fill exactly the 4 x 4 inside of
// the cell and leave its grid lines, and the next cell's, untouched.
void paintInside(MapPicture& picture, int X, int Y, QRgb colour, MapPicture::Look look)
{
    const MapPicture::OneChange square(picture);
    for (int i = 1; i < MapView::CellSize; ++i)
        picture.line({X + 1, Y + i}, {X + MapView::CellSize, Y + i}, colour);
    picture.painted(X, Y, look);
}

} // namespace

void colorsquare(MapPicture& picture, std::int16_t X, std::int16_t Y, std::int16_t increment)
{
    paintInside(picture, X, Y, ringColour(increment), MapPicture::Look::Ring);
}

void colorsquaregreen(MapPicture& picture, std::int16_t X, std::int16_t Y)
{
    paintInside(picture, X, Y, MapView::WallColour, MapPicture::Look::Wall);
}

void colorsquareblue(MapPicture& picture, std::int16_t X, std::int16_t Y)
{
    paintInside(picture, X, Y, MapView::RouteColour, MapPicture::Look::Route);
}

void colorsquareyellow(MapPicture& picture, std::int16_t X, std::int16_t Y)
{
    paintInside(picture, X, Y, MapView::MarkerColour, MapPicture::Look::Marker);
}

void colorsquareclear(MapPicture& picture, std::int16_t X, std::int16_t Y)
{
    paintInside(picture, X, Y, MapView::Background, MapPicture::Look::Background);
}

} // namespace CellPainters
