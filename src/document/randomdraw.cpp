#include "document/randomdraw.h"

#include <QTime>
#include <bit>
#include <cmath>
#include <cstdint>

namespace RandomDraw {

namespace {

// SplitMix64: a 64-bit state stepped by a fixed odd constant and scrambled on the way out.
constexpr std::uint64_t Step = 0x9e3779b97f4a7c15u;

std::uint64_t scramble(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9u;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebu;
    return z ^ (z >> 31);
}

std::uint64_t state = Step;
std::function<float()> clockOverride;
std::function<double()> drawsOverride;

} // namespace

float timeOfDay()
{
    if (clockOverride)
        return clockOverride();
    constexpr float MillisecondsPerSecond = 1000.0f;
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / MillisecondsPerSecond;
}

void Randomize(float seed)
{
    // Scrambling is one-to-one, so a state mixed with the seed stays as varied as it was: the seed
    // moves the sequence without ever resetting it to a place it has been.
    state = scramble(state ^ std::bit_cast<std::uint32_t>(seed));
}

double Rnd()
{
    if (drawsOverride)
        return drawsOverride();
    state += Step;
    // The top 53 bits fill a double's mantissa exactly, so r never reaches 1.
    constexpr double Unit = 0x1p-53;
    return static_cast<double>(scramble(state) >> 11) * Unit;
}

bool oneIn(int odds)
{
    Randomize(timeOfDay());
    return static_cast<int>(std::floor(Rnd() * odds)) + 1 == 1;
}

void useClock(std::function<float()> clock) { clockOverride = std::move(clock); }
void useDraws(std::function<double()> draws) { drawsOverride = std::move(draws); }

} // namespace RandomDraw
