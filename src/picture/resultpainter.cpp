#include "picture/resultpainter.h"

#include "picture/cellpainters.h"
#include "picture/mapdrawing.h"
#include "picture/mapgeometry.h"

using namespace Routeseer;
using MapView::cellCorner;

namespace ResultPainter {

namespace {

constexpr int RingShades = 255;

PathStep squareOf(const Exploration& record, SquareNumber square)
{
    return {static_cast<std::uint8_t>(record.xOf(square)), static_cast<std::uint8_t>(record.yOf(square))};
}

} // namespace

Result::Result(const Exploration& record)
{
    for (const Exploration::Step& step : record.steps)
        if (step.event == Exploration::Event::Discovered)
            rings.push_back({squareOf(record, step.square), step.cost != 0});
    for (const SquareNumber square : record.route)
        routeSquares.push_back(squareOf(record, square));
}

const PathStep* Result::ring(int index) const
{
    if (index < 0 || index >= filledEntries() || !rings[std::size_t(index)].hasDistance)
        return nullptr;
    return &rings[std::size_t(index)].square;
}

const PathStep* Result::route(int k) const
{
    if (k < 0 || k >= std::ssize(routeSquares))
        return nullptr;
    return &routeSquares[std::size_t(k)];
}

std::int16_t ringShade(int index) { return static_cast<std::int16_t>(index % RingShades); }

bool paintStep(MapPicture& picture, const Result& result, Part part, int index)
{
    const PathStep* const square = part == Part::Rings ? result.ring(index) : result.route(index);
    if (!square)
        return false;
    if (part == Part::Rings)
        CellPainters::colorsquare(picture, cellCorner(square->x), cellCorner(square->y), ringShade(index));
    else
        CellPainters::colorsquareblue(picture, cellCorner(square->x), cellCorner(square->y));
    return true;
}

void paintAll(MapPicture& picture, const Result& result, bool rings, bool route, const PathStep& start,
              const PathStep& finish)
{
    // Every entry the search filled, in order: those it did not fill paint nothing, and a search
    // that finds a square again more often than the window's queue holds paints each time.
    if (rings)
        for (int i = 0; i < result.filledEntries(); ++i)
            paintStep(picture, result, Part::Rings, i);
    if (route)
        for (int k = 0; k <= result.routeLength(); ++k)
            paintStep(picture, result, Part::Route, k);
    MapDrawing::paintMarkers(picture, start, finish);
}

} // namespace ResultPainter
