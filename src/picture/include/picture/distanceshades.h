// Squares shaded by their distance from the start, for teaching what a ring is: one continuous
// ramp from the nearest distance to the farthest, so that any two distances a few steps apart are
// told apart, and a scale of distances to read it by.
#pragma once

#include <QRgb>
#include <functional>
#include <vector>

#include "search/exploration.h"

namespace DistanceShades {

// The shade of a square `distance` steps from the start when the farthest square reached is
// `farthest` steps away: dark violet at distance 1, through plum, rose and salmon to pale cream at
// the farthest, lighter with every step, so it reads in grey and for those who tell red from green
// poorly too; none of it the green of a wall, the blue of the route or the yellow of a marker.
QRgb shade(int distance, int farthest);

// The farthest distance a search's record reached, the end of its ramp.
int farthest(const Routeseer::Exploration& record);

// A label of the scale: the distance it names and the left edge of its text.
struct Label {
    int distance;
    int left;
};

// Where a scale of distances 1 to `farthest` on a bar from `barLeft`, `barWidth` pixels wide, puts
// its labels: each centred under its distance (the first and the last pushed in so as to stay
// within 0 and `right`), the first and the last always, and between them every multiple of the
// smallest round step (1, 2, 5, 10, 20, 50, ...) whose labels keep `gap` pixels apart. `textWidth`
// tells how wide a distance's text is. A scale too narrow for both ends keeps the first.
std::vector<Label> labels(int farthest, int barLeft, int barWidth, int right,
                          const std::function<int(int distance)>& textWidth, int gap);

// Where on the bar the middle of `distance` lies.
double middleOf(int distance, int farthest, int barLeft, int barWidth);

} // namespace DistanceShades
