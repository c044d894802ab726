// The distance shades grow lighter with every step whatever the farthest distance, and the labels
// of their scale never run into one another or off the legend.
#include <QTest>
#include <cmath>
#include <numeric>

#include "picture/distanceshades.h"

// CIE lightness near enough: what tells the shades apart in grey and for the colour blind.
static double lightness(QRgb colour)
{
    const auto linear = [](int c) { return std::pow((c / 255.0 + 0.055) / 1.055, 2.4); };
    return 116 * std::cbrt(0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
                           0.0722 * linear(qBlue(colour)));
}

class DistanceShadesTest : public QObject {
    Q_OBJECT

  private slots:
    void everyStepIsLighter()
    {
        for (const int farthest : {2, 40, 1212})
            for (int distance = 1; distance < farthest; ++distance) {
                const double here = lightness(DistanceShades::shade(distance, farthest));
                // Ten steps apart is where the repeating shades of old looked alike.
                QVERIFY(lightness(DistanceShades::shade(distance + 1, farthest)) >= here);
                QVERIFY(distance + 10 > farthest ||
                        lightness(DistanceShades::shade(distance + 10, farthest)) > here + 0.3);
            }
    }

    void labelsKeepApartWithinTheLegend()
    {
        constexpr int Gap = 8;
        const auto textWidth = [](int distance) { return 11 * int(QString::number(distance).size()); };
        // farthest, legend width, bar's left
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

QTEST_APPLESS_MAIN(DistanceShadesTest)
#include "distanceshades_test.moc"
