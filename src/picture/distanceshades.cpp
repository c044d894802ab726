#include "picture/distanceshades.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace DistanceShades {

namespace {

// Each step up the ramp is about as much lighter as the one before (CIE lightness 16, 28, 41, 54,
// 70, 83, 94), so equal differences of distance look alike along the whole scale; no channel ever
// falls along it, so rounding to whole values never makes a farther square darker.
constexpr std::array<QRgb, 7> Ramp{qRgb(52, 20, 92),   qRgb(112, 30, 112),  qRgb(168, 48, 118),
                                   qRgb(218, 82, 124), qRgb(246, 140, 136), qRgb(252, 196, 160),
                                   qRgb(252, 238, 190)};

int between(int from, int to, double part)
{
    return static_cast<int>(std::lround(from + (to - from) * part));
}

// The round steps in turn: 1, 2, 5, 10, 20, 50, ...
long roundStep(int n)
{
    constexpr std::array<long, 3> Leading{1, 2, 5};
    long step = Leading[std::size_t(n % 3)];
    for (int tens = 0; tens < n / 3; ++tens)
        step *= 10;
    return step;
}

} // namespace

QRgb shade(int distance, int farthest)
{
    const double along =
        farthest <= 1 ? 0.0 : std::clamp(double(distance - 1) / double(farthest - 1), 0.0, 1.0);
    const double place = along * double(Ramp.size() - 1);
    const std::size_t low = std::min(static_cast<std::size_t>(place), Ramp.size() - 2);
    const double part = place - double(low);
    const QRgb a = Ramp[low], b = Ramp[low + 1];
    return qRgb(between(qRed(a), qRed(b), part), between(qGreen(a), qGreen(b), part),
                between(qBlue(a), qBlue(b), part));
}

int farthest(const Routeseer::Exploration& record)
{
    int most = 0;
    for (const Routeseer::Exploration::Step& step : record.steps)
        most = std::max(most, static_cast<int>(std::lround(step.cost)));
    return most;
}

double middleOf(int distance, int farthest, int barLeft, int barWidth)
{
    return barLeft + (distance - 0.5) * barWidth / std::max(1, farthest);
}

std::vector<Label> labels(int farthest, int barLeft, int barWidth, int right,
                          const std::function<int(int distance)>& textWidth, int gap)
{
    farthest = std::max(1, farthest);
    const auto place = [&](int distance) {
        const int width = textWidth(distance);
        const int centred =
            static_cast<int>(std::lround(middleOf(distance, farthest, barLeft, barWidth) - width / 2.0));
        return Label{distance, std::max(0, std::min(centred, right - width))};
    };
    const auto apart = [&](const Label& before, const Label& after) {
        return before.left + textWidth(before.distance) + gap <= after.left;
    };
    const Label first = place(1);
    if (farthest == 1)
        return {first};
    const Label last = place(farthest);
    if (!apart(first, last))
        return {first};
    // The smallest round step whose labels between the ends keep apart from one another.
    std::vector<Label> between;
    for (int n = 0;; ++n) {
        const long round = roundStep(n);
        between.clear();
        for (long distance = round; distance < farthest; distance += round)
            if (distance > 1)
                between.push_back(place(static_cast<int>(distance)));
        const auto crowded = [&](const Label& a, const Label& b) { return !apart(a, b); };
        if (round >= farthest || std::adjacent_find(between.begin(), between.end(), crowded) == between.end())
            break;
    }
    std::vector<Label> all{first};
    for (const Label& label : between)
        if (apart(all.back(), label) && apart(label, last))
            all.push_back(label);
    all.push_back(last);
    return all;
}

} // namespace DistanceShades
