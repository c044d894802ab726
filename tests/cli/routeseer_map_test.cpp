// routeseer-map as a script runs it: the maps as text and back, make's errors, the search's
// printed result against the core's own, every search side by side, and benchmark scenarios.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <map>
#include <random>

#include "map/routeseer.h"
#include "platform/headless.h"
#include "search/searchstats.h"
#include "searches/searcher.h"

using namespace Routeseer;

namespace {

struct Ran {
    int status;
    QByteArray out;
    QByteArray err;
};

Ran routeseerMap(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(QStringLiteral(ROUTESEER_MAP), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, {}, "did not finish: " + process.readAllStandardError()};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList bundledMaps()
{
    const QDir folder(QStringLiteral(BUNDLED_MAPS_DIR));
    QStringList maps;
    for (const QString& name : folder.entryList({QStringLiteral("*.map")}, QDir::Files))
        maps << folder.filePath(name);
    return maps;
}

std::string lines(const QByteArray& text) { return text.toStdString(); }

// A copy of the map in `scratch` whose square `open` is open but walled in: no route reaches it.
QString walledIn(const QString& map, PathStep open, const QTemporaryDir& scratch)
{
    const QString sealed = scratch.filePath(QStringLiteral("sealed.map"));
    EXPECT_TRUE(loadmap(map.toStdString()));
    for (int x = open.x - 1; x <= open.x + 1; ++x)
        for (int y = open.y - 1; y <= open.y + 1; ++y)
            MapGrid(x, y).passable = Wall;
    MapGrid(open.x, open.y).passable = Open;
    EXPECT_TRUE(savemap(sealed.toStdString()));
    return sealed;
}

} // namespace

// ---- text and make

TEST(TextAndMake, EveryBundledMapSurvivesTextAndBackByteForByte)
{
    const QTemporaryDir scratch;
    ASSERT_GE(bundledMaps().size(), 5);
    for (const QString& map : bundledMaps()) {
        const Ran text = routeseerMap({QStringLiteral("text"), map});
        ASSERT_EQ(text.status, 0) << lines(text.err);
        const QByteArray firstLine = text.out.left(text.out.indexOf('\n'));
        EXPECT_EQ(text.out.count('\n'), GridSide) << map.toStdString();
        EXPECT_EQ(firstLine.size(), GridSide) << map.toStdString();

        const QString made = scratch.filePath(QStringLiteral("made.map"));
        const Ran make = routeseerMap({QStringLiteral("make"), QStringLiteral("-"), made}, text.out);
        ASSERT_EQ(make.status, 0) << lines(make.err);
        EXPECT_TRUE(fileBytes(made) == fileBytes(map))
            << map.toStdString() << " changed on its way through text";

        ASSERT_TRUE(loadmap(map.toStdString()));
        for (int i = 0; i < SquareCount; ++i)
            for (std::uint8_t carried : MapGrid(i % GridSide, i / GridSide).carried)
                ASSERT_EQ(carried, 0) << map.toStdString() << ", square " << i;
    }
}

TEST(TextAndMake, ShortLinesAndMissingLinesAreWalls)
{
    const QTemporaryDir scratch;
    const QString made = scratch.filePath(QStringLiteral("made.map"));
    ASSERT_EQ(routeseerMap({QStringLiteral("make"), QStringLiteral("-"), made}, "#..\r\n.\n").status, 0);
    ASSERT_TRUE(loadmap(made.toStdString()));
    EXPECT_EQ(MapGrid(0, 0).passable, Wall);
    EXPECT_EQ(MapGrid(1, 0).passable, Open);
    EXPECT_EQ(MapGrid(2, 0).passable, Open);
    EXPECT_EQ(MapGrid(3, 0).passable, Wall);
    EXPECT_EQ(MapGrid(0, 1).passable, Open);
    EXPECT_EQ(MapGrid(1, 1).passable, Wall);
    EXPECT_EQ(MapGrid(GridLast, GridLast).passable, Wall);
}

TEST(TextAndMake, ABadTextOrOutputIsNamedWithItsPlaceAndLeavesNoMap)
{
    const QTemporaryDir scratch;
    const QByteArray row(GridSide, '.');
    const QByteArray rows = (row + '\n').repeated(GridSide);
    const QString text = scratch.filePath(QStringLiteral("map.txt"));
    const QString out = scratch.filePath(QStringLiteral("out.map"));
    const QString nowhere = scratch.filePath(QStringLiteral("no folder/out.map"));
    const QString tooFar = QString::number(GridSide + 1);
    struct Case {
        const char* what;
        QByteArray text; // what the text file holds; null: there is none
        QString output;
        QString said; // what the message must hold
    };
    const Case cases[] = {
        {"a character that is no square", "..#\n..x.\n", out, text + ":2:3: 'x'"},
        {"a line of 102 squares", row + "\n" + row + ".\n", out, text + ":2:" + tooFar + ":"},
        {"a 102nd line", rows + "#\n", out, text + ":" + tooFar + ":1:"},
        {"no text file", QByteArray(), out, text + ": No such file"},
        {"an output that cannot be written", rows, nowhere, nowhere + ": "},
    };
    for (const Case& c : cases) {
        QFile::remove(text);
        if (!c.text.isNull()) {
            QFile file(text);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(c.text) == c.text.size());
        }
        const Ran run = routeseerMap({QStringLiteral("make"), text, c.output});
        EXPECT_EQ(run.status, 2) << c.what;
        EXPECT_TRUE(run.err.contains(c.said.toUtf8())) << c.what << ": " << lines(run.err);
        EXPECT_EQ(QDir(scratch.path()).entryList({QStringLiteral("*.map*")}, QDir::AllEntries).size(), 0)
            << c.what << ": a map or a temporary file was left";
    }
}

