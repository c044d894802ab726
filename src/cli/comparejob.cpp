// compare: every search from the same start to the same finish on one map, a row each, so that
// what a search promises and what it costs can be read side by side.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "cli/exitstatus.h"
#include "cli/jobs.h"
#include "searches/searcher.h"

using namespace Searches;

namespace Jobs {

namespace {

struct Row {
    Method method;
    Outcome outcome;
};

double microseconds(const Outcome& outcome)
{
    return std::chrono::duration<double, std::micro>(outcome.time).count();
}

QByteArray asText(const std::vector<Row>& rows, const std::vector<std::string>& left)
{
    QByteArray text;
    char line[160];
    std::snprintf(line, sizeof line, "%-14s %9s %11s %6s %12s %13s\n", "search", "expanded", "discovered",
                  "steps", "cost", "microseconds");
    text += line;
    for (const Row& row : rows) {
        const Routeseer::ExplorationFigures& figures = row.outcome.figures;
        const std::string steps = figures.found ? std::to_string(figures.routeSteps) : "none";
        char cost[32] = "none";
        if (figures.found)
            std::snprintf(cost, sizeof cost, "%.3f", figures.routeCost);
        std::snprintf(line, sizeof line, "%-14s %9lld %11lld %6s %12s %13.1f\n", nameOf(row.method).data(),
                      static_cast<long long>(figures.expanded), static_cast<long long>(figures.discovered),
                      steps.c_str(), cost, microseconds(row.outcome));
        text += line;
    }
    for (const std::string& why : left)
        text += QByteArray::fromStdString(why) + '\n';
    return text;
}

QByteArray asJson(const CommandLine::Request& request, Moves moves, const std::vector<Row>& rows)
{
    QJsonArray searches;
    for (const Row& row : rows) {
        const Routeseer::ExplorationFigures& figures = row.outcome.figures;
        searches.append(QJsonObject{
            {QStringLiteral("search"), QString::fromLatin1(nameOf(row.method).data())},
            {QStringLiteral("expanded"), qint64(figures.expanded)},
            {QStringLiteral("discovered"), qint64(figures.discovered)},
            {QStringLiteral("largestFrontier"), qint64(figures.largestFrontier)},
            {QStringLiteral("routeSteps"),
             figures.found ? QJsonValue(qint64(figures.routeSteps)) : QJsonValue()},
            {QStringLiteral("cost"), figures.found ? QJsonValue(figures.routeCost) : QJsonValue()},
            {QStringLiteral("microseconds"), microseconds(row.outcome)},
        });
    }
    const QJsonObject result{
        {QStringLiteral("map"), CommandLine::shown(request.files[0])},
        {QStringLiteral("from"), QJsonArray{request.from.x, request.from.y}},
        {QStringLiteral("to"), QJsonArray{request.to.x, request.to.y}},
        {QStringLiteral("moves"), QString::fromLatin1(nameOf(moves).data())},
        {QStringLiteral("searches"), searches},
    };
    return QJsonDocument(result).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

int compare(const CommandLine::Request& given)
{
    const std::optional<CommandLine::Request> placed = loadMap(given);
    if (!placed)
        return ExitStatus::BadInput;
    const CommandLine::Request& request = *placed;
    const Moves moves = request.moves.value_or(Moves::Window);
    const Grid grid = Grid::fromWindowMap();
    Searcher searcher(grid);
    std::vector<Row> rows;
    std::vector<std::string> left;
    for (Method method : AllMethods) {
        if (const std::string refused = refusal(method, moves); !refused.empty()) {
            left.push_back(refused);
            continue;
        }
        rows.push_back({method, searcher.find(method, moves, {request.from.x, request.from.y},
                                              {request.to.x, request.to.y})});
    }
    const int printed = ExitStatus::print(request.json ? asJson(request, moves, rows) : asText(rows, left));
    if (printed != ExitStatus::Done)
        return printed;
    return rows.front().outcome.figures.found ? ExitStatus::Done : ExitStatus::NoRoute;
}

} // namespace Jobs
