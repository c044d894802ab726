// What the jobs that work on a map file share: the load and the search, as the window does them, and
// how a place in a text is told.
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
