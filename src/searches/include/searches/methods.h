// The searches and the move rules they run under, by the names people give them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Searches {

enum class Moves : std::uint8_t {
    Window, // eight neighbours clockwise from N, every step 1, a diagonal may pass between two walls
    Octile, // eight neighbours, a diagonal sqrt 2 and only where both squares beside it are open
    Four,   // N, E, S, W, every step 1
};

enum class Method : std::uint8_t { Bfs, Dfs, Dijkstra, Greedy, AStar, Bidirectional, Jps };

inline constexpr std::array<Moves, 3> AllMoves{Moves::Window, Moves::Octile, Moves::Four};
inline constexpr std::array<Method, 7> AllMethods{Method::Bfs,    Method::Dfs,   Method::Dijkstra,
                                                  Method::Greedy, Method::AStar, Method::Bidirectional,
                                                  Method::Jps};

std::string_view nameOf(Moves moves);
std::string_view nameOf(Method method);
std::optional<Moves> movesNamed(std::string_view name);
std::optional<Method> methodNamed(std::string_view name);
// "bfs, dfs, ..." for messages and help texts.
std::string methodNames();
std::string movesNames();

// What a route of the search is sure to be.
enum class Promise : std::uint8_t { Nothing, FewestSteps, LeastCost };
Promise promiseOf(Method method);

// Why the search does not run under the rule, for a person; empty where it does.
std::string refusal(Method method, Moves moves);

} // namespace Searches
