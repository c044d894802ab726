#include "cli/commandline.h"

#include <QCommandLineParser>
#include <QFile>
#include <QRegularExpression>

#include "cli/jobs.h"
#include "picture/mapgeometry.h"
#include "picture/picturefile.h"

namespace CommandLine {

namespace {

using Routeseer::PathStep;

// The picture is made whole in memory before it is written, and in BMP or PPM written whole once
// more: at this scale a job stays within about 100 MB.
constexpr int LargestScale = 6;

struct Job {
    const char* name;
    QStringList files;   // the names the usage gives them
    QStringList options; // the options the job takes
    Request::Run run;
};

const QList<Job>& jobs()
{
    static const QList<Job> all{
        {"text", {"MAP.map"}, {}, Jobs::text},
        {"make", {"TEXT", "OUT.map"}, {"benchmark", "at"}, Jobs::make},
        {"solve", {"MAP.map"}, {"from", "to", "json", "search", "moves"}, Jobs::solve},
        {"compare", {"MAP.map"}, {"from", "to", "json", "moves"}, Jobs::compare},
        {"scen", {"FILE.scen"}, {"map", "search", "json"}, Jobs::scen},
        {"png",
         {"MAP.map", "OUT.png"},
         {"from", "to", "rings", "route", "scale", "search", "moves", "shade", "marks"},
         Jobs::png},
    };
    return all;
}

QString squareText(const PathStep& square) { return QStringLiteral("%1,%2").arg(square.x).arg(square.y); }

QString description()
{
    return QStringLiteral(
               "A map of routeseer, the path search demonstrator, from the command line.\n"
               "\n"
               "Jobs:\n"
               "  text MAP.map          print the map as 101 lines of 101 characters, '#' a wall, '.' open\n"
               "  make TEXT OUT.map     write the map that TEXT draws (- reads the standard input): '#' a\n"
               "                        wall, '.' open, one 'S' the start and one 'F' the finish, both\n"
               "                        open; short lines and missing lines are walls\n"
               "  make --benchmark FILE OUT.map\n"
               "                        write the 101 x 101 window at --at of a benchmark map (type octile)\n"
               "  solve MAP.map         search from --from to --to as the window does (or with --search\n"
               "                        and --moves), and print the squares reached, the path length and\n"
               "                        the route, one square a line\n"
               "  compare MAP.map       run every search from --from to --to and print a row for each:\n"
               "                        squares expanded and discovered, route steps and cost, microseconds\n"
               "  scen FILE.scen --map FILE.map\n"
               "                        solve every query of a benchmark scenario on its benchmark map by\n"
               "                        the octile rule and check each cost against the file's\n"
               "  png MAP.map OUT.png   write the window's map picture after that search (or with --search\n"
               "                        and --moves; --shade distance and --marks as the lesson view\n"
               "                        shows them), in the format OUT's extension names:\n"
               "                        %1\n"
               "\n"
               "Searches: %2\n"
               "(--search; solve and png: bfs, scen: astar by default).\n"
               "Move rules: %3 (--moves, default window); jps takes octile only.\n"
               "Squares are X,Y, each 0..100, x the column and y the row; the start and the finish must be\n"
               "open squares. solve, compare and png take a map's text named *.txt for MAP.map too, and\n"
               "start and finish at its S and F unless --from and --to say otherwise. A job never writes\n"
               "over its input, and replaces only a map (png: a picture), never a link or anything else.\n"
               "Exit status: 0 done, 1 the search found no route (scen: a cost was not the least), 2 a file\n"
               "or an argument could not be used.")
        .arg(PictureFile::writableExtensions().join(QStringLiteral(", ")),
             QString::fromStdString(Searches::methodNames()), QString::fromStdString(Searches::movesNames()));
}

void addOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(description());
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("job"),
                                 QStringLiteral("text, make, solve, compare, scen or png"));
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("the job's files"),
                                 QStringLiteral("FILE..."));
    parser.addOptions({
        {QStringLiteral("from"),
         QStringLiteral("The start square (solve, compare, png); default a map text's S, else %1, where "
                        "the window starts.")
             .arg(squareText(MapView::OpeningStart)),
         QStringLiteral("X,Y")},
        {QStringLiteral("to"),
         QStringLiteral("The finish square (solve, compare, png); default a map text's F, else %1, where "
                        "the window starts.")
             .arg(squareText(MapView::OpeningFinish)),
         QStringLiteral("X,Y")},
        {QStringLiteral("json"),
         QStringLiteral("Print the result as JSON (solve, compare, scen); solve's mapBytes is the map's "
                        "name with each byte outside printable ASCII, and %, as %XX.")},
        {QStringLiteral("search"), QStringLiteral("The search (solve, scen, png)."), QStringLiteral("NAME")},
        {QStringLiteral("moves"), QStringLiteral("The move rule (solve, compare, png)."),
         QStringLiteral("RULE")},
        {QStringLiteral("map"), QStringLiteral("The benchmark map of the scenario's queries (scen)."),
         QStringLiteral("FILE.map")},
        {QStringLiteral("rings"), QStringLiteral("Paint the distance rings (png).")},
        {QStringLiteral("route"), QStringLiteral("Paint the route (png).")},
        {QStringLiteral("shade"),
         QStringLiteral(
             "distance: paint every square the search reached in the shade of its distance from "
             "the start, dark violet near it to pale cream at the farthest, as the lesson view's D "
             "does (png)."),
         QStringLiteral("distance")},
        {QStringLiteral("marks"),
         QStringLiteral("Mark the start with a circle and an S and the finish with a square and an F, as "
                        "the lesson view does (png).")},
        {QStringLiteral("scale"),
         QStringLiteral("Enlarge the picture N times, by whole pixels, N from 1 to %1 (png).")
             .arg(LargestScale),
         QStringLiteral("N"), QStringLiteral("1")},
        {QStringLiteral("benchmark"),
         QStringLiteral("TEXT is a map of the grid path-finding benchmarks (make).")},
        {QStringLiteral("at"),
         QStringLiteral("The benchmark map's square that becomes 0,0 (make --benchmark); default 0,0."),
         QStringLiteral("X,Y"), QStringLiteral("0,0")},
    });
}

