// routeseer-map: the program's maps, search and picture from the command line, with no window, so
// maps can be made, checked and drawn in batches.
#include <QCoreApplication>

#include "cli/commandline.h"
#include "cli/exitstatus.h"

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("routeseer-map"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ROUTESEER_VERSION));

    QString problem;
    const std::optional<CommandLine::Request> request = CommandLine::read(argc, argv, &problem);
    if (!request)
        return ExitStatus::fail(problem);
    return request->run(*request);
}
