// The shades the lesson view's comparison shows a search's state in. Chosen to stay apart for a
// red-green colour-blind viewer and on a washed-out projector: they differ in lightness as much as
// in hue (light blue done, orange frontier, dark violet for the square being expanded), and none
// is the grey of a wall or the white of an open square.
#pragma once

#include <QRgb>

namespace SearchShades {

inline constexpr QRgb Open = 0xffffffff;
inline constexpr QRgb Wall = 0xff404040;
inline constexpr QRgb Done = 0xff8ebfe0;
inline constexpr QRgb Frontier = 0xffe69f00;
inline constexpr QRgb Current = 0xff6a1b9a;
// The route, drawn as a line over the squares with an edge of Open around it.
inline constexpr QRgb Route = 0xff0046b5;
// The parent arrows, thin over any of the shades.
inline constexpr QRgb Arrow = 0xff1a1a1a;

} // namespace SearchShades
