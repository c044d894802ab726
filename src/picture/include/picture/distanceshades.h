// Ring squares shaded by their distance from the start, for teaching what a ring is: one band per
// distance, neighbouring distances always told apart.
#pragma once

#include <QRgb>

namespace DistanceShades {

// The shades repeat every Cycle distances, so a legend counts bands in tens.
inline constexpr int Cycle = 10;

// The shade of a square `distance` steps from the start: warm hues from violet to orange, light
// and dark by turns, none of them the green of a wall, the blue of the route or the yellow of a
// marker.
QRgb shade(int distance);

} // namespace DistanceShades
