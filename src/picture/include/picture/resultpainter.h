// A search's result on the map picture as the window shows it: a ring for every entry of the search
// queue in queue order, then the route from the start square by square, then the start and the
// finish over them. The window's animation pauses after every step; routeseer-map's picture takes
// them all at once; both paint the same pixels in the same order.
#pragma once

#include <functional>

#include "map/routeseer.h"

class MapPicture;

namespace ResultPainter {

enum class Part { Rings, Route };

// One step: the queue index of a ring, or the route index of a route square, and whether it
// painted a square (a queue entry the search never filled paints nothing).
struct Step {
    Part part;
    int index;
    bool painted;
};

// Which parts to paint, each asked when its part begins: a choice changed while the rings are
// shown still decides about the route.
struct Parts {
    std::function<bool()> rings;
    std::function<bool()> route;
};
Parts fixedParts(bool rings, bool route);

using AfterStep = std::function<void(const Step&)>;

// Paints the result of the last search from `start` to `finish`. The search records are read
// afresh at every step, so a search run during one of the steps' pauses continues here with its own
// queue and route.
void paint(MapPicture& picture, const Parts& parts, const Routeseer::PathStep& start,
           const Routeseer::PathStep& finish, const AfterStep& afterStep = {});

} // namespace ResultPainter
