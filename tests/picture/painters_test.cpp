// The four cell painters colour exactly the inside of one cell and nothing else; the distance
// shades grow lighter with every step whatever the farthest distance, and the labels of their scale
// never run into one another or off the legend.
#include <QTest>
#include <cmath>
#include <numeric>
#include <optional>

#include "picture/cellpainters.h"
#include "picture/distanceshades.h"
#include "picture/mapdrawing.h"
#include "picture/mapgeometry.h"
#include "picture/mappicture.h"

using MapView::cellCorner;
using namespace CellPainters;

namespace {

enum class Painter { Ring, Wall, Route, Marker };

void paint(MapPicture& picture, Painter painter, int x, int y, std::int16_t increment = 0)
{
    const std::int16_t X = cellCorner(x);
    const std::int16_t Y = cellCorner(y);
    switch (painter) {
    case Painter::Ring:
        colorsquare(picture, X, Y, increment);
        break;
    case Painter::Wall:
        colorsquaregreen(picture, X, Y);
        break;
    case Painter::Route:
        colorsquareblue(picture, X, Y);
        break;
    case Painter::Marker:
        colorsquareyellow(picture, X, Y);
        break;
    }
}

QString describe(std::optional<QRgb> colour)
{
    if (!colour)
        return QStringLiteral("mixed colours");
    return QStringLiteral("rgb(%1, %2, %3)").arg(qRed(*colour)).arg(qGreen(*colour)).arg(qBlue(*colour));
}

// The colour of the inside of square (x, y), or nothing when its pixels differ.
std::optional<QRgb> insideColour(const MapPicture& picture, int x, int y)
{
    const QRgb first = picture.image().pixel(cellCorner(x) + 1, cellCorner(y) + 1);
    for (int dy = 1; dy < MapView::CellSize; ++dy)
        for (int dx = 1; dx < MapView::CellSize; ++dx)
            if (picture.image().pixel(cellCorner(x) + dx, cellCorner(y) + dy) != first)
                return std::nullopt;
    return first & RGB_MASK;
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

// CIE lightness near enough: what tells the shades apart in grey and for the colour blind.
double lightness(QRgb colour)
{
    const auto linear = [](int c) { return std::pow((c / 255.0 + 0.055) / 1.055, 2.4); };
    return 116 * std::cbrt(0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
                           0.0722 * linear(qBlue(colour)));
}

} // namespace

Q_DECLARE_METATYPE(Painter)

class PaintersTest : public QObject {
    Q_OBJECT

    std::unique_ptr<MapPicture> picture;

  private slots:
    void init()
    {
        picture = std::make_unique<MapPicture>();
        MapDrawing::drawGrid(*picture);
    }
    void cleanup() { picture.reset(); }

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
        const QImage before = picture->image().copy();
        paint(*picture, painter, 0, 0, std::int16_t(increment));
        const std::vector<QPoint> changed = changedPixels(before, picture->image());
        const QRect inside(1, 1, 4, 4);
        for (const QPoint& point : changed)
            QVERIFY2(inside.contains(point),
                     qPrintable(QStringLiteral("painted outside: ") + describe(changed)));
        QCOMPARE(describe(insideColour(*picture, 0, 0)), describe(colour));

        // Painting over another colour replaces the whole inside.
        colorsquareblue(*picture, cellCorner(40), cellCorner(60));
        paint(*picture, painter, 40, 60, std::int16_t(increment));
        QCOMPARE(describe(insideColour(*picture, 40, 60)), describe(colour));
    }

    void neighboursKeepTheGridLineBetweenThem()
    {
        colorsquareblue(*picture, cellCorner(30), cellCorner(40));
        colorsquareblue(*picture, cellCorner(31), cellCorner(40));
        colorsquareblue(*picture, cellCorner(30), cellCorner(41));
        for (int i = 0; i <= MapView::CellSize; ++i) {
            QCOMPARE(describe(picture->image().pixel(155, 200 + i) & RGB_MASK),
                     describe(MapView::GridColour));
            QCOMPARE(describe(picture->image().pixel(150 + i, 205) & RGB_MASK),
                     describe(MapView::GridColour));
        }
        QCOMPARE(describe(insideColour(*picture, 30, 40)), describe(MapView::RouteColour));
        QCOMPARE(describe(insideColour(*picture, 31, 40)), describe(MapView::RouteColour));
        QCOMPARE(describe(insideColour(*picture, 30, 41)), describe(MapView::RouteColour));
    }

    void aSquareBeyondTheLastGridLineLeavesThePictureAlone()
    {
        const QImage before = picture->image().copy();
        colorsquaregreen(*picture, cellCorner(100), cellCorner(50));
        colorsquaregreen(*picture, cellCorner(50), cellCorner(100));
        QCOMPARE(describe(changedPixels(before, picture->image())), QString());
    }

    void everyStepIsLighter()
    {
        for (const int farthest : {2, 40, 1212})
            for (int distance = 1; distance < farthest; ++distance) {
                const double here = lightness(DistanceShades::shade(distance, farthest));
                QVERIFY(lightness(DistanceShades::shade(distance + 1, farthest)) >= here);
                // Ten steps apart is where the repeating shades of old looked alike.
                QVERIFY(distance + 10 > farthest ||
                        lightness(DistanceShades::shade(distance + 10, farthest)) > here + 0.3);
            }
    }

    void labelsKeepApartWithinTheLegend()
    {
        constexpr int Gap = 8;
        const auto textWidth = [](int distance) { return 11 * int(QString::number(distance).size()); };
        for (const auto& [farthest, width, left] :
             {std::tuple{7, 400, 150}, {1212, 400, 150}, {1212, 1920, 300}, {1212, 60, 20}}) {
            const auto labels =
                DistanceShades::labels(farthest, left, width - left - Gap, width, textWidth, Gap);
            QCOMPARE(labels.front().distance, 1);
            QCOMPARE(labels.back().distance == farthest, width > 60);
            QVERIFY(labels.size() >= (width > 60 ? 3u : 1u));
            // Between the ends, multiples of a round step: 1, 2, 5, 10, 20, 50, ...
            int step = 0;
            for (std::size_t i = 1; i + 1 < labels.size(); ++i)
                step = std::gcd(step, labels[i].distance);
            QVERIFY(QList<int>({0, 1, 2, 5, 10, 20, 50, 100, 200, 500, 1000}).contains(step));
            for (std::size_t i = 0; i < labels.size(); ++i) {
                QVERIFY(labels[i].left >= 0 && labels[i].left + textWidth(labels[i].distance) <= width);
                QVERIFY(i == 0 ||
                        labels[i - 1].left + textWidth(labels[i - 1].distance) + Gap <= labels[i].left);
            }
        }
    }
};

QTEST_GUILESS_MAIN(PaintersTest)
#include "painters_test.moc"
