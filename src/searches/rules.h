// The move rules as the searches' inner loops see them: the compass, what a step costs and what
// the estimate of the rest of the way is. Which directions a rule takes is Stepper's (workspace.h).
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <type_traits>

#include "map/routeseer.h"
#include "searches/methods.h"

namespace Searches {

// The compass of the window: 0 N, 1 NE, 2 E, 3 SE, 4 S, 5 SW, 6 W, 7 NW, clockwise.
inline constexpr int CompassPoints = Routeseer::NeighbourCount;
inline constexpr const std::array<int, CompassPoints>& CompassDx = Routeseer::NeighbourDx;
inline constexpr const std::array<int, CompassPoints>& CompassDy = Routeseer::NeighbourDy;
inline constexpr bool isDiagonal(int direction) { return direction % 2 == 1; }
inline constexpr int opposite(int direction) { return (direction + CompassPoints / 2) % CompassPoints; }
// The straight directions a diagonal is made of: its east or west part, then its north or south.
inline constexpr int horizontalPart(int diagonal) { return CompassDx[diagonal] > 0 ? 2 : 6; }
inline constexpr int verticalPart(int diagonal) { return CompassDy[diagonal] < 0 ? 0 : 4; }

// A cost kept exactly: straight steps in the low 24 bits, diagonal steps of the octile rule in the
// next 24 (no route on a 4,096 x 4,096 grid takes more than 2^24 steps). Adding a step is one add,
// and two costs are equal only when they are the same mix of steps, which doubles could not tell.
using Cost = std::uint64_t;
inline constexpr int CostBits = 24;
inline constexpr Cost CostPartMask = (Cost{1} << CostBits) - 1;
inline constexpr Cost StraightStep = 1;
inline constexpr Cost DiagonalStep = Cost{1} << CostBits;
inline constexpr double valueOf(Cost cost)
{
    return static_cast<double>(cost & CostPartMask) +
           static_cast<double>((cost >> CostBits) & CostPartMask) * std::numbers::sqrt2;
}

template <Moves rule> constexpr Cost stepOf(int direction)
{
    return rule == Moves::Octile && isDiagonal(direction) ? DiagonalStep : StraightStep;
}

// Never more than the rest of the way, and never dropping by more than a step costs, so that A*
// takes every square at its least cost the first time.
template <Moves rule> double estimate(int dx, int dy)
{
    dx = std::abs(dx);
    dy = std::abs(dy);
    if constexpr (rule == Moves::Window)
        return std::max(dx, dy);
    else if constexpr (rule == Moves::Octile)
        return std::max(dx, dy) + (std::numbers::sqrt2 - 1) * std::min(dx, dy);
    else
        return dx + dy;
}

// Calls f(std::integral_constant<Moves, rule>{}) for the rule named at run time, so that each
// search's loop is compiled once for each rule.
template <typename F> decltype(auto) underRule(Moves moves, F&& f)
{
    switch (moves) {
    case Moves::Octile:
        return f(std::integral_constant<Moves, Moves::Octile>{});
    case Moves::Four:
        return f(std::integral_constant<Moves, Moves::Four>{});
    default:
        return f(std::integral_constant<Moves, Moves::Window>{});
    }
}

} // namespace Searches
