// routeseer-map: the program's maps, search and picture from the command line, with no window, so
// maps can be made, checked and drawn in batches.
#include <QCoreApplication>
#include <QGuiApplication>
#include <optional>

#include "cli/commandline.h"
#include "cli/exitstatus.h"

namespace {

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("routeseer-map"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ROUTESEER_VERSION));
}

} // namespace

int main(int argc, char* argv[])
{
    std::optional<CommandLine::Request> request;
    {
        QCoreApplication application(argc, argv);
        nameApplication();
        QString problem;
        request = CommandLine::read(argc, argv, &problem);
        if (!request)
            return ExitStatus::fail(problem);
        if (!request->marks)
            return request->run(*request);
    }
    // The marks' letters are text, which takes the fonts of a Gui application: on the offscreen
    // platform, so that no display is needed.
    int guiArgc = 3;
    char platform[] = "-platform", offscreen[] = "offscreen";
    char* guiArgv[] = {argv[0], platform, offscreen, nullptr};
    // Its start-up remarks on the desktop session (no runtime folder, say) are no concern of a job.
    const QtMessageHandler before =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QGuiApplication application(guiArgc, guiArgv);
    qInstallMessageHandler(before);
    nameApplication();
    return request->run(*request);
}
