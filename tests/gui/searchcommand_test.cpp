// "Pathfind!" and "Go!": what the search reports and what its animation paints, step by step, and
// what becomes of an animation when the user starts another search or resets the map during it.
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "app/mapcanvas.h"
#include "guitest.h"
#include "pacinglog.h"
#include "picture/mapgeometry.h"
#include "search/searchstats.h"

using GuiTest::describe;
using GuiTest::insideColour;
using namespace Routeseer;

namespace {

// The default map's route from (5, 5) to (87, 87) is the diagonal: 82 steps, 83 squares.
constexpr int DefaultRouteLength = 82;
constexpr int DefaultRouteSquares = DefaultRouteLength + 1;

QRgb ringShade(int index) { return qRgb(index % 255, 0, 0); }

// The picture as it must look: a starting picture with the insides of some squares filled.
class ExpectedPicture {
  public:
    explicit ExpectedPicture(const QImage& from) : image(from.copy()) {}

    void fill(int x, int y, QRgb colour)
    {
        QPainter painter(&image);
        painter.fillRect(MapView::CellSize * x + 1, MapView::CellSize * y + 1, MapView::CellSize - 1,
                         MapView::CellSize - 1, QColor(colour));
    }

    // Rings as the queue holds them now: every entry reached by the search, in its index's shade.
    void rings()
    {
        for (int i = 0; i < NodeQueueSize; ++i)
            if (NodeQueue[i].distance != Unreached)
                fill(NodeQueue[i].x, NodeQueue[i].y, ringShade(i));
    }

    void route()
    {
        for (const PathStep& step : PathSteps)
            fill(step.x, step.y, MapView::RouteColour);
    }

    void markers(const Form1& window)
    {
        fill(window.startpoint.x, window.startpoint.y, MapView::MarkerColour);
        fill(window.finishpoint.x, window.finishpoint.y, MapView::MarkerColour);
    }

    // The first pixel where a picture differs, described, or an empty text.
    QString differenceFrom(const QImage& shown) const
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (const QRgb seen = shown.pixel(x, y) | 0xff000000u, want = image.pixel(x, y) | 0xff000000u;
                    seen != want)
                    return QStringLiteral("(%1, %2) is %3, expected %4")
                        .arg(x)
                        .arg(y)
                        .arg(describe(seen), describe(want));
        return {};
    }
    QString differenceFrom(const Form1& window) const { return differenceFrom(window.Picture1->image()); }

  private:
    QImage image;
};

QImage cleanView(Form1& window)
{
    window.Command3_Click();
    return window.Picture1->image().copy();
}

// Leftovers of an earlier result, for the automatic clearing to remove.
void paintOldResult(Form1& window)
{
    window.colorsquareblue(MapView::cellCorner(30), MapView::cellCorner(60));
    window.colorsquare(MapView::cellCorner(70), MapView::cellCorner(20), 100);
}

int squaresInRingShades(const Form1& window)
{
    int count = 0;
    // Row and column 100 have their insides beyond the picture's last grid line.
    for (int y = 0; y < GridLast; ++y)
        for (int x = 0; x < GridLast; ++x)
            if (const auto colour = insideColour(window, x, y);
                colour && qGreen(*colour) == 0 && qBlue(*colour) == 0)
                ++count;
    return count;
}

// Walls all round the finish (87, 87), so no route reaches it.
void sealOffTheFinish()
{
    for (int i = 86; i <= 88; ++i) {
        MapGrid(i, 86).passable = Wall;
        MapGrid(i, 88).passable = Wall;
        MapGrid(86, i).passable = Wall;
        MapGrid(88, i).passable = Wall;
    }
}

} // namespace

class SearchCommandTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> window;

  private slots:
    void init() { window = GuiTest::startProgram(); }
    void cleanup() { window.reset(); }

    void checkBoxesDecideWhatIsAnimated_data()
    {
        QTest::addColumn<bool>("rings");
        QTest::addColumn<bool>("route");
        QTest::addColumn<int>("pauses");
        QTest::newRow("all cleared: only the two yellow squares") << false << false << 0;
        QTest::newRow("route only") << false << true << DefaultRouteSquares;
        QTest::newRow("rings only") << true << false << NodeQueueSize;
        QTest::newRow("rings, then route") << true << true << NodeQueueSize + DefaultRouteSquares;
    }

    void checkBoxesDecideWhatIsAnimated()
    {
        QFETCH(bool, rings);
        QFETCH(bool, route);
        QFETCH(int, pauses);
        GuiTest::PacingLog pacing;
        ExpectedPicture expected(cleanView(*window));
        paintOldResult(*window);
        window->Check3->setChecked(rings);
        window->Check2->setChecked(route);

        GuiTest::search(*window);

        if (rings)
            expected.rings();
        if (route)
            expected.route();
        expected.markers(*window);
        QCOMPARE(expected.differenceFrom(*window), QString());
        QCOMPARE(int(pacing.pauses().size()), pauses);
        QVERIFY(pacing.passBeforeEveryPause());
        QCOMPARE(window->Label2->text(), QStringLiteral("Path length: 82"));
    }

    void labelsReportTheTimeAndTheLength()
    {
        window->Check2->setChecked(false);
        GuiTest::search(*window);
        const QRegularExpressionMatch time =
            QRegularExpression(QStringLiteral("^Time to compute: (\\d+) milliseconds$"))
                .match(window->Label1->text());
        QVERIFY2(time.hasMatch(), qPrintable(window->Label1->text()));
        QCOMPARE(time.captured(1).toInt(), elapsedms);
        QCOMPARE(window->Label2->text(), QStringLiteral("Path length: 82"));

        window->finishpoint = {5, 45};
        GuiTest::search(*window);
        QCOMPARE(window->Label2->text(), QStringLiteral("Path length: 40"));
    }

    // The caption tells the figures of the search the panel reports, thousands grouped, and of no
    // other: not the one at start, nor those behind Clear Walls and a bar move. Screen readers read
    // the labels as they read now.
    void captionReportsTheSearchThePanelReports_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("sealed");
        QTest::newRow("the search at start") << QString() << false;
        QTest::newRow("Pathfind!") << QStringLiteral("Pathfind!") << false;
        QTest::newRow("Go!") << QStringLiteral("Go!") << false;
        QTest::newRow("a search without a route") << QStringLiteral("Pathfind!") << true;
        QTest::newRow("Clear Walls after Pathfind!") << QStringLiteral("Clear Walls") << false;
    }

    void captionReportsTheSearchThePanelReports()
    {
        QFETCH(QString, command);
        QFETCH(bool, sealed);
        GuiTest::ModalBoxes boxes;
        if (sealed) {
            sealOffTheFinish();
            boxes.answerOk();
        }
        const QString title = QStringLiteral("Pathfinding Algorithm - routeseer");
        if (command.isEmpty()) {
            QCOMPARE(window->windowTitle(), title);
            return;
        }
        // A search whose route differs from the one Clear Walls makes behind the panel's back.
        if (command == QLatin1String("Clear Walls"))
            window->finishpoint = {5, 45};
        if (command == QLatin1String("Go!")) {
            window->go->trigger();
            GuiTest::untilAnimationsEnd(*window);
        } else {
            GuiTest::search(*window);
        }
        const long long reached = squaresReached(window->startpoint);
        const long long micro = std::chrono::round<std::chrono::microseconds>(searchtime).count();
        const long long length = pathlength;
        if (command == QLatin1String("Clear Walls"))
            window->Clearwalls->trigger();

        const QString number = QStringLiteral("(\\d{1,3}(?:,\\d{3})*)");
        const QRegularExpression caption(
            QStringLiteral(
                "^%1 \u2014 %2 squares reached, search %2 \u00b5s, (?:route (\\d+) steps|no route)$")
                .arg(title, number));
        const QRegularExpressionMatch figures = caption.match(window->windowTitle());
        QVERIFY2(figures.hasMatch(), qPrintable(window->windowTitle()));
        auto figure = [&figures](int n) { return figures.captured(n).remove(QLatin1Char(',')).toLongLong(); };
        QCOMPARE(figure(1), reached);
        QCOMPARE(figure(2), micro);
        QCOMPARE(figures.captured(3).isEmpty(), sealed);
        if (!sealed)
            QCOMPARE(window->Label2->text(), QStringLiteral("Path length: %1").arg(figure(3)));
        QCOMPARE(figure(3), sealed ? 0 : length);
        for (QLabel* label : {window->Label1, window->Label2})
            QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), label->text());
    }

    void failedSearchShowsRingsButNoRouteAndNoLength()
    {
        GuiTest::ModalBoxes boxes;
        GuiTest::PacingLog pacing;
        sealOffTheFinish();
        ExpectedPicture expected(cleanView(*window));
        window->Check3->setChecked(true);
        boxes.answerOk();

        GuiTest::search(*window);

        QCOMPARE(boxes.shown().size(), std::size_t(1));
        QVERIFY(boxes.shown()[0].text.startsWith(QLatin1String("No path was found.")));
        QCOMPARE(window->Label2->text(), QStringLiteral("Path length: none"));
        QVERIFY(QRegularExpression(QStringLiteral("^Time to compute: \\d+ milliseconds$"))
                    .match(window->Label1->text())
                    .hasMatch());
        QVERIFY(PathSteps.empty());
        QCOMPARE(pathlength, 0);
        // The whole open map was flooded: rings everywhere but inside the walls round the finish.
        QCOMPARE(describe(insideColour(*window, 6, 6)), describe(ringShade(4)));
        expected.rings();
        expected.markers(*window);
        QCOMPARE(expected.differenceFrom(*window), QString());
        QCOMPARE(int(pacing.pauses().size()), NodeQueueSize);
    }

    // The shade follows the queue index, not the distance: black again every 255 discoveries.
    void ringShadesCountDiscoveriesAndWrapToBlack()
    {
        window->Check3->setChecked(true);
        window->Check2->setChecked(false);
        GuiTest::search(*window);
        // From (5, 5) the flood finds N, NE, E, SE, S first: queue entries 1 to 5.
        QCOMPARE(describe(insideColour(*window, 5, 4)), describe(qRgb(1, 0, 0)));
        QCOMPARE(describe(insideColour(*window, 6, 6)), describe(qRgb(4, 0, 0)));
        for (int index : {254, 255, 256, 509, 510, 511, 5100}) {
            const QueueEntry entry = NodeQueue[index];
            QCOMPARE(describe(insideColour(*window, entry.x, entry.y)), describe(ringShade(index)));
        }
        QCOMPARE(describe(insideColour(*window, NodeQueue[510].x, NodeQueue[510].y)),
                 describe(qRgb(0, 0, 0)));
    }

    // A short search leaves most of the queue empty: those entries cost a pause but paint nothing.
    void entriesBeyondTheSearchArePausedButNotPainted()
    {
        GuiTest::PacingLog pacing;
        window->finishpoint = {7, 7};
        window->Check3->setChecked(true);
        window->Check2->setChecked(false);
        GuiTest::search(*window);
        QVERIFY(queuetail > 8 && queuetail < 30);
        // Every entry but the start's two and the finish shows as a ring square; those are yellow.
        QCOMPARE(squaresInRingShades(*window), queuetail - 2);
        QCOMPARE(describe(insideColour(*window, 0, 0)), describe(MapView::WallColour));
        QCOMPARE(int(pacing.pauses().size()), NodeQueueSize);
    }

    void withoutAutomaticClearingOldRingsStayWhereTheNewRunPaintsNothing_data()
    {
        QTest::addColumn<bool>("clearFirst");
        QTest::newRow("clearing ticked") << true;
        QTest::newRow("clearing unticked") << false;
    }

    void withoutAutomaticClearingOldRingsStayWhereTheNewRunPaintsNothing()
    {
        QFETCH(bool, clearFirst);
        window->Check3->setChecked(true);
        GuiTest::search(*window);
        const std::optional<QRgb> farRing = insideColour(*window, 50, 60);
        QCOMPARE(describe(insideColour(*window, 40, 40)), describe(MapView::RouteColour));

        window->Check4->setChecked(clearFirst);
        window->finishpoint = {7, 7};
        GuiTest::search(*window);

        QCOMPARE(describe(insideColour(*window, 50, 60)),
                 describe(clearFirst ? MapView::Background : *farRing));
        QCOMPARE(describe(insideColour(*window, 40, 40)),
                 describe(clearFirst ? MapView::Background : MapView::RouteColour));
        QCOMPARE(describe(insideColour(*window, 6, 6)), describe(MapView::RouteColour));
        QCOMPARE(describe(insideColour(*window, 7, 7)), describe(MapView::MarkerColour));
    }

    void goIsPathfind()
    {
        window->Check3->setChecked(true);
        window->finishpoint = {40, 20};
        std::vector<int> byButton;
        {
            GuiTest::PacingLog pacing;
            QTest::mouseClick(window->Command1, Qt::LeftButton);
            GuiTest::untilAnimationsEnd(*window);
            byButton = pacing.pauses();
        }
        const QImage buttonPicture = window->Picture1->image().copy();
        const QString buttonLength = window->Label2->text();
        window->Command3_Click();

        GuiTest::PacingLog pacing;
        window->go->trigger();
        GuiTest::untilAnimationsEnd(*window);
        QCOMPARE(window->Picture1->image(), buttonPicture);
        QCOMPARE(window->Label2->text(), buttonLength);
        QVERIFY(pacing.pauses() == byButton);
        QCOMPARE(int(byButton.size()), NodeQueueSize + pathlength + 1);
    }

    // A search started from a pause of the route animation leaves a shorter route: the outer
    // animation must stop at its end, not paint whatever lies beyond it.
    void searchDuringTheRouteAnimationLeavingAShorterRoute()
    {
        GuiTest::PacingLog pacing;
        // Posted at the 40th pause, the click runs before the next step, so the outer animation has
        // painted 41 squares by then.
        constexpr int OuterSteps = 41;
        pacing.atPause(OuterSteps - 1, [this] {
            window->finishpoint = {7, 7};
            window->Command1->click();
        });
        GuiTest::search(*window);

        QCOMPARE(PathSteps.size(), std::size_t(3));
        QCOMPARE(window->Label2->text(), QStringLiteral("Path length: 2"));
        // The outer steps and the inner search's three, and the pause after the outer's last step
        // made again once the inner search that came during it is over.
        QCOMPARE(int(pacing.pauses().size()), OuterSteps + 3 + 1);
        // What the inner search left, and nothing of the outer route beyond it.
        const QImage shown = window->Picture1->image().copy();
        ExpectedPicture expected(cleanView(*window));
        expected.route();
        expected.markers(*window);
        QCOMPARE(expected.differenceFrom(shown), QString());
    }

    // Clear Walls during the ring animation: the map and the delay are reset, and the animation
    // goes on with the queue of the reset's own search.
    void resetDuringTheRingAnimation()
    {
        GuiTest::PacingLog pacing;
        for (int y = 10; y <= 90; ++y)
            MapGrid(50, y).passable = Wall;
        window->Command3_Click();
        window->Check3->setChecked(true);
        window->tectonic->trigger();
        constexpr std::size_t ResetAt = 100;
        pacing.atPause(ResetAt, [this] { window->Clearwalls->trigger(); });

        GuiTest::search(*window);

        const std::vector<int>& pauses = pacing.pauses();
        QCOMPARE(int(pauses.size()), NodeQueueSize + DefaultRouteSquares);
        QCOMPARE(std::count(pauses.begin(), pauses.end(), 10), std::ptrdiff_t(ResetAt + 1));
        QCOMPARE(MapGrid(50, 50).passable, Open);
        // The step after the reset's event pass is the first to paint on the cleared picture.
        for (std::size_t index : {ResetAt + 2, std::size_t(5000)}) {
            const QueueEntry entry = NodeQueue[index];
            QCOMPARE(describe(insideColour(*window, entry.x, entry.y)), describe(ringShade(int(index))));
        }
        QCOMPARE(describe(insideColour(*window, 50, 50)), describe(MapView::RouteColour));
    }
};

QTEST_MAIN(SearchCommandTest)
#include "searchcommand_test.moc"