// ---- solve

TEST(Solve, PrintsTheCoresSearchAndItsRoute)
{
    struct Case {
        const char* map;
        PathStep from, to;
        int status;
    };
    const Case cases[] = {
        {"blankmap.map", {5, 5}, {87, 87}, 0},
        {"maze.map", {1, 1}, {99, 99}, 0},
        {"spiral.map", {11, 11}, {87, 87}, 1}, // the finish walled in
    };
    const QTemporaryDir scratch;
    for (const Case& c : cases) {
        QString map = QDir(QStringLiteral(BUNDLED_MAPS_DIR)).filePath(QString::fromLatin1(c.map));
        if (c.status == 1)
            map = walledIn(map, c.to, scratch);
        const QString from = QStringLiteral("%1,%2").arg(c.from.x).arg(c.from.y);
        const QString to = QStringLiteral("%1,%2").arg(c.to.x).arg(c.to.y);
        const Ran run = routeseerMap(
            {QStringLiteral("solve"), map, QStringLiteral("--from"), from, QStringLiteral("--to"), to});
        const Ran json = routeseerMap({QStringLiteral("solve"), map, QStringLiteral("--json"),
                                       QStringLiteral("--from"), from, QStringLiteral("--to"), to});

        ASSERT_TRUE(loadmap(map.toStdString()));
        Platform::Headless::resetRecords();
        findpath(c.from, c.to);
        QByteArray expected =
            "squares reached: " + QByteArray::number(squaresReached(c.from)) +
            "\npath length: " + (PathSteps.empty() ? "none" : QByteArray::number(pathlength)) + "\n";
        QJsonArray route;
        for (const PathStep& step : PathSteps) {
            expected += QByteArray::number(step.x) + "," + QByteArray::number(step.y) + "\n";
            route.append(QJsonArray{step.x, step.y});
        }
        EXPECT_EQ(run.status, c.status) << c.map << ": " << lines(run.err);
        EXPECT_EQ(lines(run.out), lines(expected)) << c.map;

        EXPECT_EQ(json.status, c.status) << c.map;
        const QJsonObject result = QJsonDocument::fromJson(json.out).object();
        EXPECT_EQ(result[QStringLiteral("squaresReached")].toInt(), squaresReached(c.from)) << c.map;
        const QJsonValue length = result[QStringLiteral("pathLength")];
        EXPECT_EQ(length.isNull() ? -1 : length.toInt(), PathSteps.empty() ? -1 : pathlength) << c.map;
        EXPECT_EQ(result[QStringLiteral("route")].toArray(), route) << c.map;
    }

    // A name that is not UTF-8 reaches the job only through a shell: "mapBytes" gives its bytes back.
    const QString named = scratch.filePath(QStringLiteral("sealed"));
    QProcess shell;
    const char* script = R"(mv "$1.map" "$1$(printf '\377')%.map"; exec "$0" solve "$1"?%.map --json)";
    shell.start("/bin/sh", {"-c", script, ROUTESEER_MAP, named});
    ASSERT_TRUE(shell.waitForFinished(30000));
    EXPECT_EQ(QJsonDocument::fromJson(shell.readAll())["mapBytes"].toString(), named + "%FF%25.map");
}

