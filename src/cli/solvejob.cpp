// solve: the window's search on a map file, its figures and its route printed for a person or,
// with --json, for a script.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <chrono>
#include <cstdio>

#include "cli/exitstatus.h"
#include "cli/jobs.h"
#include "map/routeseer.h"
#include "search/searchstats.h"

using namespace Routeseer;

namespace Jobs {

namespace {

QJsonArray squareJson(const PathStep& step) { return {step.x, step.y}; }

// The file name's bytes, any encoding, in a form a script maps back (percent-decoding): a byte
// outside printable ASCII, and "%" itself, as %XX.
QString escapedBytes(const std::string& name)
{
    static const QByteArray keptAsTheyAre = " !\"#$&'()*+,/:;<=>?@[\\]^`{|}";
    return QString::fromLatin1(QByteArray::fromStdString(name).toPercentEncoding(keptAsTheyAre));
}

QByteArray asJson(const CommandLine::Request& request)
{
    QJsonArray route;
    for (const PathStep& step : PathSteps)
        route.append(squareJson(step));
    const std::chrono::duration<double, std::micro> took = searchtime;
    const QJsonObject result{
        {QStringLiteral("map"), CommandLine::shown(request.files[0])},
        {QStringLiteral("mapBytes"), escapedBytes(request.files[0])},
        {QStringLiteral("from"), squareJson(request.from)},
        {QStringLiteral("to"), squareJson(request.to)},
        {QStringLiteral("squaresReached"), squaresReached(request.from)},
        // No route, no length: the window's label reads "none" then.
        {QStringLiteral("pathLength"), PathSteps.empty() ? QJsonValue() : QJsonValue(pathlength)},
        {QStringLiteral("route"), route},
        {QStringLiteral("searchMicroseconds"), took.count()},
    };
    return QJsonDocument(result).toJson(QJsonDocument::Compact) + '\n';
}

// "X,Y" and a line end, written in place: a long route is thousands of lines, and a batch runs
// this for every map.
void appendSquare(QByteArray& text, const PathStep& step)
{
    char line[sizeof "100,100\n"];
    const int length = std::snprintf(line, sizeof line, "%d,%d\n", step.x, step.y);
    text.append(line, length);
}

QByteArray asText(const CommandLine::Request& request)
{
    QByteArray text = "squares reached: " + QByteArray::number(squaresReached(request.from)) + '\n';
    text +=
        "path length: " + (PathSteps.empty() ? QByteArray("none") : QByteArray::number(pathlength)) + '\n';
    text.reserve(text.size() + std::ssize(PathSteps) * qsizetype(sizeof "100,100\n"));
    for (const PathStep& step : PathSteps)
        appendSquare(text, step);
    return text;
}

} // namespace

int solve(const CommandLine::Request& given)
{
    if (given.search.value_or(Searches::Method::Bfs) != Searches::Method::Bfs ||
        given.moves.value_or(Searches::Moves::Window) != Searches::Moves::Window)
        return solveWithSearches(given);
    const std::optional<CommandLine::Request> placed = loadMap(given);
    if (!placed)
        return ExitStatus::BadInput;
    const CommandLine::Request& request = *placed;
    const bool found = search(request);
    const int printed = ExitStatus::print(request.json ? asJson(request) : asText(request));
    if (printed != ExitStatus::Done)
        return printed;
    return found ? ExitStatus::Done : ExitStatus::NoRoute;
}

} // namespace Jobs
