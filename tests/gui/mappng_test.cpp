// The picture routeseer-map writes is the window's map picture after the same search with
// "Clear paths and rings automatically" ticked, pixel for pixel, and at a scale every pixel is a
// square of that many pixels.
#include <QCheckBox>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/mapcanvas.h"
#include "app/mapfileboxes.h"
#include "document/mapnames.h"
#include "guitest.h"
#include "storage/programfiles.h"

using namespace Routeseer;

Q_DECLARE_METATYPE(Routeseer::PathStep)

namespace {

QString square(const PathStep& step) { return QStringLiteral("%1,%2").arg(step.x).arg(step.y); }

// The first pixel of the picture that is not the window's, enlarged `scale` times, described.
QString firstDifference(const QImage& picture, const QImage& window, int scale)
{
    if (picture.size() != window.size() * scale)
        return QStringLiteral("the picture is %1 x %2").arg(picture.width()).arg(picture.height());
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb drawn = picture.pixel(x, y) | 0xff000000u,
                       shown = window.pixel(x / scale, y / scale) | 0xff000000u;
            if (drawn != shown)
                return QStringLiteral("(%1, %2) is %3, the window shows %4")
                    .arg(x)
                    .arg(y)
                    .arg(GuiTest::describe(drawn), GuiTest::describe(shown));
        }
    return {};
}

} // namespace

class MapPngTest : public QObject {
    Q_OBJECT

  private slots:
    void pictureIsTheWindowsAfterTheSameSearch_data()
    {
        QTest::addColumn<QString>("map");
        QTest::addColumn<PathStep>("start");
        QTest::addColumn<PathStep>("finish");
        QTest::addColumn<bool>("rings");
        QTest::addColumn<bool>("route");
        QTest::addColumn<int>("scale");
        QTest::addColumn<bool>("found");
        QTest::newRow("maze, rings and route")
            << "maze.map" << PathStep{5, 5} << PathStep{87, 87} << true << true << 1 << true;
        QTest::newRow("rooms, route, three times")
            << "rooms.map" << PathStep{10, 15} << PathStep{90, 75} << false << true << 3 << true;
        QTest::newRow("finish walled in: rings, no route")
            << "blankmap.map" << PathStep{5, 5} << PathStep{87, 87} << true << true << 1 << false;
    }

    void pictureIsTheWindowsAfterTheSameSearch()
    {
        QFETCH(QString, map);
        QFETCH(PathStep, start);
        QFETCH(PathStep, finish);
        QFETCH(bool, rings);
        QFETCH(bool, route);
        QFETCH(int, scale);
        QFETCH(bool, found);

        QString mapFile = MapNames::shown(ProgramFiles::path(map.toStdString()));
        const QTemporaryDir scratch;
        if (!found) { // the finish open, but walled in
            QVERIFY(loadmap(mapFile.toStdString()));
            for (int x = finish.x - 1; x <= finish.x + 1; ++x)
                for (int y = finish.y - 1; y <= finish.y + 1; ++y)
                    MapGrid(x, y).passable = x == finish.x && y == finish.y ? Open : Wall;
            mapFile = scratch.filePath(QStringLiteral("sealed.map"));
            QVERIFY(savemap(mapFile.toStdString()));
        }
        const QString png = scratch.filePath(QStringLiteral("picture.png"));
        QStringList arguments{QStringLiteral("png"),
                              mapFile,
                              png,
                              QStringLiteral("--from"),
                              square(start),
                              QStringLiteral("--to"),
                              square(finish),
                              QStringLiteral("--scale"),
                              QString::number(scale)};
        if (rings)
            arguments << QStringLiteral("--rings");
        if (route)
            arguments << QStringLiteral("--route");
        QProcess process;
        process.start(QStringLiteral(ROUTESEER_MAP), arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitCode(), found ? 0 : 1);

        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        QVERIFY(MapFileBoxes::load(window->document(), mapFile));
        window->startpoint = start;
        window->finishpoint = finish;
        window->Check4->setChecked(true);
        window->Check3->setChecked(rings);
        window->Check2->setChecked(route);
        if (!found)
            boxes.answerOk();
        GuiTest::search(*window);

        const QString difference = firstDifference(QImage(png), window->Picture1->image(), scale);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }
};

QTEST_MAIN(MapPngTest)
#include "mappng_test.moc"