std::optional<PathStep> square(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\d{1,3})\\s*,\\s*(\\d{1,3})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int x = match.captured(1).toInt(), y = match.captured(2).toInt();
    if (!Routeseer::onMap(x, y))
        return std::nullopt;
    return PathStep{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
}

bool readSquare(const QCommandLineParser& parser, const QString& option, PathStep fallback, PathStep* into,
                QString* problem)
{
    if (!parser.isSet(option)) {
        *into = fallback;
        return true;
    }
    const QString given = parser.value(option);
    const std::optional<PathStep> read = square(given);
    if (!read)
        *problem =
            QStringLiteral("--%1 %2: the %3 is no square on the map; a square is X,Y with X and Y "
                           "whole numbers from 0 to %4")
                .arg(option, given,
                     option == QLatin1String("from") ? QStringLiteral("start") : QStringLiteral("finish"))
                .arg(Routeseer::GridLast);
    else
        *into = *read;
    return read.has_value();
}

// --search and --moves, by their names.
bool readNames(const QCommandLineParser& parser, Request* request, QString* problem)
{
    const QString search = parser.value(QStringLiteral("search")),
                  moves = parser.value(QStringLiteral("moves"));
    if (parser.isSet(QStringLiteral("search")) &&
        !(request->search = Searches::methodNamed(search.toStdString()))) {
        *problem = QStringLiteral("--search %1: the searches are %2")
                       .arg(search, QString::fromStdString(Searches::methodNames()));
        return false;
    }
    if (parser.isSet(QStringLiteral("moves")) &&
        !(request->moves = Searches::movesNamed(moves.toStdString()))) {
        *problem = QStringLiteral("--moves %1: the move rules are %2")
                       .arg(moves, QString::fromStdString(Searches::movesNames()));
        return false;
    }
    return true;
}

