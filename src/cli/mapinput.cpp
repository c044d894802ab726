// What the jobs that work on a map file share: the load and the search, as the window does them, and
// how a place in a text is told.
#include <QByteArray>

#include "cli/boundedinput.h"
#include "cli/exitstatus.h"
#include "cli/jobs.h"
#include "map/routeseer.h"

namespace Jobs {

bool loadMapFile(const std::string& path)
{
    std::string why;
    if (Routeseer::loadmap(path, &why))
        return true;
    ExitStatus::fail(QStringLiteral("%1: %2").arg(CommandLine::shown(path), QString::fromStdString(why)));
    return false;
}

int readMapText(const std::string& source, MapText::Ends* ends)
{
    BoundedInput::Reader input(source);
    std::string why, text;
    if (!input.opened(&why) || !input.readAll(MapText::LongestText, text, &why))
        return ExitStatus::fail(
            QStringLiteral("%1: %2").arg(CommandLine::shown(source), QString::fromStdString(why)));
    const std::optional<MapText::Problem> problem = MapText::toMap(text, ends);
    return problem ? problemAt(source, *problem) : ExitStatus::Done;
}

std::optional<CommandLine::Request> loadMap(const CommandLine::Request& request)
{
    const std::string& path = request.files[0];
    CommandLine::Request placed = request;
    if (QByteArray::fromStdString(path).toLower().endsWith(".txt")) {
        MapText::Ends ends;
        if (readMapText(path, &ends) != ExitStatus::Done)
            return std::nullopt;
        placed.from = request.fromGiven ? request.from : ends.start.value_or(request.from);
        placed.to = request.toGiven ? request.to : ends.finish.value_or(request.to);
    } else if (!loadMapFile(path)) {
        return std::nullopt;
    }
    if (!endsOpen(placed))
        return std::nullopt;
    return placed;
}

int problemAt(const std::string& source, const MapText::Problem& problem)
{
    if (problem.line == 0)
        return ExitStatus::fail(QString::fromStdString(problem.what));
    return ExitStatus::fail(QStringLiteral("%1:%2:%3: %4")
                                .arg(CommandLine::shown(source))
                                .arg(problem.line)
                                .arg(problem.column)
                                .arg(QString::fromStdString(problem.what)));
}

bool endsOpen(const CommandLine::Request& request)
{
    // A search from or to a wall finds nothing a person asked for; the window never starts one.
    for (const auto& [end, option, what] :
         {std::tuple{request.from, "from", "start"}, std::tuple{request.to, "to", "finish"}})
        if (Routeseer::MapGrid(end.x, end.y).passable == Routeseer::Wall) {
            ExitStatus::fail(QStringLiteral("--%1 %2,%3: the %4 is on a wall of %5")
                                 .arg(QLatin1String(option))
                                 .arg(end.x)
                                 .arg(end.y)
                                 .arg(QLatin1String(what), CommandLine::shown(request.files[0])));
            return false;
        }
    return true;
}

bool search(const CommandLine::Request& request)
{
    // The console's platform tells the search's box on the error output.
    Routeseer::findpath(request.from, request.to);
    return !Routeseer::PathSteps.empty();
}

} // namespace Jobs
