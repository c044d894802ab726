#include "search/timeline.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Routeseer {

namespace {

using Event = Exploration::Event;

// Costs are sums of floats: a ring's whole cost must not split on a rounding error.
constexpr float RingTolerance = 1e-3f;

} // namespace

Timeline::Timeline(std::shared_ptr<const Exploration> record, bool rings)
    : exploration(std::move(record)), byRings(rings)
{
    const auto squares =
        static_cast<std::size_t>(exploration->width) * static_cast<std::size_t>(exploration->height);
    states.assign(squares, State::Unreached);
    parents.assign(squares, NoSquare);
    since.assign(squares, 0);
    costs.assign(squares, 0);
    priorities.assign(squares, 0);
    changedMark.assign(squares, false);

    // One pass forwards keeps, for every step, what the square was before it: all that going back
    // needs.
    const std::vector<Exploration::Step>& steps = exploration->steps;
    // A record of another map's size shows nothing.
    const bool fits = std::all_of(steps.begin(), steps.end(),
                                  [squares](const Exploration::Step& step) { return step.square < squares; });
    before.reserve(fits ? steps.size() : 0);
    for (std::size_t step = 0; fits && step < steps.size(); ++step) {
        const SquareNumber square = steps[step].square;
        if (steps[step].event == Event::Expanded)
            stepsBefore.push_back(step);
        before.push_back({states[square], parents[square], since[square], costs[square], priorities[square]});
        apply(step);
    }
    stepsBefore.push_back(before.size());
    applied = before.size();
    // Back to the start, forgetting what the pass marked.
    shown = expansions();
    seek(0);
    takeChanged();
}

void Timeline::apply(std::size_t step)
{
    const Exploration::Step& at = exploration->steps[step];
    State& state = states[at.square];
    if (at.event == Event::Expanded) {
        if (state == State::Frontier) {
            --inFrontier;
            ++done;
        } else if (state == State::Unreached) {
            ++done;
        }
        state = State::Done;
    } else {
        if (state == State::Done)
            --done;
        if (state != State::Frontier)
            ++inFrontier;
        state = State::Frontier;
        parents[at.square] = at.parent;
        since[at.square] = static_cast<std::uint32_t>(step);
        costs[at.square] = at.cost;
        priorities[at.square] = at.priority;
    }
    noteChanged(at.square);
}

void Timeline::undo(std::size_t step)
{
    const SquareNumber square = exploration->steps[step].square;
    const Before& was = before[step];
    const auto count = [this](State state, int by) {
        if (state == State::Frontier)
            inFrontier += by;
        else if (state == State::Done)
            done += by;
    };
    count(states[square], -1);
    count(was.state, +1);
    states[square] = was.state;
    parents[square] = was.parent;
    since[square] = was.since;
    costs[square] = was.cost;
    priorities[square] = was.priority;
    noteChanged(square);
}

void Timeline::seek(int position)
{
    shown = std::clamp(position, 0, expansions());
    const std::size_t target = stepsBefore[static_cast<std::size_t>(shown)];
    while (applied < target)
        apply(applied++);
    while (applied > target)
        undo(--applied);
}

std::int64_t Timeline::ringOf(int position) const
{
    const Exploration::Step& expanded =
        exploration->steps[stepsBefore[static_cast<std::size_t>(position - 1)]];
    const auto whole = static_cast<std::int64_t>(std::floor(expanded.cost + RingTolerance));
    return (static_cast<std::int64_t>(expanded.side) << 40) + whole;
}

int Timeline::nextStop() const
{
    const int last = expansions();
    if (!byRings)
        return std::min(last, shown + std::max(1, (last + 9) / 10));
    int stop = shown + 1;
    while (stop < last && ringOf(stop) == ringOf(stop + 1))
        ++stop;
    return std::min(stop, last);
}

int Timeline::previousStop() const
{
    if (!byRings)
        return std::max(0, shown - std::max(1, (expansions() + 9) / 10));
    int stop = shown - 1;
    while (stop > 0 && ringOf(stop) == ringOf(stop + 1))
        --stop;
    return std::max(stop, 0);
}

SquareNumber Timeline::current() const
{
    if (shown == 0)
        return NoSquare;
    return exploration->steps[stepsBefore[static_cast<std::size_t>(shown - 1)]].square;
}

Timeline::Moment Timeline::moment() const
{
    if (atEnd() && shown > 0)
        return exploration->route.empty() ? Moment::Exhausted : Moment::Found;
    if (shown == 0)
        return Moment::Started;
    const auto index = static_cast<std::size_t>(shown);
    return stepsBefore[index] - stepsBefore[index - 1] > 1 ? Moment::Expanded : Moment::ExpandedNothingNew;
}

std::vector<SquareNumber> Timeline::frontierFirst(std::size_t count, Order order) const
{
    std::vector<SquareNumber> frontier;
    for (SquareNumber square = 0; square < states.size(); ++square)
        if (states[square] == State::Frontier)
            frontier.push_back(square);
    const auto first = [&](SquareNumber a, SquareNumber b) {
        switch (order) {
        case Order::Oldest:
            return since[a] < since[b];
        case Order::Newest:
            return since[a] > since[b];
        case Order::Priority:
            break;
        }
        if (priorities[a] != priorities[b])
            return priorities[a] < priorities[b];
        if (costs[a] != costs[b])
            return costs[a] > costs[b];
        return a < b;
    };
    const std::size_t kept = std::min(count, frontier.size());
    std::partial_sort(frontier.begin(), frontier.begin() + static_cast<std::ptrdiff_t>(kept), frontier.end(),
                      first);
    frontier.resize(kept);
    return frontier;
}

void Timeline::noteChanged(SquareNumber square)
{
    if (!changedMark[square]) {
        changedMark[square] = true;
        changed.push_back(square);
    }
}

std::vector<SquareNumber> Timeline::takeChanged()
{
    for (const SquareNumber square : changed)
        changedMark[square] = false;
    return std::exchange(changed, {});
}

} // namespace Routeseer
