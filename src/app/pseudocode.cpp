#include "app/pseudocode.h"

using Searches::Method;

namespace Pseudocode {

namespace {

// Which square leaves the frontier, and what a neighbour needs to be put in it.
struct Choice {
    QString take;
    QString keep;
    QString update;
};

Choice choiceOf(Method method)
{
    const QString firstTime = QStringLiteral("    if n not reached yet:");
    const QString cheaper = QStringLiteral("    if this way to n is cheaper:");
    switch (method) {
    case Method::Bfs:
        return {QStringLiteral("the oldest in the frontier (a queue)"), firstTime, {}};
    case Method::Dfs:
        return {QStringLiteral("the newest in the frontier (a stack)"), firstTime, {}};
    case Method::Dijkstra:
        return {QStringLiteral("the least cost from the start"), cheaper, {}};
    case Method::Greedy:
        return {QStringLiteral("the one estimated nearest the finish"), firstTime, {}};
    case Method::AStar:
        return {QStringLiteral("the least cost so far + estimate left"), cheaper, {}};
    case Method::Bidirectional:
        return {QStringLiteral("the oldest of the smaller of two frontiers"), firstTime,
                QStringLiteral("  if the frontiers meet: join the routes, stop")};
    case Method::Jps:
        return {QStringLiteral("the least cost + estimate, as A*"),
                QStringLiteral("    jump on until a wall forces a turn:"),
                QStringLiteral("  (only jump points enter the frontier)")};
    }
    return {};
}

} // namespace

QStringList linesOf(Method method)
{
    const Choice choice = choiceOf(method);
    return {QStringLiteral("frontier \u2190 { start }"),
            QStringLiteral("while the frontier is not empty:"),
            QStringLiteral("  square \u2190 ") + choice.take,
            QStringLiteral("  if square is the finish: follow parents back"),
            QStringLiteral("  for each neighbour n of square:"),
            choice.keep,
            QStringLiteral("      parent[n] \u2190 square; n into the frontier"),
            choice.update.isEmpty() ? QStringLiteral("  (square is done)") : choice.update,
            QStringLiteral("no route: the frontier ran out")};
}

int lineAt(Routeseer::Timeline::Moment moment)
{
    using Moment = Routeseer::Timeline::Moment;
    switch (moment) {
    case Moment::Started:
        return 0;
    case Moment::Expanded:
        return 6;
    case Moment::ExpandedNothingNew:
        return 2;
    case Moment::Found:
        return 3;
    case Moment::Exhausted:
        return 8;
    }
    return 0;
}

} // namespace Pseudocode
