// The lesson view (F5): the window's picture at any size with every square a block of whole pixels,
// following every step of an animation, the rings by distance on D, and one status line through
// the stretches of one animation.
#include <QCheckBox>
#include <QRegularExpression>
#include <QTest>

#include "app/lessonpicture.h"
#include "app/lessonview.h"
#include "app/mapcanvas.h"
#include "guitest.h"
#include "pacinglog.h"
#include "picture/distanceshades.h"
#include "picture/mapgeometry.h"
#include "search/searchstats.h"

using GuiTest::describe;
using GuiTest::pressKey;
using namespace Routeseer;

namespace {

// A ring square of the window is red of some strength: green and blue none.
bool isRingColour(QRgb colour) { return qGreen(colour) == 0 && qBlue(colour) == 0; }

// Where the lesson view's square (x, y) differs from the window's: its inside and its grid line,
// each a whole block of the view's square size.
QString firstDifference(const LessonPicture& view, const QImage& window, bool byDistance)
{
    const QRect shown = view.rect() & QRect(view.mapFromGlobal(QPoint()), Platform::screenSize());
    if (!shown.contains(view.mapArea()))
        return QStringLiteral("the map lies off the screen");
    const int side = std::min(shown.width(), shown.height());
    const int square = (side - 1) / GridLast;
    const int line = std::max(1, (square + 2) / 5);
    if (view.squareSize() != square)
        return QStringLiteral("%1 pixels a square, not %2").arg(view.squareSize()).arg(square);
    const QImage& scaled = view.scaledMap();
    const int farthest = *std::max_element(&DistanceGrid(0, 0), &DistanceGrid(0, 0) + SquareCount);
    for (int y = 0; y < GridLast; ++y)
        for (int x = 0; x < GridLast; ++x) {
            QRgb inside = window.pixel(MapView::CellSize * x + 2, MapView::CellSize * y + 2);
            if (byDistance && isRingColour(inside) && DistanceGrid(x, y) > 0)
                inside = DistanceShades::shade(DistanceGrid(x, y), farthest);
            const QRgb gridLine = window.pixel(MapView::CellSize * x, MapView::CellSize * y + 2);
            const QPoint corner(x * square, y * square);
            const QPoint insidePixels[] = {corner + QPoint(line, line),
                                           corner + QPoint(square - 1, square - 1)};
            for (const QPoint& at : insidePixels)
                if (scaled.pixel(at) != (inside | 0xff000000u))
                    return QStringLiteral("square (%1, %2) inside: %3, not %4")
                        .arg(x)
                        .arg(y)
                        .arg(describe(scaled.pixel(at)), describe(inside));
            if (scaled.pixel(corner + QPoint(line - 1, square - 1)) != gridLine)
                return QStringLiteral("square (%1, %2): its grid line is not %3")
                    .arg(x)
                    .arg(y)
                    .arg(describe(gridLine));
        }
    return {};
}

} // namespace

class LessonViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> window;

    LessonView& openView()
    {
        pressKey(*window, Qt::Key_F5);
        LessonView* view = window->findChild<LessonView*>();
        if (!view || !QTest::qWaitForWindowExposed(view))
            qFatal("F5 opened no lesson view");
        return *view;
    }

  private slots:
    void init()
    {
        window = GuiTest::startProgram();
        QVERIFY(GuiTest::activate(*window));
        window->Check3->setChecked(true);
    }
    void cleanup() { window.reset(); }

    void showsTheWindowsPictureAtAnySizeWithWholePixelSquares_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("byDistance");
        QTest::newRow("small") << QSize(330, 400) << false;
        QTest::newRow("about the window's") << QSize(560, 600) << false;
        QTest::newRow("projector, wide") << QSize(1000, 740) << false;
        QTest::newRow("large, rings by distance") << QSize(1100, 1100) << true;
        QTest::newRow("far larger than the screen") << QSize(8000, 8000) << false;
    }

    void showsTheWindowsPictureAtAnySizeWithWholePixelSquares()
    {
        QFETCH(QSize, size);
        QFETCH(bool, byDistance);
        LessonView& view = openView();
        view.resize(size);
        if (byDistance)
            QTest::keyClick(&view, Qt::Key_D);
        // It follows every step of the animation, the map drawn before it too.
        GuiTest::moveMouseOverMap(*window, {152, 152}, Qt::LeftButton);
        GuiTest::search(*window);
        QTRY_COMPARE(firstDifference(view.picture(), window->Picture1->image(), byDistance), QString());
    }

    void statusLineTellsEachStretchOfTheAnimation()
    {
        LessonView& view = openView();
        window->tectonic->trigger();
        GuiTest::PacingLog pacing;
        QStringList seen;
        const int tail = queuetail;
        pacing.atPause(100, [&] { seen << view.status(); });
        pacing.atPause(std::size_t(tail + 200), [&] { seen << view.status(); });
        pacing.atPause(std::size_t(NodeQueueSize + 10), [&] {
            seen << view.status();
            pressKey(*window, Qt::Key_Space);
        });
        pacing.whileWaiting([&] {
            seen << view.status();
            pressKey(*window, Qt::Key_Space);
        });
        GuiTest::search(*window);
        seen << view.status();

        QCOMPARE(seen.size(), 5);
        QVERIFY2(
            seen[0].startsWith(QStringLiteral("Rings: ")) &&
                seen[0].contains(
                    QStringLiteral(" of %1 squares painted").arg(QLocale(QLocale::English).toString(tail))),
            qPrintable(seen[0]));
        // The rest of the queue at "Very Slow": every entry still waits its 10 ms.
        const QRegularExpressionMatch walk =
            QRegularExpression(
                QStringLiteral("^Rings done. Passing the ([\\d,]+) queue entries the search did not "
                               "fill: about (\\d+) s left at this delay. Esc finishes.$"))
                .match(seen[1]);
        QVERIFY2(walk.hasMatch(), qPrintable(seen[1]));
        const int left = walk.captured(1).remove(QLatin1Char(',')).toInt();
        QVERIFY(left > 0 && left <= NodeQueueSize - 1 - tail);
        QCOMPARE(walk.captured(2).toInt(), (left * 10 + 999) / 1000);
        QVERIFY2(seen[2].startsWith(QStringLiteral("Route: ")), qPrintable(seen[2]));
        QVERIFY2(seen[3].startsWith(QStringLiteral("Paused")) && seen[3].contains(QStringLiteral("Route: ")),
                 qPrintable(seen[3]));
        QCOMPARE(seen[4], QStringLiteral("Done: %1 squares reached, route %2 steps.")
                              .arg(QLocale(QLocale::English).toString(squaresReached(window->startpoint)))
                              .arg(pathlength));
    }
};

QTEST_MAIN(LessonViewTest)
#include "lessonview_test.moc"
