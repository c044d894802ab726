// What the jobs that work on a map file share: the load and the search, as the window does them.
#include <cstdio>

#include "cli/exitstatus.h"
#include "cli/jobs.h"
#include "map/routeseer.h"
#include "platform/headless.h"

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
    // Without a display the search's box is recorded, not shown: it is told here instead.
    Platform::Headless::resetRecords();
    Routeseer::findpath(request.from, request.to);
    for (const std::string& message : Platform::Headless::shownMessages())
        std::fprintf(stderr, "routeseer-map: %s\n", message.c_str());
    return !Routeseer::PathSteps.empty();
}

} // namespace Jobs
