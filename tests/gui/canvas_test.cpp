// The map picture: its two drawing operations, its memory, its crisp scaling and its mouse moves.
#include <QScreen>
#include <QTest>
#include <functional>
#include <set>

#include "app/mapcanvas.h"
#include "document/mapdocument.h"
#include "guitest.h"
#include "picture/mapgeometry.h"

using MapView::Background;

namespace {

constexpr QRgb Ink = qRgb(10, 20, 30);

using Points = std::set<std::pair<int, int>>;

// The pixels that are not background.
Points drawnPixels(const MapCanvas& canvas)
{
    Points drawn;
    const QImage& image = canvas.image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != Background)
                drawn.insert({x, y});
    return drawn;
}

QString describe(const Points& points)
{
    QStringList parts;
    for (const auto& [x, y] : points)
        parts << QStringLiteral("(%1, %2)").arg(x).arg(y);
    return parts.join(QLatin1Char(' '));
}

QImage rendered(MapCanvas& canvas, qreal ratio)
{
    QImage shown(canvas.size() * ratio, QImage::Format_RGB32);
    shown.setDevicePixelRatio(ratio);
    shown.fill(Qt::magenta);
    canvas.render(&shown);
    return shown;
}

struct Move {
    std::int16_t button = -1;
    std::int16_t shift = -1;
    float x = 0;
    float y = 0;
};

} // namespace

Q_DECLARE_METATYPE(Points)

class CanvasTest : public QObject {
    Q_OBJECT

