#include "picture/resultpainter.h"

#include "picture/mapdrawing.h"

using namespace Routeseer;

namespace ResultPainter {

namespace {

void after(const AfterStep& afterStep, Part part, int index, bool painted)
{
    if (afterStep)
        afterStep(Step{part, index, painted});
}

} // namespace

Parts fixedParts(bool rings, bool route)
{
    return {[rings] { return rings; }, [route] { return route; }};
}

void paint(MapPicture& picture, const Parts& parts, const PathStep& start, const PathStep& finish,
           const AfterStep& afterStep)
{
    // Every index of the queue, so a short search still takes one step per entry.
    if (parts.rings())
        for (int i = 0; i < NodeQueueSize; ++i)
            after(afterStep, Part::Rings, i, MapDrawing::paintRing(picture, i));
    // The length is taken once, but a search run during a step may leave a shorter route behind:
    // the route in place at each step decides where painting stops.
    if (parts.route()) {
        const auto bound = static_cast<std::int16_t>(pathlength);
        for (int k = 0; k <= bound && k < std::ssize(PathSteps); ++k)
            after(afterStep, Part::Route, k, MapDrawing::paintRouteSquare(picture, k));
    }
    MapDrawing::paintMarkers(picture, start, finish);
}

} // namespace ResultPainter
