#include "searches/methods.h"

namespace Searches {

namespace {

constexpr std::array<std::string_view, AllMoves.size()> MovesNames{"window", "octile", "four"};
constexpr std::array<std::string_view, AllMethods.size()> MethodNames{
    "bfs", "dfs", "dijkstra", "greedy", "astar", "bidirectional", "jps"};

template <typename Names> std::string joined(const Names& names)
{
    std::string text;
    for (std::string_view name : names)
        text += (text.empty() ? "" : ", ") + std::string(name);
    return text;
}

template <typename Value, typename Names, typename Values>
std::optional<Value> named(std::string_view name, const Names& names, const Values& values)
{
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name)
            return values[i];
    return std::nullopt;
}

} // namespace

std::string_view nameOf(Moves moves) { return MovesNames[static_cast<std::size_t>(moves)]; }
std::string_view nameOf(Method method) { return MethodNames[static_cast<std::size_t>(method)]; }
std::optional<Moves> movesNamed(std::string_view name) { return named<Moves>(name, MovesNames, AllMoves); }
std::optional<Method> methodNamed(std::string_view name)
{
    return named<Method>(name, MethodNames, AllMethods);
}
std::string methodNames() { return joined(MethodNames); }
std::string movesNames() { return joined(MovesNames); }

Promise promiseOf(Method method)
{
    switch (method) {
    case Method::Bfs:
    case Method::Bidirectional:
        return Promise::FewestSteps;
    case Method::Dijkstra:
    case Method::AStar:
    case Method::Jps:
        return Promise::LeastCost;
    default:
        return Promise::Nothing;
    }
}

std::string refusal(Method method, Moves moves)
{
    // Its pruning rests on diagonals that never cut a corner and cost more than a straight step.
    if (method == Method::Jps && moves != Moves::Octile)
        return "jps moves by the octile rule only, not by the " + std::string(nameOf(moves)) + " rule";
    return {};
}

} // namespace Searches
