// routeseer-map as a script runs it: the maps as text and back, make's errors, and the search's
// printed result against the core's own.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "map/routeseer.h"
#include "platform/headless.h"
#include "search/searchstats.h"

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
