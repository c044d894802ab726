// What the jobs that work on a map file share: the load and the search, as the window does them.
#include "cli/exitstatus.h"
#include "cli/jobs.h"
#include "map/routeseer.h"

namespace Jobs {

bool loadMapFile(const QString& path)
{
    std::string why;
    if (Routeseer::loadmap(path.toStdString(), &why))
        return true;
    ExitStatus::fail(QStringLiteral("%1: %2").arg(path, QString::fromStdString(why)));
    return false;
}

bool search(const CommandLine::Request& request)
{
    // The console's platform tells the search's box on the error output.
    Routeseer::findpath(request.from, request.to);
    return !Routeseer::PathSteps.empty();
}

} // namespace Jobs