  private slots:
    void linesLeaveOutTheirEndPoint_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<Points>("expected");
        QTest::newRow("rightwards") << QPoint(1, 1) << QPoint(5, 1) << Points{{1, 1}, {2, 1}, {3, 1}, {4, 1}};
        QTest::newRow("leftwards") << QPoint(5, 1) << QPoint(1, 1) << Points{{5, 1}, {4, 1}, {3, 1}, {2, 1}};
        QTest::newRow("downwards") << QPoint(0, 0) << QPoint(0, 3) << Points{{0, 0}, {0, 1}, {0, 2}};
        QTest::newRow("diagonal") << QPoint(2, 2) << QPoint(5, 5) << Points{{2, 2}, {3, 3}, {4, 4}};
        QTest::newRow("a point") << QPoint(7, 7) << QPoint(7, 7) << Points{};
        QTest::newRow("cut off at the edge")
            << QPoint(498, 9) << QPoint(505, 9) << Points{{498, 9}, {499, 9}, {500, 9}};
        QTest::newRow("beyond the picture") << QPoint(501, 1) << QPoint(505, 1) << Points{};
    }

    void linesLeaveOutTheirEndPoint()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(Points, expected);
        MapDocument document;
        MapCanvas canvas(document);
        document.picture().line(from, to, Ink);
        const Points drawn = drawnPixels(canvas);
        QVERIFY2(drawn == expected, qPrintable(describe(drawn)));
        for (const auto& [x, y] : drawn)
            QCOMPARE(canvas.image().pixel(x, y), Ink);
    }

    void clearErasesEverything()
    {
        MapDocument document;
        MapCanvas canvas(document);
        for (int y = 0; y < MapView::PictureSide; y += 7)
            document.picture().line({0, y}, {MapView::PictureSide, y}, Ink);
        document.picture().clear();
        QVERIFY(drawnPixels(canvas).empty());
    }

    // The screen shows the picture's memory, so a covered or hidden window shows it again as drawn.
    void screenShowsWhatWasDrawn()
    {
        MapDocument document;
        MapCanvas canvas(document);
        document.picture().line({3, 4}, {300, 4}, Ink);
        canvas.show();
        canvas.hide();
        canvas.show();
        QCOMPARE(rendered(canvas, 1).convertToFormat(QImage::Format_RGB32),
                 canvas.image().convertToFormat(QImage::Format_RGB32));
    }

    // Each drawing marks just what it changed for the next repaint; the screen must catch up with
    // all of it, whichever way the lines run and however many come between two repaints.
    void screenCatchesUpWithEveryDrawing()
    {
        MapDocument document;
        MapCanvas canvas(document);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        const auto drawings = std::vector<std::function<void()>>{
            [&] {
                document.picture().line({400, 3}, {20, 3}, Ink);
            },
            [&] {
                document.picture().line({30, 480}, {30, 5}, Ink);
            },
            [&] {
                document.picture().line({300, 300}, {200, 200}, Ink);
            },
            [&] {
                document.picture().line({100, 300}, {200, 200}, Ink);
            },
            [&] {
                for (int cell = 0; cell < 100; ++cell)
                    document.picture().line({5 * cell + 1, 5 * cell + 2}, {5 * cell + 5, 5 * cell + 2},
                                            MapView::WallColour);
            },
        };
        for (std::size_t i = 0; i < drawings.size(); ++i) {
            drawings[i]();
            QCoreApplication::processEvents();
            const QImage onScreen = canvas.screen()->grabWindow(canvas.winId()).toImage();
            QVERIFY2(onScreen.convertToFormat(QImage::Format_RGB32) == canvas.image(),
                     qPrintable(QStringLiteral("after drawing %1").arg(i)));
        }
    }

    void denseScreensGetWholePixelBlocks()
    {
        MapDocument document;
        MapCanvas canvas(document);
        document.picture().line({10, 10}, {20, 10}, Ink);
        document.picture().line({10, 11}, {20, 11}, MapView::WallColour);
        const QImage shown = rendered(canvas, 2);
        QCOMPARE(shown.size(), QSize(2 * MapView::PictureSide, 2 * MapView::PictureSide));
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != canvas.image().pixel(x / 2, y / 2))
                    QFAIL(qPrintable(QStringLiteral("device pixel (%1, %2) is %3")
                                         .arg(x)
                                         .arg(y)
                                         .arg(GuiTest::describe(shown.pixel(x, y)))));
    }

    void mouseMovesCarryTheButtonsKeysAndPicturePosition_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("keys");
        QTest::addColumn<QPointF>("position");
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("shift");
        QTest::newRow("no button") << 0 << 0 << QPointF(12.5, 7.25) << 0 << 0;
        QTest::newRow("left") << int(Qt::LeftButton) << 0 << QPointF(0, 0) << 1 << 0;
        QTest::newRow("right with Shift")
            << int(Qt::RightButton) << int(Qt::ShiftModifier) << QPointF(500, 3) << 2 << 1;
        QTest::newRow("left and middle with Ctrl and Alt")
            << int(Qt::LeftButton | Qt::MiddleButton) << int(Qt::ControlModifier | Qt::AltModifier)
            << QPointF(250.75, 499.5) << 5 << 6;
        QTest::newRow("dragged out to the left") << int(Qt::LeftButton) << 0 << QPointF(-3.5, -10) << 1 << 0;
    }

    void mouseMovesCarryTheButtonsKeysAndPicturePosition()
    {
        QFETCH(int, buttons);
        QFETCH(int, keys);
        QFETCH(QPointF, position);
        QFETCH(int, button);
        QFETCH(int, shift);
        const auto window = GuiTest::createWindow();
        window->show();
        QVERIFY(window->Picture1->hasMouseTracking());
        std::vector<Move> moves;
        connect(window->Picture1, &MapCanvas::mouseMoved, window.get(),
                [&moves](std::int16_t b, std::int16_t s, float x, float y) {
                    moves.push_back({b, s, x, y});
                });
        GuiTest::moveMouseOverMap(*window, position, Qt::MouseButtons(buttons), Qt::KeyboardModifiers(keys));
        QCOMPARE(moves.size(), std::size_t(1));
        QCOMPARE(int(moves[0].button), button);
        QCOMPARE(int(moves[0].shift), shift);
        QCOMPARE(moves[0].x, float(position.x()));
        QCOMPARE(moves[0].y, float(position.y()));
    }

    void squareUnderThePointerRoundsDown()
    {
        QCOMPARE(MapView::squareAt(0.0f), 0);
        QCOMPARE(MapView::squareAt(4.9f), 0);
        QCOMPARE(MapView::squareAt(5.0f), 1);
        QCOMPARE(MapView::squareAt(-0.5f), -1);
        QCOMPARE(MapView::squareAt(504.0f), 100);
    }
};

QTEST_MAIN(CanvasTest)
#include "canvas_test.moc"
