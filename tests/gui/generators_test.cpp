// Random noise, random blocks, the map inversion and the wall reset.
#include <QAction>
#include <QTest>
#include <cmath>

#include "app/mapcanvas.h"
#include "document/randomdraw.h"
#include "edittest.h"
#include "guitest.h"

using EditTest::changedSquares;
using EditTest::isWall;
using EditTest::Squares;
using EditTest::wallsIn;
using GuiTest::describe;
using GuiTest::insideColour;
using MapView::cellCorner;
using namespace Routeseer;

namespace {

// The clock stands still for as long as it lives, and counts how often it is read.
class FrozenClock {
  public:
    explicit FrozenClock(float seconds)
    {
        RandomDraw::useClock([this, seconds] {
            ++readings;
            return seconds;
        });
    }
    ~FrozenClock() { RandomDraw::useClock({}); }
    FrozenClock(const FrozenClock&) = delete;
    FrozenClock& operator=(const FrozenClock&) = delete;

    int readings = 0;
};

// Every draw gives what `draw` says for its number (0, 1, ...), for as long as it lives.
class ChosenDraws {
  public:
    explicit ChosenDraws(std::function<double(int)> draw)
    {
        RandomDraw::useDraws([this, draw = std::move(draw)] { return draw(count++); });
    }
    ~ChosenDraws() { RandomDraw::useDraws({}); }
    ChosenDraws(const ChosenDraws&) = delete;
    ChosenDraws& operator=(const ChosenDraws&) = delete;

    int count = 0;
};

constexpr int NoiseFirst = 10;
constexpr int NoiseLast = 80;
constexpr int NoiseSquares = (NoiseLast - NoiseFirst + 1) * (NoiseLast - NoiseFirst + 1);
constexpr int BlockScan = GridLast * GridLast; // top-left squares (0..99, 0..99)

Squares area(int first, int last)
{
    Squares squares;
    for (int y = first; y <= last; ++y)
        for (int x = first; x <= last; ++x)
            squares.insert({x, y});
    return squares;
}

void openInside()
{
    for (int y = 1; y < GridLast; ++y)
        for (int x = 1; x < GridLast; ++x)
            MapGrid(x, y).passable = Open;
}

// A bound that a fair count misses with a chance of about one in a thousand million.
constexpr double SixDeviations = 6;

} // namespace

class GeneratorsTest : public QObject {
    Q_OBJECT

  private slots:
    // ---- the random test: floor(r x N) + 1 = 1 after a reseed from the clock ----

    void drawsAtOneClockValueDoNotRepeat()
    {
        FrozenClock clock(43200.5f);
        std::set<double> seen;
        constexpr int Draws = 1000;
        for (int i = 0; i < Draws; ++i) {
            RandomDraw::Randomize(RandomDraw::timeOfDay());
            const double r = RandomDraw::Rnd();
            QVERIFY(r >= 0 && r < 1);
            seen.insert(r);
        }
        QCOMPARE(int(seen.size()), Draws);
    }

    void generatorsActBelowOneInNExactly_data()
    {
        QTest::addColumn<bool>("noise");
        QTest::addColumn<double>("r");
        QTest::addColumn<bool>("acts");
        QTest::newRow("noise, r = 0") << true << 0.0 << true;
        QTest::newRow("noise, r just below 1/8") << true << 0.1249 << true;
        QTest::newRow("noise, r = 1/8") << true << 0.125 << false;
        QTest::newRow("blocks, r = 0") << false << 0.0 << true;
        QTest::newRow("blocks, r just below 1/25") << false << 0.0399 << true;
        QTest::newRow("blocks, r = 1/25") << false << 0.04 << false;
        QTest::newRow("blocks, r near 1") << false << 0.9999 << false;
    }

