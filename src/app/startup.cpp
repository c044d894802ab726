#include "app/startup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace Startup {

namespace {

QString description()
{
    return QStringLiteral(
        "A demonstrator of breadth-first grid path search with a small map editor: one window with a\n"
        "101 x 101 map of open squares and walls, a start and a finish; \"Pathfind!\" floods the map\n"
        "from the start, walks back the shortest route and animates both.\n"
        "\n"
        "In the window F1 opens the help with every key, F5 the lesson view for a class. The program\n"
        "keeps its maps beside it; see routeseer(1).");
}

// The platform Qt will use: the -platform argument, else the environment's choice.
QString platformName(const QStringList& arguments)
{
    const qsizetype given = arguments.indexOf(QStringLiteral("-platform"));
    if (given >= 0 && given + 1 < arguments.size())
        return arguments[given + 1];
    return qEnvironmentVariable("QT_QPA_PLATFORM");
}

bool needsDisplay(const QString& platform)
{
    return platform.isEmpty() || platform.startsWith(QLatin1String("xcb")) ||
           platform.startsWith(QLatin1String("wayland"));
}

QtMessageHandler earlierHandler = nullptr;

void endOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        if (earlierHandler)
            earlierHandler(type, context, message);
        return;
    }
    std::fprintf(stderr, "routeseer: the window cannot open: %s\n", qPrintable(message));
    std::_Exit(EXIT_FAILURE);
}

} // namespace

std::optional<int> endBeforeWindow(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Shows the program's version."));
    parser.addOptions({help, version});
    // The toolkit's own options (-platform, -display, -style, ...) are the toolkit's to read.
    parser.parse(arguments);
    if (parser.isSet(help)) {
        // Without the application object the parser cannot know the program's name.
        std::printf("%s", qPrintable(parser.helpText().replace(QLatin1String("<executable_name>"),
                                                               QLatin1String("routeseer"))));
        return EXIT_SUCCESS;
    }
    if (parser.isSet(version)) {
        std::printf("routeseer %s\n", ROUTESEER_VERSION);
        return EXIT_SUCCESS;
    }
    const bool displayGiven = qEnvironmentVariableIsSet("DISPLAY") ||
                              qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
                              arguments.contains(QStringLiteral("-display"));
    if (needsDisplay(platformName(arguments)) && !displayGiven) {
        std::fprintf(stderr,
                     "routeseer: there is no display to open the window on (DISPLAY is not set); start it "
                     "in a desktop session\n");
        return EXIT_FAILURE;
    }
    return std::nullopt;
}

void catchDisplayFailure() { earlierHandler = qInstallMessageHandler(endOnFatal); }

void stopCatchingDisplayFailure() { qInstallMessageHandler(earlierHandler); }

} // namespace Startup
