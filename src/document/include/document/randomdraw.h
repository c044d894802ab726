// The random test of the two scattering generators: a uniform draw after a reseed from the time of
// day, scaled to 1..N and compared with 1.
#pragma once

#include <functional>

namespace RandomDraw {

// Seconds since midnight by the local clock, with their fraction.
float timeOfDay();

// Mixes `seed` into the generator's state. Reseeding with the same number twice in a row (the
// clock moves only so often) still leads to fresh draws.
void Randomize(float seed);

// A uniform value r, 0 <= r < 1.
double Rnd();

// Reseeds from the time of day, draws r and tells whether floor(r x odds) + 1 is 1: true once in
// `odds` on average.
bool oneIn(int odds);

// Test seams: another clock, or another source of draws in place of Rnd; empty restores the real one.
void useClock(std::function<float()> clock);
void useDraws(std::function<double()> draws);

} // namespace RandomDraw