    void generatorsActBelowOneInNExactly()
    {
        QFETCH(bool, noise);
        QFETCH(double, r);
        QFETCH(bool, acts);
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        const std::vector<std::byte> map = EditTest::mapBytes();
        FrozenClock clock(10.0f);
        ChosenDraws draws([r](int) { return r; });
        if (noise)
            window->noise->trigger();
        else
            window->blocks->trigger();
        const int visited = noise ? NoiseSquares : BlockScan;
        QCOMPARE(draws.count, visited);
        QCOMPARE(clock.readings, visited); // a reseed before every draw
        if (!acts) {
            QVERIFY(EditTest::mapBytes() == map);
            return;
        }
        // Noise walls its whole area; blocks wall the whole map, column and row 100 included.
        const int first = noise ? NoiseFirst : 0;
        const int last = noise ? NoiseLast : GridLast;
        QCOMPARE(wallsIn(first, last), (last - first + 1) * (last - first + 1));
        QCOMPARE(wallsIn(0, GridLast), noise ? NoiseSquares + 4 * GridLast : SquareCount);
    }

    // ---- noise ----

    void noiseWallsAboutOneEighthOfItsAreaAndNothingElse()
    {
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        const std::vector<std::byte> map = EditTest::mapBytes();
        const QImage picture = window->Picture1->image().copy();
        FrozenClock clock(600.0f); // draws at one clock value must still be independent

        window->noise->trigger();

        const int walls = wallsIn(NoiseFirst, NoiseLast);
        const double mean = NoiseSquares / 8.0;
        const double deviation = std::sqrt(NoiseSquares * (1 / 8.0) * (7 / 8.0));
        QVERIFY2(std::abs(walls - mean) < SixDeviations * deviation, qPrintable(QString::number(walls)));
        // Painted exactly where the walls are, and nothing outside the area changed.
        Squares walled;
        for (const auto& [x, y] : area(NoiseFirst, NoiseLast))
            if (isWall(x, y))
                walled.insert({x, y});
        const Squares painted = changedSquares(picture, window->Picture1->image());
        QVERIFY2(painted == walled, qPrintable(EditTest::describe(painted)));
        for (const auto& [x, y] : walled)
            QCOMPARE(describe(insideColour(*window, x, y)), describe(MapView::WallColour));
        for (const auto& [x, y] : area(NoiseFirst, NoiseLast))
            MapGrid(x, y).passable = Open;
        QVERIFY(EditTest::mapBytes() == map);
    }

    void noiseRepaintsOldWallsInItsAreaOverThePathAndKeepsTheRest()
    {
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        MapGrid(30, 30).passable = Wall;
        for (int x : {30, 5, 90})
            window->colorsquareblue(cellCorner(x), cellCorner(30));
        ChosenDraws never([](int) { return 0.5; });

        window->noise->trigger();

        QCOMPARE(describe(insideColour(*window, 30, 30)), describe(MapView::WallColour));
        QCOMPARE(describe(insideColour(*window, 5, 30)), describe(MapView::RouteColour));
        QCOMPARE(describe(insideColour(*window, 90, 30)), describe(MapView::RouteColour));
    }

    // ---- blocks ----

    void blocksFillAboutFourHundredTwoByTwoBlocks()
    {
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        FrozenClock clock(600.0f);

        window->blocks->trigger();

        // Each inner square is walled unless none of the four blocks that could cover it came:
        // chance 1 - (24/25)^4. Neighbours share blocks, so the spread is wider than for
        // independent squares; about 70 squares is its exact value for 400 blocks.
        constexpr int Inner = (GridLast - 1) * (GridLast - 1);
        const double mean = Inner * (1 - std::pow(24.0 / 25.0, 4));
        constexpr double Deviation = 70;
        const int walls = wallsIn(1, GridLast - 1);
        QVERIFY2(std::abs(walls - mean) < SixDeviations * Deviation, qPrintable(QString::number(walls)));
    }

