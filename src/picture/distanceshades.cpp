#include "picture/distanceshades.h"

#include <QColor>

namespace DistanceShades {

QRgb shade(int distance)
{
    constexpr int FirstHue = 270; // violet, then round through red to orange
    constexpr int HueStep = 13;
    const int place = ((distance % Cycle) + Cycle) % Cycle;
    const bool light = place % 2 == 0;
    return QColor::fromHsv((FirstHue + HueStep * place) % 360, light ? 150 : 230, light ? 255 : 170).rgb();
}

} // namespace DistanceShades
