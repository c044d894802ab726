// The distance shades: lighter with every step of distance, whatever the farthest, apart from the
// map's own colours; and the labels of their scale never run into one another or off the legend.
#include <QTest>
#include <cmath>

#include "picture/distanceshades.h"
#include "picture/mapgeometry.h"

namespace {

// CIE lightness, 0 black to 100 white: how light a person sees a colour, red-green blind or not.
double lightness(QRgb colour)
{
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const double y =
        0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
    return y > 216.0 / 24389 ? 116 * std::cbrt(y) - 16 : y * 24389.0 / 27;
}

double apart(QRgb a, QRgb b)
{
    return std::hypot(qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b));
}

bool isRoundStep(int step)
{
    while (step % 10 == 0)
        step /= 10;
    return step == 1 || step == 2 || step == 5;
}

} // namespace

class DistanceShadesTest : public QObject {
    Q_OBJECT

  private slots:
    void everyStepIsLighterAndNoneLooksLikeTheMap_data()
    {
        QTest::addColumn<int>("farthest");
        for (const int farthest : {2, 9, 40, 143, 1212})
            QTest::addRow("farthest %d", farthest) << farthest;
    }

    void everyStepIsLighterAndNoneLooksLikeTheMap()
    {
        QFETCH(int, farthest);
        // Ten steps apart is where the repeating shades of old looked alike.
        const int apartSteps = std::min(10, farthest - 1);
        for (int distance = 1; distance <= farthest; ++distance) {
            const QRgb shade = DistanceShades::shade(distance, farthest);
            if (distance + apartSteps <= farthest)
                QVERIFY2(lightness(DistanceShades::shade(distance + apartSteps, farthest)) > lightness(shade) + 0.3,
                         qPrintable(QStringLiteral("%1 and %2").arg(distance).arg(distance + apartSteps)));
            if (distance < farthest)
                QVERIFY(lightness(DistanceShades::shade(distance + 1, farthest)) >= lightness(shade));
            for (const QRgb map : {MapView::WallColour, MapView::RouteColour, MapView::MarkerColour,
                                   MapView::Background, MapView::GridColour})
                QVERIFY2(apart(shade, map) >= 60, qPrintable(QString::number(distance)));
        }
    }

    void labelsKeepApartWithinTheLegend_data()
    {
        QTest::addColumn<int>("farthest");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("barLeft");
        QTest::newRow("one step") << 1 << 400 << 150;
        QTest::newRow("a short scale") << 7 << 400 << 150;
        QTest::newRow("a room's") << 87 << 400 << 150;
        QTest::newRow("a maze's, narrow") << 1212 << 400 << 150;
        QTest::newRow("a maze's, full screen") << 1212 << 1920 << 300;
        QTest::newRow("a maze's, bar to the edge") << 1212 << 400 << 0;
        QTest::newRow("too narrow for both ends") << 1212 << 60 << 20;
    }

    void labelsKeepApartWithinTheLegend()
    {
        QFETCH(int, farthest);
        QFETCH(int, width);
        QFETCH(int, barLeft);
        constexpr int Gap = 8;
        const auto textWidth = [](int distance) { return 11 * int(QString::number(distance).size()); };
        const std::vector<DistanceShades::Label> labels =
            DistanceShades::labels(farthest, barLeft, width - barLeft - Gap, width, textWidth, Gap);
        QVERIFY(!labels.empty());
        QCOMPARE(labels.front().distance, 1);
        const bool bothEnds = textWidth(1) + Gap + textWidth(farthest) <= width;
        if (bothEnds)
            QCOMPARE(labels.back().distance, farthest);
        for (std::size_t i = 0; i < labels.size(); ++i) {
            const DistanceShades::Label& label = labels[i];
            QVERIFY2(label.left >= 0 && label.left + textWidth(label.distance) <= width,
                     qPrintable(QStringLiteral("%1 runs off the legend").arg(label.distance)));
            if (i > 0)
                QVERIFY2(labels[i - 1].left + textWidth(labels[i - 1].distance) + Gap <= label.left,
                         qPrintable(QStringLiteral("%1 runs into %2").arg(labels[i - 1].distance).arg(label.distance)));
        }
        // Between the ends, the multiples of one round step, none of them left out.
        if (labels.size() > 3) {
            const int step = labels[2].distance - labels[1].distance;
            QVERIFY2(isRoundStep(step), qPrintable(QString::number(step)));
            QCOMPARE(labels[1].distance % step, 0);
            for (std::size_t i = 2; i + 1 < labels.size(); ++i)
                QCOMPARE(labels[i].distance - labels[i - 1].distance, step);
        }
        if (farthest >= 40 && width >= 400)
            QVERIFY2(labels.size() >= 3, "a wide legend shows a step between its ends");
    }
};

QTEST_APPLESS_MAIN(DistanceShadesTest)
#include "distanceshades_test.moc"
