// Where the map lies on its picture and the colours it is painted in.
#pragma once

#include <QRgb>
#include <cmath>
#include <cstdint>

#include "map/routeseer.h"

namespace MapView {

// Square (x, y) is the CellSize x CellSize cell whose top-left corner is (CellSize x, CellSize y);
// its grid lines are the cell's top row and left column, its inside the rest.
inline constexpr int CellSize = 5;
// Grid lines lie on every multiple of CellSize from 0 to GridLineEnd, both ways.
inline constexpr int GridLineEnd = CellSize * Routeseer::GridLast;
// The picture ends on the last grid line: the insides of column and row 100 lie beyond it.
inline constexpr int PictureSide = GridLineEnd + 1;

inline constexpr QRgb Background = qRgb(192, 192, 192);
inline constexpr QRgb GridColour = qRgb(0, 0, 0);
inline constexpr QRgb WallColour = qRgb(0, 100, 0);
inline constexpr QRgb RouteColour = qRgb(0, 0, 255);
inline constexpr QRgb MarkerColour = qRgb(255, 255, 0);

// Where the start and the finish stand when the window opens; the command-line picture and search
// take them too, so that their first search is the window's.
inline constexpr Routeseer::PathStep OpeningStart{5, 5};
inline constexpr Routeseer::PathStep OpeningFinish{87, 87};

// The painters take a square's top-left corner in picture pixels.
inline std::int16_t cellCorner(int square) { return static_cast<std::int16_t>(CellSize * square); }

// The square under a picture position: floor division, so x = -1 is column -1, not column 0.
inline int squareAt(float position) { return static_cast<int>(std::floor(position / CellSize)); }

} // namespace MapView