TEST(Solve, TakesTheStartAndTheFinishAMapsTextMarksUnlessTold)
{
    const QTemporaryDir scratch;
    const QString map = scratch.filePath(QStringLiteral("map.txt"));
    // On an open map with S at (10, 10) and F at (20, 13): the square (30, 40), the options, and the
    // route's ends or the message.
    const std::tuple<char, QStringList, QByteArray> cases[] = {
        {'.', {}, "10,10 20,13"},
        {'.', {"--from", "12,12"}, "12,12 20,13"},
        {'.', {"--to", "1,1"}, "10,10 1,1"},
        {'S', {}, "map.txt:41:31: a second start 'S'; the first is on line 11"},
    };
    for (const auto& [at30x40, options, said] : cases) {
        QList<QByteArray> rows(GridSide, QByteArray(GridSide, '.'));
        rows[10][10] = 'S';
        rows[13][20] = 'F';
        rows[40][30] = at30x40;
        QFile file(map);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(rows.join('\n')) > 0);
        file.close();
        const Ran run = routeseerMap(QStringList{QStringLiteral("solve"), map} + options);
        const QList<QByteArray> out = run.out.trimmed().split('\n');
        EXPECT_TRUE((run.status ? run.err : out[2] + ' ' + out.back()).contains(said)) << lines(run.err);
    }
}

TEST(Solve, BadArgumentsEndWithStatusTwoAndSayWhy)
{
    const QString map = QDir(QStringLiteral(BUNDLED_MAPS_DIR)).filePath(QStringLiteral("blankmap.map"));
    struct Case {
        QStringList arguments;
        const char* said;
    };
    const Case cases[] = {
        {{"solve", map, "--from", "5,101"}, "--from 5,101"},
        {{"solve", map, "--to", "-1,5"}, "--to -1,5"},
        {{"solve", map, "--rings"}, "--rings"},
        {{"solve", "/nonexistent/a.map"}, "/nonexistent/a.map: "},
        {{"png", map, "out.png", "--scale", "0"}, "--scale 0"},
        {{"png", map, "out.png", "--shade", "cost"}, "--shade cost: the one shade is distance"},
        {{"png", map, "out.png", "--search", "jps"}, "jps moves by the octile rule only"},
        {{"draw", map}, "draw"},
        {{"text"}, "usage: routeseer-map text MAP.map"},
    };
    for (const Case& c : cases) {
        const Ran run = routeseerMap(c.arguments);
        EXPECT_EQ(run.status, 2) << c.said;
        EXPECT_TRUE(run.err.contains(c.said)) << lines(run.err);
        EXPECT_TRUE(run.out.isEmpty()) << c.said;
    }
    EXPECT_EQ(routeseerMap({QStringLiteral("--help")}).status, 0);
}

// ---- compare

TEST(Compare, RowsOfTheSearchesThatPromiseAlikeAgree)
{
    const QString map = QDir(QStringLiteral(BUNDLED_MAPS_DIR)).filePath(QStringLiteral("rooms.map"));
    const Ran solve = routeseerMap({QStringLiteral("solve"), map, QStringLiteral("--json")});
    const int windowLength =
        QJsonDocument::fromJson(solve.out).object()[QStringLiteral("pathLength")].toInt();
    for (const char* moves : {"window", "octile", "four"}) {
        const Ran run = routeseerMap({QStringLiteral("compare"), map, QStringLiteral("--moves"),
                                      QString::fromLatin1(moves), QStringLiteral("--json")});
        ASSERT_EQ(run.status, 0) << moves << ": " << lines(run.err);
        const QJsonArray rows =
            QJsonDocument::fromJson(run.out).object()[QStringLiteral("searches")].toArray();
        EXPECT_EQ(rows.size(), std::string(moves) == "octile" ? 7 : 6) << moves;
        std::map<std::string, QJsonObject> row;
        for (const QJsonValue& each : rows)
            row[each[QStringLiteral("search")].toString().toStdString()] = each.toObject();
        const double least = row["dijkstra"][QStringLiteral("cost")].toDouble();
        EXPECT_DOUBLE_EQ(row["astar"][QStringLiteral("cost")].toDouble(), least) << moves;
        if (row.count("jps")) {
            EXPECT_DOUBLE_EQ(row["jps"][QStringLiteral("cost")].toDouble(), least) << moves;
        }
        EXPECT_EQ(row["bidirectional"][QStringLiteral("routeSteps")],
                  row["bfs"][QStringLiteral("routeSteps")]);
        if (std::string(moves) == "window") {
            EXPECT_EQ(row["bfs"][QStringLiteral("routeSteps")].toInt(), windowLength);
        }
    }
    const Ran table = routeseerMap({QStringLiteral("compare"), map});
    EXPECT_EQ(table.out.count('\n'), 1 + 6 + 1) << lines(table.out); // heading, rows, why jps is left out
}

