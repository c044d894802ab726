// The map document without a window: every operation that changes the walls changes them as the
// window's commands always have, is one change to undo that undo and redo take back and forth
// byte for byte, and is announced to whoever follows the document, picture included.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
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

bool isWall(QPoint square) { return MapGrid(square.x(), square.y()).passable == Wall; }

// Every square open but the outer ring, and bytes a map file carries, so undo must bring them too.
void openMap()
{
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x) {
            const bool ring = x == 0 || y == 0 || x == GridLast || y == GridLast;
            MapGrid(x, y) = MapSquare{ring ? Wall : Open, {std::uint8_t(x), std::uint8_t(y)}};
        }
}

} // namespace

class MapDocumentTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder;
    std::string path(const char* name) const
    {
        return QFile::encodeName(folder.filePath(QLatin1String(name))).toStdString();
    }

  private slots:
    void initTestCase()
    {
        openMap();
        QVERIFY(savemap(path("open.map")));
        MapGrid(40, 40).passable = Wall;
        QVERIFY(savemap(path("other.map")));
    }

    void everyWallChangeIsOneUndoableAnnouncedChange_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QPoint>("walled"); // walled by the operation, and painted so unless a load
        QTest::addColumn<QPoint>("open");   // left open
        QTest::newRow("a stroke of the brush") << "stroke" << QPoint(23, 21) << QPoint(24, 20);
        // The draws wall every square that noise or blocks visit.
        QTest::newRow("noise") << "noise" << QPoint(80, 80) << QPoint(81, 80);
        QTest::newRow("blocks") << "blocks" << QPoint(99, 99) << QPoint(-1, -1);
        QTest::newRow("invert") << "invert" << QPoint(98, 98) << QPoint(99, 50);
        QTest::newRow("a map loaded") << "load" << QPoint(40, 40) << QPoint(41, 40);
    }

    void everyWallChangeIsOneUndoableAnnouncedChange()
    {
        QFETCH(QString, operation);
        QFETCH(QPoint, walled);
        QFETCH(QPoint, open);
        RandomDraw::useDraws([] { return 0.0; });
        MapDocument document;
        std::string why;
        // The map a document opens with is no change of it.
        QVERIFY(document.loadMap(path("open.map"), &why));
        const std::vector<std::byte> opened = mapBytes();
        QCOMPARE(document.history().count(), 0);

        QSignalSpy wallsChanged(&document, &MapDocument::wallsChanged);
        if (operation == QLatin1String("stroke")) {
            for (int x = 20; x <= 22; ++x)
                document.brush(x, 20);
            document.endStroke();
        } else if (operation == QLatin1String("noise")) {
            document.noise();
        } else if (operation == QLatin1String("blocks")) {
            document.blocks();
        } else if (operation == QLatin1String("invert")) {
            document.invert();
        } else {
            QVERIFY(document.loadMap(path("other.map"), &why));
        }
        RandomDraw::useDraws({});
        const std::vector<std::byte> after = mapBytes();
        QVERIFY(isWall(walled) && (open.x() < 0 || !isWall(open)));
        QCOMPARE(document.history().count(), 1);
        QVERIFY(!wallsChanged.isEmpty());
        const QRgb inside =
            document.image().pixel(MapView::CellSize * walled.x() + 2, MapView::CellSize * walled.y() + 2);
        QCOMPARE(inside == (MapView::WallColour | 0xff000000u), operation != QLatin1String("load"));

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
