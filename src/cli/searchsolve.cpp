// solve with another search or move rule: the searches library on the window's map, printed as
// the window's own search is, with the route's cost where the rule makes it differ from its steps.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/exitstatus.h"
#include "cli/jobs.h"
#include "platform/platform.h"
#include "searches/searcher.h"

using namespace Searches;

namespace Jobs {

namespace {

Square squareOf(const Routeseer::PathStep& step) { return {step.x, step.y}; }

QByteArray asText(const Grid& grid, Moves moves, const Outcome& outcome,
                  const std::vector<Routeseer::SquareNumber>& route)
{
    QByteArray text = "squares reached: " + QByteArray::number(qint64(outcome.figures.discovered)) + '\n';
    text += "path length: " +
            (outcome.figures.found ? QByteArray::number(qint64(outcome.figures.routeSteps))
                                   : QByteArray("none")) +
            '\n';
    if (moves == Moves::Octile && outcome.figures.found)
        text += "route cost: " + QByteArray::number(outcome.figures.routeCost, 'f', 8) + '\n';
    for (Routeseer::SquareNumber number : route) {
        const Square square = grid.squareOf(number);
        text += QByteArray::number(square.x) + ',' + QByteArray::number(square.y) + '\n';
    }
    return text;
}

QByteArray asJson(const CommandLine::Request& request, const Grid& grid, Method method, Moves moves,
                  const Outcome& outcome, const std::vector<Routeseer::SquareNumber>& route)
{
    const auto squareJson = [](Square square) { return QJsonArray{square.x, square.y}; };
    QJsonArray steps;
    for (Routeseer::SquareNumber number : route)
        steps.append(squareJson(grid.squareOf(number)));
    const bool found = outcome.figures.found;
    const QJsonObject result{
        {QStringLiteral("map"), CommandLine::shown(request.files[0])},
        {QStringLiteral("from"), squareJson(squareOf(request.from))},
        {QStringLiteral("to"), squareJson(squareOf(request.to))},
        {QStringLiteral("search"), QString::fromLatin1(nameOf(method).data())},
        {QStringLiteral("moves"), QString::fromLatin1(nameOf(moves).data())},
        {QStringLiteral("squaresReached"), qint64(outcome.figures.discovered)},
        {QStringLiteral("squaresExpanded"), qint64(outcome.figures.expanded)},
        {QStringLiteral("pathLength"), found ? QJsonValue(qint64(outcome.figures.routeSteps)) : QJsonValue()},
        {QStringLiteral("routeCost"), found ? QJsonValue(outcome.figures.routeCost) : QJsonValue()},
        {QStringLiteral("route"), steps},
        {QStringLiteral("searchMicroseconds"),
         std::chrono::duration<double, std::micro>(outcome.time).count()},
    };
    return QJsonDocument(result).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

void tellNoRoute(const CommandLine::Request& request)
{
    Platform::showMessage("no route from " + std::to_string(request.from.x) + "," +
                          std::to_string(request.from.y) + " to " + std::to_string(request.to.x) + "," +
                          std::to_string(request.to.y));
}

int solveWithSearches(const CommandLine::Request& given)
{
    const Method method = given.search.value_or(Method::Bfs);
    const Moves moves = given.moves.value_or(Moves::Window);
    if (const std::string refused = refusal(method, moves); !refused.empty())
        return ExitStatus::fail(QString::fromStdString(refused));
    const std::optional<CommandLine::Request> placed = loadMap(given);
    if (!placed)
        return ExitStatus::BadInput;
    const CommandLine::Request& request = *placed;
    const Grid grid = Grid::fromWindowMap();
    Searcher searcher(grid);
    const Outcome outcome = searcher.find(method, moves, squareOf(request.from), squareOf(request.to));
    if (!outcome.figures.found)
        tellNoRoute(request);
    const int printed =
        ExitStatus::print(request.json ? asJson(request, grid, method, moves, outcome, searcher.route())
                                       : asText(grid, moves, outcome, searcher.route()));
    if (printed != ExitStatus::Done)
        return printed;
    return outcome.figures.found ? ExitStatus::Done : ExitStatus::NoRoute;
}

} // namespace Jobs