bool readOptions(const QCommandLineParser& parser, Request* request, QString* problem)
{
    if (!readSquare(parser, QStringLiteral("from"), MapView::OpeningStart, &request->from, problem) ||
        !readSquare(parser, QStringLiteral("to"), MapView::OpeningFinish, &request->to, problem))
        return false;
    request->fromGiven = parser.isSet(QStringLiteral("from"));
    request->toGiven = parser.isSet(QStringLiteral("to"));
    request->benchmark = parser.isSet(QStringLiteral("benchmark"));
    if (parser.isSet(QStringLiteral("at")) && !request->benchmark) {
        *problem = QStringLiteral("--at goes with --benchmark");
        return false;
    }
    static const QRegularExpression corner(QStringLiteral("^(\\d{1,9}),(\\d{1,9})$"));
    const QRegularExpressionMatch at = corner.match(parser.value(QStringLiteral("at")));
    if (!at.hasMatch()) {
        *problem = QStringLiteral("--at %1: the corner is X,Y, two whole numbers from 0")
                       .arg(parser.value(QStringLiteral("at")));
        return false;
    }
    request->at = {at.captured(1).toLong(), at.captured(2).toLong()};
    if (!readNames(parser, request, problem))
        return false;
    request->map = parser.value(QStringLiteral("map")).toLatin1().toStdString();
    request->json = parser.isSet(QStringLiteral("json"));
    request->rings = parser.isSet(QStringLiteral("rings"));
    request->route = parser.isSet(QStringLiteral("route"));
    request->marks = parser.isSet(QStringLiteral("marks"));
    if (parser.isSet(QStringLiteral("shade"))) {
        if (parser.value(QStringLiteral("shade")) != QLatin1String("distance")) {
            *problem = QStringLiteral("--shade %1: the one shade is distance")
                           .arg(parser.value(QStringLiteral("shade")));
            return false;
        }
        request->shadeByDistance = true;
    }
    bool whole = false;
    request->scale = parser.value(QStringLiteral("scale")).toInt(&whole);
    if (!whole || request->scale < 1 || request->scale > LargestScale) {
        const int largestSide = MapView::PictureSide * LargestScale;
        *problem = QStringLiteral("--scale %1: the scale is a whole number from 1 to %2, for a picture of "
                                  "at most %3 x %3 pixels")
                       .arg(parser.value(QStringLiteral("scale")))
                       .arg(LargestScale)
                       .arg(largestSide);
        return false;
    }
    return true;
}

// The job's files are all there and every option given is one the job takes.
bool fitsJob(const QCommandLineParser& parser, const Job& job, const QStringList& files, QString* problem)
{
    const QString usage =
        QStringLiteral("usage: routeseer-map %1 %2").arg(QString::fromLatin1(job.name), job.files.join(u' '));
    if (files.size() != job.files.size()) {
        *problem = usage;
        return false;
    }
    const QStringList given = parser.optionNames();
    for (const QString& option : given) {
        if (!job.options.contains(option)) {
            *problem =
                QStringLiteral("%1 takes no --%2; %3").arg(QString::fromLatin1(job.name), option, usage);
            return false;
        }
        // Taking the last of two would do silently what one of them did not ask for.
        if (given.count(option) > 1) {
            *problem = QStringLiteral("--%1 is given more than once; give it once").arg(option);
            return false;
        }
    }
    return true;
}

} // namespace

QString shown(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::optional<Request> read(int argc, char** argv, QString* problem)
{
    // Latin-1 carries every byte of an argument unchanged, so a file name in any encoding comes out
    // as it went in; options and squares are ASCII, which Latin-1 leaves as it is.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLatin1(argv[i]);
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(arguments)) {
        *problem = parser.errorText();
        return std::nullopt;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    QStringList files = parser.positionalArguments();
    const QString name = files.isEmpty() ? QString() : files.takeFirst();
    for (const Job& job : jobs()) {
        if (name != QLatin1String(job.name))
            continue;
        Request request;
        request.job = name;
        request.run = job.run;
        for (const QString& file : files)
            request.files.push_back(file.toLatin1().toStdString());
        if (!fitsJob(parser, job, files, problem) || !readOptions(parser, &request, problem))
            return std::nullopt;
        return request;
    }
    *problem = name.isEmpty()
                   ? QStringLiteral("no job given; try routeseer-map --help")
                   : QStringLiteral("no job %1; the jobs are text, make, solve, compare, scen and png")
                         .arg(shown(name.toLatin1().toStdString()));
    return std::nullopt;
}

} // namespace CommandLine
