// What a search did, as data: every square it took from its frontier and every square it discovered
// with the square it was reached from, in the order it happened, and the route at the end. Views
// replay it forwards and backwards; the figures people read come from it too.
#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

#include "map/routeseer.h"

namespace Routeseer {

// A square of a grid of any size: y * width + x.
using SquareNumber = std::uint32_t;
inline constexpr SquareNumber NoSquare = 0xffffffffu;

struct Exploration {
    enum class Event : std::uint8_t {
        Expanded,   // taken from the frontier, its neighbours looked at
        Discovered, // put into the frontier, or there again with a cheaper way to it
    };
    struct Step {
        SquareNumber square;
        SquareNumber parent; // Discovered: the square it was reached from; Expanded: NoSquare
        float cost;          // from its own end of the search: steps, or the move rule's cost
        Event event;
        std::uint8_t side; // 0 searched from the start, 1 from the finish (both ends at once)
        // What the frontier orders it by, smaller first; ties as the search breaks them. As exact as
        // the frontier's own, so that a replay takes the squares in the search's order.
        double priority;
    };

    std::int32_t width = 0;
    std::int32_t height = 0;
    SquareNumber start = NoSquare;
    SquareNumber finish = NoSquare;
    std::vector<Step> steps;
    // Start first, finish last, each square a neighbour of the one before; empty when no route.
    std::vector<SquareNumber> route;
    double routeCost = 0;
    std::chrono::nanoseconds searchTime{0};

    SquareNumber numberOf(int x, int y) const { return static_cast<SquareNumber>(y) * width + x; }
    int xOf(SquareNumber square) const { return static_cast<int>(square % static_cast<SquareNumber>(width)); }
    int yOf(SquareNumber square) const { return static_cast<int>(square / static_cast<SquareNumber>(width)); }
};

// The figures of a search, as its record gives them.
struct ExplorationFigures {
    std::int64_t expanded = 0;
    std::int64_t discovered = 0;      // squares, each counted once however often it was reached
    std::int64_t largestFrontier = 0; // squares discovered and not yet expanded, at the most
    std::int64_t routeSteps = 0;
    double routeCost = 0;
    bool found = false;
};
ExplorationFigures figuresOf(const Exploration& record);

// The record of the last findpath from `start` to `target`, read from NodeQueue and PathSteps, so the
// flood itself does no more than before: the queue's entries in order are the discoveries, each
// reached from the entry that was being expanded. The start's second entry, found again at distance
// 2, is a discovery like any other.
Exploration lastFlood(const PathStep& start, const PathStep& target);

} // namespace Routeseer
