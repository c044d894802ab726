// The comparison's shades of a search's state stay apart where a class may not see them apart: for
// a viewer without green cones (deuteranopia, simulated by the full-severity matrix of Machado,
// Oliveira and Fernandes, 2009) and on a projector that washes every colour towards white.
#include <gtest/gtest.h>

#include <QColor>
#include <array>
#include <cmath>

#include "picture/mapgeometry.h"
#include "picture/searchshades.h"

namespace {

using Colour = std::array<double, 3>;

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// Linear sRGB as a deuteranope sees it, washed `wash` of the way to white.
Colour seen(QRgb shade, double wash)
{
    const Colour rgb{linear(qRed(shade)), linear(qGreen(shade)), linear(qBlue(shade))};
    constexpr double Deuteranopia[3][3] = {
        {0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}};
    Colour out{};
    for (int row = 0; row < 3; ++row) {
        double sum = 0;
        for (int column = 0; column < 3; ++column)
            sum += Deuteranopia[row][column] * rgb[column];
        out[row] = std::clamp(sum, 0.0, 1.0) * (1 - wash) + wash;
    }
    return out;
}

Colour lab(const Colour& rgb)
{
    const double x = (0.4124 * rgb[0] + 0.3576 * rgb[1] + 0.1805 * rgb[2]) / 0.95047;
    const double y = 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
    const double z = (0.0193 * rgb[0] + 0.1192 * rgb[1] + 0.9505 * rgb[2]) / 1.08883;
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double apart(QRgb a, QRgb b, double wash)
{
    const Colour one = lab(seen(a, wash)), other = lab(seen(b, wash));
    return std::hypot(one[0] - other[0], one[1] - other[1], one[2] - other[2]);
}

TEST(SearchShades, StayApartForADeuteranopeAndOnAWashedOutProjector)
{
    struct Named {
        const char* name;
        QRgb shade;
    };
    const std::array<Named, 5> shades{{{"open", SearchShades::Open},
                                       {"wall", SearchShades::Wall},
                                       {"done", SearchShades::Done},
                                       {"frontier", SearchShades::Frontier},
                                       {"current", SearchShades::Current}}};
    // CIELAB distances: above 30 reads as another colour at a glance, above 15 still at a look.
    for (const auto& [wash, least] : {std::pair{0.0, 30.0}, std::pair{0.3, 15.0}})
        for (std::size_t a = 0; a < shades.size(); ++a)
            for (std::size_t b = a + 1; b < shades.size(); ++b)
                EXPECT_GE(apart(shades[a].shade, shades[b].shade, wash), least)
                    << shades[a].name << " and " << shades[b].name << ", washed " << wash;
    // What the check is for: a red ring square of the window and its dark-green wall, which a
    // deuteranope confuses, fail it even unwashed.
    EXPECT_LT(apart(qRgb(137, 0, 0), MapView::WallColour, 0), 10);
}

} // namespace
