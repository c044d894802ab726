// The flood as fast as it plainly goes, the yardstick for findpath: a distance grid padded with a
// permanent one-square wall border, so that every neighbour is one compare at a fixed displacement
// from the square, with no bounds check and no edge case. It leaves exactly findpath's distances,
// queue and route, and nothing else: no shared records, no clock, no message box.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "benchcases.h"

namespace Bench {

class PaddedFlood {
  public:
    PaddedFlood();

    // Floods the case's map from its start until the finish is discovered, then walks back to the
    // start; the route stays empty when the finish cannot be reached.
    void search(const SearchCase& searchCase);

    // The padded grid's side, and where square (x, y) lies in it.
    static constexpr int Side = Routeseer::GridSide + 2;
    static int cellOf(int x, int y) { return (x + 1) + Side * (y + 1); }

    std::int16_t distance(int x, int y) const { return grid[cellOf(x, y)]; }
    const std::vector<Routeseer::QueueEntry>& queue() const { return entries; }
    int tail() const { return last; }
    const std::vector<Routeseer::PathStep>& route() const { return steps; }

  private:
    bool flood(int targetCell);
    void walkBack(const SearchCase& searchCase);

    std::array<std::int16_t, Side * Side> grid;
    std::vector<Routeseer::QueueEntry> entries;
    int last = 0;
    std::vector<Routeseer::PathStep> steps;
};

} // namespace Bench
