// The map document without a window: every operation that changes the walls changes them as the
// window's commands always have, is one change to undo that undo and redo take back and forth
// byte for byte, and is announced to whoever follows the document, picture included.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <functional>
#include <vector>

#include "document/mapdocument.h"
#include "document/randomdraw.h"
#include "picture/mapgeometry.h"

using namespace Routeseer;

namespace {

std::vector<std::byte> mapBytes()
{
    const auto* first = reinterpret_cast<const std::byte*>(&MapGrid(0, 0));
    return {first, first + MapFileBytes};
}

bool isWall(int x, int y) { return MapGrid(x, y).passable == Wall; }

// Every square open but the outer ring, and bytes a map file carries, so undo must bring them too.
void openMap()
{
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x) {
            const bool ring = x == 0 || y == 0 || x == GridLast || y == GridLast;
            MapGrid(x, y) = MapSquare{ring ? Wall : Open, {std::uint8_t(x), std::uint8_t(y)}};
        }
}

bool paintedAsWall(const MapDocument& document, int x, int y)
{
    return document.image().pixel(MapView::CellSize * x + 2, MapView::CellSize * y + 2) ==
           (MapView::WallColour | 0xff000000u);
}

using Operation = std::function<void(MapDocument&)>;
using Expectation = std::function<bool()>;

} // namespace

Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(Expectation)

class MapDocumentTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    QByteArray otherMap; // a map file unlike the open map

  private slots:
    void initTestCase()
    {
        openMap();
        MapGrid(40, 40).passable = Wall;
        MapGrid(41, 40).carried[7] = 9;
        otherMap = QFile::encodeName(folder.filePath(QStringLiteral("other.map")));
        QVERIFY(savemap(otherMap.toStdString()));
    }
    void cleanup() { RandomDraw::useDraws({}); }

    void everyWallChangeIsOneUndoableAnnouncedChange_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<Expectation>("changed");
        QTest::addColumn<QPoint>("paintedWall"); // a square the operation walls and paints
        QTest::newRow("a stroke of the brush") << Operation([](MapDocument& document) {
            for (int x = 20; x <= 22; ++x)
                document.brush(x, 20);
            document.endStroke();
        }) << Expectation([] { return isWall(20, 20) && isWall(23, 21) && !isWall(24, 20); })
                                               << QPoint(23, 21);
        QTest::newRow("noise") << Operation([](MapDocument& document) {
            document.noise();
        }) << Expectation([] { return isWall(10, 10) && isWall(80, 80) && !isWall(81, 80); })
                               << QPoint(45, 45);
        QTest::newRow("blocks") << Operation([](MapDocument& document) { document.blocks(); })
                                << Expectation([] { return isWall(1, 1) && isWall(99, 99); })
                                << QPoint(50, 50);
        QTest::newRow("invert") << Operation([](MapDocument& document) {
            document.invert();
        }) << Expectation([] { return isWall(1, 1) && isWall(98, 98) && !isWall(99, 50); })
                                << QPoint(98, 98);
        QTest::newRow("a map loaded") << Operation([this](MapDocument& document) {
            std::string why;
            QVERIFY(document.loadMap(otherMap.toStdString(), &why));
        }) << Expectation([] { return isWall(40, 40) && MapGrid(41, 40).carried[7] == 9; })
                                      << QPoint(-1, -1); // a load leaves the picture to its caller
    }

    void everyWallChangeIsOneUndoableAnnouncedChange()
    {
        QFETCH(Operation, operation);
        QFETCH(Expectation, changed);
        QFETCH(QPoint, paintedWall);
        // The draws wall every square that noise or blocks visit.
        RandomDraw::useDraws([] { return 0.0; });
        MapDocument document;
        std::string why;
        openMap();
        const std::vector<std::byte> opened = mapBytes();
        QVERIFY(savemap(folder.filePath(QStringLiteral("open.map")).toStdString()));
        // The map a document opens with is no change of it.
        QVERIFY(document.loadMap(folder.filePath(QStringLiteral("open.map")).toStdString(), &why));
        QCOMPARE(document.history().count(), 0);

        QSignalSpy wallsChanged(&document, &MapDocument::wallsChanged);
        operation(document);
        const std::vector<std::byte> after = mapBytes();
        QVERIFY(changed());
        QCOMPARE(document.history().count(), 1);
        QVERIFY(!wallsChanged.isEmpty());
        if (paintedWall.x() >= 0)
            QVERIFY(paintedAsWall(document, paintedWall.x(), paintedWall.y()));

        wallsChanged.clear();
        QVERIFY(document.undo());
        QVERIFY(mapBytes() == opened);
        QCOMPARE(wallsChanged.count(), 1);
        QVERIFY(!document.undo());
        QVERIFY(document.redo());
        QVERIFY(mapBytes() == after);
        QVERIFY(!document.redo());
    }
};

QTEST_GUILESS_MAIN(MapDocumentTest)
#include "mapdocument_test.moc"
