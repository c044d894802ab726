// The four cell painters colour exactly the inside of one cell and nothing else.
#include <QTest>

#include "app/mapcanvas.h"
#include "guitest.h"
#include "picture/mapgeometry.h"

using GuiTest::describe;
using GuiTest::insideColour;
using MapView::cellCorner;

namespace {

enum class Painter { Ring, Wall, Route, Marker };

void paint(Form1& window, Painter painter, int x, int y, std::int16_t increment = 0)
{
    const std::int16_t X = cellCorner(x);
    const std::int16_t Y = cellCorner(y);
    switch (painter) {
    case Painter::Ring:
        window.colorsquare(X, Y, increment);
        break;
    case Painter::Wall:
        window.colorsquaregreen(X, Y);
        break;
    case Painter::Route:
        window.colorsquareblue(X, Y);
        break;
    case Painter::Marker:
        window.colorsquareyellow(X, Y);
        break;
    }
}

// The pixels that differ between two pictures.
std::vector<QPoint> changedPixels(const QImage& before, const QImage& after)
{
    std::vector<QPoint> changed;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                changed.push_back({x, y});
    return changed;
}

QString describe(const std::vector<QPoint>& points)
{
    QStringList parts;
    for (const QPoint& point : points)
        parts << QStringLiteral("(%1, %2)").arg(point.x()).arg(point.y());
    return parts.join(QLatin1Char(' '));
}

} // namespace

Q_DECLARE_METATYPE(Painter)

class PaintersTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> window;

  private slots:
    void init() { window = GuiTest::startProgram(); }
    void cleanup() { window.reset(); }

    void painters_data()
    {
        QTest::addColumn<Painter>("painter");
        QTest::addColumn<int>("increment");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("colorsquare, increment 0") << Painter::Ring << 0 << qRgb(0, 0, 0);
        QTest::newRow("colorsquare, increment 200") << Painter::Ring << 200 << qRgb(200, 0, 0);
        QTest::newRow("colorsquare, increment 254") << Painter::Ring << 254 << qRgb(254, 0, 0);
        QTest::newRow("colorsquaregreen") << Painter::Wall << 0 << qRgb(0, 100, 0);
        QTest::newRow("colorsquareblue") << Painter::Route << 0 << qRgb(0, 0, 255);
        QTest::newRow("colorsquareyellow") << Painter::Marker << 0 << qRgb(255, 255, 0);
    }

    void painters()
    {
        QFETCH(Painter, painter);
        QFETCH(int, increment);
        QFETCH(QRgb, colour);

        // Square (0, 0): exactly the points with x and y from 1 to 4.
        const QImage before = window->Picture1->image().copy();
        paint(*window, painter, 0, 0, std::int16_t(increment));
        const std::vector<QPoint> changed = changedPixels(before, window->Picture1->image());
        const QRect inside(1, 1, 4, 4);
        for (const QPoint& point : changed)
            QVERIFY2(inside.contains(point),
                     qPrintable(QStringLiteral("painted outside: ") + describe(changed)));
        QCOMPARE(describe(insideColour(*window, 0, 0)), describe(colour));

        // Painting over another colour replaces the whole inside.
        window->colorsquareblue(cellCorner(40), cellCorner(60));
        paint(*window, painter, 40, 60, std::int16_t(increment));
        QCOMPARE(describe(insideColour(*window, 40, 60)), describe(colour));
    }

    void neighboursKeepTheGridLineBetweenThem()
    {
        window->colorsquareblue(cellCorner(30), cellCorner(40));
        window->colorsquareblue(cellCorner(31), cellCorner(40));
        window->colorsquareblue(cellCorner(30), cellCorner(41));
        for (int i = 0; i <= MapView::CellSize; ++i) {
            QCOMPARE(describe(GuiTest::pixel(*window, 155, 200 + i)), describe(MapView::GridColour));
            QCOMPARE(describe(GuiTest::pixel(*window, 150 + i, 205)), describe(MapView::GridColour));
        }
        QCOMPARE(describe(insideColour(*window, 30, 40)), describe(MapView::RouteColour));
        QCOMPARE(describe(insideColour(*window, 31, 40)), describe(MapView::RouteColour));
        QCOMPARE(describe(insideColour(*window, 30, 41)), describe(MapView::RouteColour));
    }

    void aSquareBeyondTheLastGridLineLeavesThePictureAlone()
    {
        const QImage before = window->Picture1->image().copy();
        window->colorsquaregreen(cellCorner(100), cellCorner(50));
        window->colorsquaregreen(cellCorner(50), cellCorner(100));
        QCOMPARE(describe(changedPixels(before, window->Picture1->image())), QString());
    }
};

QTEST_MAIN(PaintersTest)
#include "painters_test.moc"
