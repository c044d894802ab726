// A search's record as a replay that goes both ways: where it stands is a number of expansions,
// and every square's state there (not reached, in the frontier, done) with the square it was
// reached from. Moving on applies the record's steps; moving back undoes them from what the record
// itself kept, so the picture at any moment is the record's, never what was painted before.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "search/exploration.h"

namespace Routeseer {

class Timeline {
  public:
    enum class State : std::uint8_t { Unreached, Frontier, Done };
    // How the frontier gives up its squares: the oldest first, the newest first, or the least
    // priority first (ties: the larger cost, then the smaller square number).
    enum class Order : std::uint8_t { Oldest, Newest, Priority };
    // What the search did last, at the moment shown.
    enum class Moment : std::uint8_t { Started, Expanded, ExpandedNothingNew, Found, Exhausted };

    // `rings`: the search expands in rings of equal whole cost on each side, so a ring is a step.
    Timeline(std::shared_ptr<const Exploration> record, bool rings);

    const Exploration& record() const { return *exploration; }
    int position() const { return shown; }
    int expansions() const { return static_cast<int>(stepsBefore.size()) - 1; }
    bool atEnd() const { return shown == expansions(); }
    bool hasRings() const { return byRings; }

    // Moves to `position` (clamped), noting every square whose state or parent changed.
    void seek(int position);
    // Where a whole ring (or a tenth of the search, without rings) on or back ends.
    int nextStop() const;
    int previousStop() const;

    State state(SquareNumber square) const { return states[square]; }
    SquareNumber parent(SquareNumber square) const { return parents[square]; }
    // The square expanded last, NoSquare before the first.
    SquareNumber current() const;
    Moment moment() const;
    std::int64_t frontierSize() const { return inFrontier; }
    std::int64_t reached() const { return inFrontier + done; }
    // The first `count` squares of the frontier, in the order the search would take them.
    std::vector<SquareNumber> frontierFirst(std::size_t count, Order order) const;
    float cost(SquareNumber square) const { return costs[square]; }
    double priority(SquareNumber square) const { return priorities[square]; }

    // The squares changed since the last call, each once.
    std::vector<SquareNumber> takeChanged();

  private:
    struct Before {
        State state;
        SquareNumber parent;
        std::uint32_t since;
        float cost;
        double priority;
    };
    void apply(std::size_t step);
    void undo(std::size_t step);
    void noteChanged(SquareNumber square);
    std::int64_t ringOf(int position) const;

    std::shared_ptr<const Exploration> exploration;
    bool byRings;
    std::vector<std::size_t> stepsBefore; // by position: how many steps it has applied
    std::vector<Before> before;           // by step: the square as it was before the step
    std::vector<State> states;
    std::vector<SquareNumber> parents;
    std::vector<std::uint32_t> since; // the step that last put the square in the frontier
    std::vector<float> costs;
    std::vector<double> priorities;
    std::vector<bool> changedMark;
    std::vector<SquareNumber> changed;
    std::int64_t inFrontier = 0;
    std::int64_t done = 0;
    int shown = 0;
    std::size_t applied = 0;
};

} // namespace Routeseer
