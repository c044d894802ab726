// The start-up load and the clean redraw: what the picture shows afterwards, and what they leave
// alone.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTest>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "app/mapcanvas.h"
#include "guitest.h"
#include "picture/mapgeometry.h"
#include "storage/programfiles.h"

using GuiTest::describe;
using GuiTest::insideColour;
using MapView::cellCorner;
using namespace Routeseer;

namespace {

std::vector<std::byte> mapBytes()
{
    const auto* first = reinterpret_cast<const std::byte*>(&MapGrid(0, 0));
    return {first, first + MapFileBytes};
}

std::vector<std::int16_t> distances() { return {&DistanceGrid(0, 0), &DistanceGrid(0, 0) + SquareCount}; }

bool onGridLine(int x, int y) { return x % MapView::CellSize == 0 || y % MapView::CellSize == 0; }

// What the default map looks like right after a load or a clean redraw, pixel by pixel. Returns
// the first pixel that differs, described, or an empty text.
QString differenceFromDefaultView(const Form1& window, PathStep start, PathStep finish)
{
    for (int y = 0; y < MapView::PictureSide; ++y) {
        for (int x = 0; x < MapView::PictureSide; ++x) {
            const int column = x / MapView::CellSize;
            const int row = y / MapView::CellSize;
            QRgb expected = MapView::Background;
            if (x == MapView::GridLineEnd && y == MapView::GridLineEnd)
                expected = MapView::Background; // the end point of the last grid line is never drawn
            else if (onGridLine(x, y))
                expected = MapView::GridColour;
            else if (column == 0 || row == 0)
                expected = MapView::WallColour;
            else if ((column == start.x && row == start.y) || (column == finish.x && row == finish.y))
                expected = MapView::MarkerColour;
            const QRgb shown = GuiTest::pixel(window, x, y);
            if (shown != expected)
                return QStringLiteral("(%1, %2) is %3, expected %4")
                    .arg(x)
                    .arg(y)
                    .arg(describe(shown), describe(expected));
        }
    }
    return {};
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class RedrawTest : public QObject {
    Q_OBJECT

  private slots:
    void startShowsTheDefaultMap()
    {
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        QVERIFY(window->isVisible());
        QCOMPARE(int(window->startpoint.x), 5);
        QCOMPARE(int(window->startpoint.y), 5);
        QCOMPARE(int(window->finishpoint.x), 87);
        QCOMPARE(int(window->finishpoint.y), 87);
        QCOMPARE(differenceFromDefaultView(*window, {5, 5}, {87, 87}), QString());
        // The map is the default file's and the search ran, so distances are there for the readout.
        QCOMPARE(MapGrid(0, 50).passable, Wall);
        QCOMPARE(MapGrid(100, 50).passable, Wall);
        QCOMPARE(MapGrid(50, 50).passable, Open);
        QCOMPARE(DistanceGrid(6, 6), std::int16_t(1));
        QCOMPARE(DistanceGrid(87, 87), std::int16_t(82));
        // Nothing of that search is drawn, and the statistics keep their text.
        QCOMPARE(window->Label1->text(), QStringLiteral("Time to compute:"));
        QCOMPARE(window->Label2->text(), QStringLiteral("Path length:"));
    }

    void loadAgainReadsTheBarsResetsTheDelayAndKeepsOldPaint()
    {
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        window->delayms = 10;
        MapGrid(50, 50).passable = Wall;
        window->colorsquareblue(cellCorner(60), cellCorner(60));
        {
            // Set the bar as the placement code would find it, without running its handler.
            const QSignalBlocker quiet(window->HScroll1);
            window->HScroll1->setValue(20);
        }
        window->Form_Load();
        QCOMPARE(window->delayms, 0);
        QCOMPARE(int(window->startpoint.x), 20);
        QCOMPARE(describe(insideColour(*window, 20, 5)), describe(MapView::MarkerColour));
        QCOMPARE(describe(insideColour(*window, 5, 5)), describe(MapView::MarkerColour)); // old mark stays
        QCOMPARE(describe(insideColour(*window, 60, 60)), describe(MapView::RouteColour));
        QCOMPARE(MapGrid(50, 50).passable, Open); // the default map is back
    }

    void cleanRedrawLeavesGridMarkersAndWallsOnly_data()
    {
        QTest::addColumn<bool>("fromTheMenu");
        QTest::newRow("Command3_Click") << false;
        QTest::newRow("menu item Clear Paths and Rings") << true;
    }

    void cleanRedrawLeavesGridMarkersAndWallsOnly()
    {
        QFETCH(bool, fromTheMenu);
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        for (int i = 1; i < 60; ++i)
            window->colorsquare(cellCorner(i), cellCorner(i + 20), std::int16_t(i));
        for (int i = 10; i < 80; ++i)
            window->colorsquareblue(cellCorner(i), cellCorner(30));
        window->Label1->setText(QStringLiteral("Time to compute: 3 milliseconds"));
        pathlength = 1234;
        elapsedms = 3;
        PathSteps = {{1, 2}, {3, 4}};
        const std::vector<std::byte> map = mapBytes();
        const std::vector<std::int16_t> distance = distances();

        if (fromTheMenu)
            window->clearpaths->trigger();
        else
            window->Command3_Click();

        QCOMPARE(differenceFromDefaultView(*window, {5, 5}, {87, 87}), QString());
        QVERIFY(mapBytes() == map);
        QVERIFY(distances() == distance);
        QCOMPARE(pathlength, 1234);
        QCOMPARE(elapsedms, 3);
        QCOMPARE(PathSteps.size(), std::size_t(2));
        QCOMPARE(window->Label1->text(), QStringLiteral("Time to compute: 3 milliseconds"));
    }

    void markersOnWallsShowAsWalls()
    {
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        MapGrid(5, 5).passable = Wall;
        window->finishpoint = {0, 40};
        window->Command3_Click();
        QCOMPARE(describe(insideColour(*window, 5, 5)), describe(MapView::WallColour));
        QCOMPARE(describe(insideColour(*window, 0, 40)), describe(MapView::WallColour));
        QCOMPARE(describe(insideColour(*window, 87, 87)), describe(MapView::Background));
    }

    // Whatever stands in the default map's place, the start goes on after a box; nothing waits.
    void unloadableDefaultMapIsReported_data()
    {
        QTest::addColumn<QString>("inItsPlace");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QString() << QStringLiteral("No such file or directory");
        QTest::newRow("short") << QStringLiteral("short file") << QStringLiteral("holds 100 bytes");
        QTest::newRow("FIFO") << QStringLiteral("FIFO")
                              << QStringLiteral("it is a named pipe (FIFO), not a map file");
    }

    void unloadableDefaultMapIsReported()
    {
        QFETCH(QString, inItsPlace);
        QFETCH(QString, reason);
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        MapGrid(50, 50).passable = Wall;
        const std::vector<std::byte> map = mapBytes();

        GuiTest::ProgramFolder folder;
        const QString defaultMap = folder.path(QString::fromLatin1(ProgramFiles::DefaultMapName));
        QFile::remove(defaultMap);
        if (inItsPlace == QLatin1String("short file"))
            writeFile(defaultMap, QByteArray(100, '\0'));
        else if (inItsPlace == QLatin1String("FIFO"))
            QCOMPARE(::mkfifo(QFile::encodeName(defaultMap).constData(), 0644), 0);
        else if (!inItsPlace.isEmpty())
            QVERIFY(QFile::link(inItsPlace, defaultMap));
        boxes.answerOk();
        ::alarm(10); // a start that waits ends the test instead of hanging it
        window->Form_Load();
        ::alarm(0);

        QCOMPARE(boxes.shown().size(), std::size_t(1));
        const QString message = boxes.shown()[0].text;
        QVERIFY2(message.contains(defaultMap) && message.contains(reason), qPrintable(message));
        QCOMPARE(boxes.shown()[0].caption, QStringLiteral("Pathfinding Algorithm"));
        QVERIFY(mapBytes() == map);
    }

    // The search of the load runs before the walls are painted, so its box opens over a map
    // without walls.
    void sealedOffStartIsReportedBeforeTheWallsArePainted()
    {
        GuiTest::ModalBoxes boxes;
        GuiTest::ProgramFolder folder;
        QVERIFY(loadmap(folder.path(QStringLiteral("blankmap.map")).toStdString()));
        for (int i = 0; i <= 10; ++i) {
            MapGrid(i, 10).passable = Wall;
            MapGrid(10, i).passable = Wall;
        }
        QVERIFY(savemap(folder.path(QStringLiteral("blankmap.map")).toStdString()));

        const auto window = GuiTest::createWindow();
        bool wallsShownWhileOpen = true;
        boxes.answerOk([&](const Platform::Box&) {
            wallsShownWhileOpen = insideColour(*window, 10, 3) == MapView::WallColour;
        });
        window->Form_Load();
        QCOMPARE(boxes.shown().size(), std::size_t(1));
        QVERIFY(boxes.shown()[0].text.startsWith(QLatin1String("No path was found.")));
        QVERIFY(!wallsShownWhileOpen);
        QCOMPARE(describe(insideColour(*window, 10, 3)), describe(MapView::WallColour));
    }
};

QTEST_MAIN(RedrawTest)
#include "redraw_test.moc"
