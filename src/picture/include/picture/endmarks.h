// The marks of the start and the finish on a map picture at any size: the start in a circle and
// the finish in a square, each a frame around its square with its letter beside the frame's upper
// right corner, black on white and thick, so they are told apart from afar, without colour and
// over any colour of the map, with the yellow of the square still showing inside. The lesson view
// and routeseer-map's picture draw them alike.
#pragma once

#include <QImage>
#include <QPoint>

namespace EndMarks {

enum class End { Start, Finish };

// The letters are in the window's own font, bold and large enough to read from afar.
inline constexpr const char* LetterFamily = "DejaVu Sans Condensed";

// The mark of `end` for squares `square` pixels wide, transparent around it.
QImage draw(End end, int square);

// Where the mark's image goes so that it stands around the square whose top-left corner, grid line
// included, is `squareCorner`: `gridLine` of the square's pixels are its grid line.
QPoint corner(const QImage& mark, QPoint squareCorner, int square, int gridLine);

} // namespace EndMarks