    void blockShowsWhereTheScanReachesItAndReachesTheLastColumnAndRow()
    {
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        openInside();
        for (int i = 0; i < GridSide; ++i)
            MapGrid(i, GridLast).passable = MapGrid(GridLast, i).passable = Open;
        const QImage picture = window->Picture1->image().copy();
        // Blocks with their top-left squares at (30, 40) and (99, 99), the scan's last square.
        ChosenDraws draws(
            [](int visit) { return visit == 40 * GridLast + 30 || visit == BlockScan - 1 ? 0.0 : 0.5; });

        window->blocks->trigger();

        const Squares block{{30, 40}, {31, 40}, {30, 41}, {31, 41}};
        const Squares corner{{99, 99}, {100, 99}, {99, 100}, {100, 100}};
        Squares walls;
        for (int y = 0; y <= GridLast; ++y)
            for (int x = 0; x <= GridLast; ++x)
                if (isWall(x, y))
                    walls.insert({x, y});
        Squares expected = block;
        expected.insert(corner.begin(), corner.end());
        for (int i = 0; i < GridLast; ++i) // the border, but for column and row 100
            expected.insert({{i, 0}, {0, i}});
        QVERIFY2(walls == expected, qPrintable(EditTest::describe(walls)));
        // The whole first block is painted; of the corner block only the visited square shows.
        Squares shown = block;
        shown.insert({99, 99});
        const Squares painted = changedSquares(picture, window->Picture1->image());
        QVERIFY2(painted == shown, qPrintable(EditTest::describe(painted)));
    }

    // ---- inversion ----

    void invertSwapsTheInnerAreaAndRedrawsWithoutMarkers()
    {
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        openInside();
        MapGrid(20, 30).passable = Wall;
        MapGrid(5, 5).passable = Wall; // the start: open after the inversion, and not marked
        MapGrid(99, 50).passable = Wall;
        window->colorsquare(cellCorner(40), cellCorner(40), 200);

        window->invert->trigger();

        for (int y = 0; y <= GridLast; ++y) {
            for (int x = 0; x <= GridLast; ++x) {
                const bool inner = x >= 1 && x <= 98 && y >= 1 && y <= 98;
                const bool border = x == 0 || y == 0 || x == GridLast || y == GridLast;
                const bool wasWall = (x == 20 && y == 30) || (x == 5 && y == 5);
                const bool wall = inner ? !wasWall : border || (x == 99 && y == 50);
                QVERIFY2(isWall(x, y) == wall, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
                if (x < GridLast && y < GridLast)
                    QCOMPARE(describe(insideColour(*window, x, y)),
                             describe(wall ? MapView::WallColour : MapView::Background));
            }
        }
        QCOMPARE(GuiTest::pixel(*window, 100, 0), MapView::GridColour);
        QCOMPARE(GuiTest::pixel(*window, 0, 100), MapView::GridColour);
        QCOMPARE(MapGrid(20, 30).passable, Open);
    }

    void invertTwiceRestoresTheMap()
    {
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        FrozenClock clock(5.0f);
        window->noise->trigger();
        window->blocks->trigger();
        const std::vector<std::byte> map = EditTest::mapBytes();
        window->invert->trigger();
        QVERIFY(EditTest::mapBytes() != map);
        window->invert->trigger();
        QVERIFY(EditTest::mapBytes() == map);
    }

    // ---- the wall reset ----

    void resetBringsBackTheDefaultMapAndACleanView_data()
    {
        QTest::addColumn<bool>("fromTheMenu");
        QTest::newRow("Command2_Click") << false;
        QTest::newRow("menu item Clear Walls") << true;
    }

    void resetBringsBackTheDefaultMapAndACleanView()
    {
        QFETCH(bool, fromTheMenu);
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        const QImage clean = window->Picture1->image().copy();
        const std::vector<std::int16_t> distances{&DistanceGrid(0, 0), &DistanceGrid(0, 0) + SquareCount};
        window->noise->trigger();
        window->blocks->trigger();
        window->invert->trigger();
        GuiTest::moveMouseOverMap(*window, {252, 252}, Qt::LeftButton);
        for (int i = 1; i < 60; ++i)
            window->colorsquare(cellCorner(i), cellCorner(i), std::int16_t(4 * i));
        window->delayms = 10;
        DistanceGrid(20, 20) = 1234;

        if (fromTheMenu)
            window->Clearwalls->trigger();
        else
            window->Command2_Click();

        QVERIFY(EditTest::mapBytes() == EditTest::defaultMapFile());
        QVERIFY(window->Picture1->image() == clean);
        QCOMPARE(window->delayms, std::int16_t(0));
        QVERIFY((std::vector<std::int16_t>{&DistanceGrid(0, 0), &DistanceGrid(0, 0) + SquareCount}) ==
                distances);
    }
};

QTEST_MAIN(GeneratorsTest)
#include "generators_test.moc"