// ---- scen

namespace {

// A benchmark map of random walls and a scenario of queries on it with Dijkstra's least costs,
// the one at `wrongLine` made a little longer than that.
void writeScenario(const QTemporaryDir& scratch, int wrongLine)
{
    std::mt19937 draw(5);
    constexpr int Width = 70, Height = 45;
    Searches::Grid grid(Width, Height);
    QByteArray map = "type octile\nheight 45\nwidth 70\nmap\n";
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            grid.setOpen({x, y}, draw() % 4 != 0);
            map += grid.open({x, y}) ? '.' : '@';
        }
        map += '\n';
    }
    QByteArray scenario = "version 1\n";
    Searches::Searcher searcher(grid);
    for (int line = 2; line < 42;) {
        const Searches::Square a{int(draw() % Width), int(draw() % Height)},
            b{int(draw() % Width), int(draw() % Height)};
        const Searches::Outcome outcome =
            searcher.find(Searches::Method::Dijkstra, Searches::Moves::Octile, a, b);
        if (!grid.open(a) || !outcome.figures.found)
            continue;
        const double length = outcome.figures.routeCost + (line == wrongLine ? 0.5 : 0);
        scenario += QStringLiteral("%1\tr.map\t70\t45\t%2\t%3\t%4\t%5\t%6\n")
                        .arg(line / 10)
                        .arg(a.x)
                        .arg(a.y)
                        .arg(b.x)
                        .arg(b.y)
                        .arg(length, 0, 'f', 8)
                        .toLatin1();
        ++line;
    }
    for (const auto& [name, text] : {std::pair{"r.map", map}, std::pair{"r.map.scen", scenario}}) {
        QFile file(scratch.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    }
}

} // namespace

TEST(Scen, EveryQueryIsSolvedAndAWrongLengthIsNamedByItsLine)
{
    const QTemporaryDir scratch;
    const QStringList files{scratch.filePath(QStringLiteral("r.map.scen")), QStringLiteral("--map"),
                            scratch.filePath(QStringLiteral("r.map"))};
    writeScenario(scratch, 0);
    for (const char* search : {"astar", "jps", "dijkstra"}) {
        const Ran run = routeseerMap(
            QStringList{QStringLiteral("scen")} + files +
            QStringList{QStringLiteral("--search"), QString::fromLatin1(search), QStringLiteral("--json")});
        EXPECT_EQ(run.status, 0) << search << ": " << lines(run.out) << lines(run.err);
        const QJsonObject result = QJsonDocument::fromJson(run.out).object();
        EXPECT_EQ(result[QStringLiteral("queries")].toInt(), 40) << search;
        EXPECT_EQ(result[QStringLiteral("wrong")].toInt(), 0) << search;
        EXPECT_GT(result[QStringLiteral("expanded")].toInt(), 0) << search;
        EXPECT_GT(result[QStringLiteral("seconds")].toDouble(), 0) << search;
    }
    writeScenario(scratch, 7);
    const Ran wrong = routeseerMap(QStringList{QStringLiteral("scen")} + files);
    EXPECT_EQ(wrong.status, 1) << lines(wrong.err);
    EXPECT_TRUE(wrong.out.contains("wrong: 1\n  line 7: cost ")) << lines(wrong.out);
}
