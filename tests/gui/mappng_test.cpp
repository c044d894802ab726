// The picture routeseer-map writes is the window's map picture after the same search with
// "Clear paths and rings automatically" ticked, pixel for pixel, and at a scale every pixel is a
// square of that many pixels; asked for, another search and the lesson view's shades and marks.
#include <QCheckBox>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/mapcanvas.h"
#include "app/mapfileboxes.h"
#include "document/mapdocument.h"
#include "document/mapnames.h"
#include "guitest.h"
#include "picture/distanceshades.h"
#include "picture/endmarks.h"
#include "picture/mapgeometry.h"
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

// routeseer-map's exit status, its output in `out`.
int routeseerMap(const QStringList& arguments, QByteArray* out = nullptr)
{
    QProcess process;
    process.start(QStringLiteral(ROUTESEER_MAP), arguments);
    const bool ended = process.waitForFinished(30000);
    if (out)
        *out = process.readAllStandardOutput();
    return ended ? process.exitCode() : -1;
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
        QCOMPARE(routeseerMap(arguments), found ? 0 : 1);

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

    // The window's rings each in the shade of its distance, and the lesson view's marks around the
    // ends.
    void shadesAndMarksAreTheLessonViews()
    {
        const QTemporaryDir scratch;
        const QString png = scratch.filePath(QStringLiteral("shaded.png")),
                      map = MapNames::shown(ProgramFiles::path("maze.map"));
        QCOMPARE(routeseerMap({"png", map, png, "--shade", "distance", "--route", "--marks"}), 0);
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        QVERIFY(MapFileBoxes::load(window->document(), map));
        window->Check3->setChecked(true);
        GuiTest::search(*window);
        QImage expected = window->Picture1->image().convertToFormat(QImage::Format_RGB32);
        QPainter painter(&expected);
        const int farthest = *std::max_element(&DistanceGrid(0, 0), &DistanceGrid(0, 0) + SquareCount);
        for (int y = 0; y < GridLast; ++y)
            for (int x = 0; x < GridLast; ++x)
                if (window->document().picture().look(x, y) == MapPicture::Look::Ring)
                    painter.fillRect(5 * x + 1, 5 * y + 1, 4, 4,
                                     QColor(DistanceShades::shade(DistanceGrid(x, y), farthest)));
        for (const auto& [at, end] : {std::pair{PathStep{5, 5}, EndMarks::End::Start},
                                      std::pair{PathStep{87, 87}, EndMarks::End::Finish}}) {
            const QImage mark = EndMarks::draw(end, 5);
            painter.drawImage(EndMarks::corner(mark, QPoint(at.x * 5, at.y * 5), 5, 1), mark);
        }
        painter.end();
        const QString difference = firstDifference(QImage(png), expected, 1);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // The route painted is the one solve prints for the same search and rule, between the start and
    // the finish a map's text marks.
    void routeIsTheChosenSearchesBetweenTheTextsEnds()
    {
        const QTemporaryDir scratch;
        const QString map = scratch.filePath(QStringLiteral("room.txt")), png = scratch.filePath("room.png");
        QList<QByteArray> rows(GridSide, QByteArray(GridSide, '.'));
        rows[10][10] = 'S';
        rows[13][20] = 'F';
        QFile file(map);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(rows.join('\n')) > 0);
        file.close();
        const QStringList chosen{"--search", "astar", "--moves", "octile"};
        QByteArray solved;
        QCOMPARE(routeseerMap(QStringList{"solve", map} + chosen, &solved), 0);
        QCOMPARE(routeseerMap(QStringList{"png", map, png, "--route"} + chosen), 0);
        const QImage picture(png);
        QSet<QByteArray> painted;
        for (int y = 0; y < GridLast; ++y)
            for (int x = 0; x < GridLast; ++x)
                if (const QRgb inside = picture.pixel(5 * x + 2, 5 * y + 2);
                    inside == MapView::RouteColour || inside == MapView::MarkerColour)
                    painted << QByteArray::number(x) + ',' + QByteArray::number(y);
        // The route's squares follow the squares reached, its length and its cost.
        const QList<QByteArray> lines = solved.trimmed().split('\n');
        QCOMPARE(painted, QSet<QByteArray>(lines.begin() + 3, lines.end()));
    }
};

QTEST_MAIN(MapPngTest)
#include "mappng_test.moc"
