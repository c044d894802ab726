// A search's result on the map picture as the window shows it, read from the search's record: a
// ring for every entry of the search queue in queue order, then the route from the start square
// by square, then the start and the finish over them. The window's animation paints one step at a
// time; routeseer-map's picture takes them all at once; both paint the same pixels in the same
// order.
#pragma once

#include <functional>
#include <vector>

#include "map/routeseer.h"
#include "search/exploration.h"

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

// The squares a result shows, in the order it shows them. The rings take one step for every entry
// of the queue, filled or not: the queue's entries are the record's discoveries, in order.
class Result {
  public:
    Result() = default;
    explicit Result(const Routeseer::Exploration& record);

    // The square of queue entry `index`, if it holds a distance: the start's own first entry holds
    // none, and neither do the entries the search did not fill.
    const Routeseer::PathStep* ring(int index) const;
    // Square `k` of the route, if the route has one.
    const Routeseer::PathStep* route(int k) const;
    int routeLength() const { return static_cast<int>(routeSquares.size()) - 1; }
    // The queue entries the search filled.
    int filledEntries() const { return static_cast<int>(rings.size()); }

  private:
    struct Ring {
        Routeseer::PathStep square;
        bool hasDistance;
    };
    std::vector<Ring> rings;
    std::vector<Routeseer::PathStep> routeSquares;
};

// The shade of the ring square at place `index` of the search queue: it climbs from black with
// every discovery and falls back to black every 255, so the bands count discoveries, not steps.
std::int16_t ringShade(int index);

// Paints one step of `result`; whether it painted a square.
bool paintStep(MapPicture& picture, const Result& result, Part part, int index);

// The whole result at once, with the parts asked for, then the start and the finish.
void paintAll(MapPicture& picture, const Result& result, bool rings, bool route,
              const Routeseer::PathStep& start, const Routeseer::PathStep& finish);

} // namespace ResultPainter
