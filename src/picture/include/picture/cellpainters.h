// The four cell painters: the only way any square of the map picture gets its colour, in the
// window and in the command-line picture alike. X and Y are the cell's top-left corner in picture
// pixels; the cell's grid lines are left alone.
#pragma once

#include <QRgb>
#include <cstdint>

class MapPicture;

namespace CellPainters {

// The colour of a ring square of the given intensity (0..254): red of that strength.
inline QRgb ringColour(std::int16_t increment) { return qRgb(increment, 0, 0); }

// A ring square, red of the given intensity (0..254).
void colorsquare(MapPicture& picture, std::int16_t X, std::int16_t Y, std::int16_t increment);
void colorsquaregreen(MapPicture& picture, std::int16_t X, std::int16_t Y);
void colorsquareblue(MapPicture& picture, std::int16_t X, std::int16_t Y);
void colorsquareyellow(MapPicture& picture, std::int16_t X, std::int16_t Y);
// A square back to the background, as the lesson view's eraser leaves it.
void colorsquareclear(MapPicture& picture, std::int16_t X, std::int16_t Y);

} // namespace CellPainters
