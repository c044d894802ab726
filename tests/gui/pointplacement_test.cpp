// Moving the start and the finish with the four bars, and showing the bars.
#include <QAction>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include "app/mapcanvas.h"
#include "app/mapfileboxes.h"
#include "edittest.h"
#include "guitest.h"
#include "storage/programfiles.h"

using GuiTest::describe;
using GuiTest::insideColour;
using namespace Routeseer;

namespace {

// "shown" or "hidden", or "mixed" when the four bars disagree.
QString bars(const Form1& window)
{
    int shown = 0;
    for (const QScrollBar* each : {window.HScroll1, window.HScroll2, window.VScroll1, window.VScroll2})
        shown += each->isHidden() ? 0 : 1;
    return shown == 4   ? QStringLiteral("shown")
           : shown == 0 ? QStringLiteral("hidden")
                        : QStringLiteral("mixed");
}

// Clicks the arrow at the far end of a bar, the one that adds a step.
void clickAddArrow(QScrollBar& bar)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.subControls = QStyle::SC_All;
    const QRect arrow =
        bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, &bar);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, arrow.center());
}

} // namespace

class PointPlacementTest : public QObject {
    Q_OBJECT

  private slots:
    void barChangeResetsTheMapThenMovesItsPoint_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("value");
        QTest::addColumn<PathStep>("start");
        QTest::addColumn<PathStep>("finish");
        QTest::newRow("HScroll1") << QStringLiteral("HScroll1") << 30 << PathStep{30, 5} << PathStep{87, 87};
        QTest::newRow("HScroll2") << QStringLiteral("HScroll2") << 97 << PathStep{5, 97} << PathStep{87, 87};
        QTest::newRow("VScroll1") << QStringLiteral("VScroll1") << 2 << PathStep{5, 5} << PathStep{87, 2};
        QTest::newRow("VScroll2") << QStringLiteral("VScroll2") << 40 << PathStep{5, 5} << PathStep{40, 87};
    }

    void barChangeResetsTheMapThenMovesItsPoint()
    {
        QFETCH(QString, name);
        QFETCH(int, value);
        QFETCH(PathStep, start);
        QFETCH(PathStep, finish);
        GuiTest::ModalBoxes boxes;
        GuiTest::ProgramFolder folder;
        const auto window = GuiTest::startProgram();
        // A map from the list, walls drawn on it, a slow delay and a path on the picture.
        QVERIFY(MapFileBoxes::load(window->document(), folder.path(QStringLiteral("rooms.map"))));
        GuiTest::moveMouseOverMap(*window, {252, 252}, Qt::LeftButton);
        window->delayms = 10;
        window->colorsquareblue(MapView::cellCorner(60), MapView::cellCorner(60));

        window->findChild<QScrollBar*>(name)->setValue(value);

        QCOMPARE(window->startpoint, start);
        QCOMPARE(window->finishpoint, finish);
        QVERIFY(EditTest::mapBytes() == EditTest::defaultMapFile());
        QCOMPARE(window->delayms, std::int16_t(0));
        // The distances are measured from the new start: its neighbours are one step away.
        QCOMPARE(DistanceGrid(start.x + 1, start.y), std::int16_t(1));
        QCOMPARE(DistanceGrid(start.x - 1, start.y), std::int16_t(1));
        // A clean view with the markers where the points now are.
        QCOMPARE(describe(insideColour(*window, start.x, start.y)), describe(MapView::MarkerColour));
        QCOMPARE(describe(insideColour(*window, finish.x, finish.y)), describe(MapView::MarkerColour));
        QCOMPARE(describe(insideColour(*window, 60, 60)), describe(MapView::Background));
        QCOMPARE(describe(insideColour(*window, 50, 50)), describe(MapView::Background));
        const bool startMoved = !(start == PathStep{5, 5});
        QCOMPARE(describe(insideColour(*window, startMoved ? 5 : 87, 5)), describe(MapView::Background));
    }

    void arrowClickMovesThePointOneSquare()
    {
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        window->movepoints->trigger();
        clickAddArrow(*window->HScroll1);
        QCOMPARE(window->startpoint, (PathStep{6, 5}));
        clickAddArrow(*window->VScroll1);
        QCOMPARE(window->finishpoint, (PathStep{87, 88}));
        QCOMPARE(describe(insideColour(*window, 6, 5)), describe(MapView::MarkerColour));
        QCOMPARE(describe(insideColour(*window, 5, 5)), describe(MapView::Background));
        QCOMPARE(describe(insideColour(*window, 87, 88)), describe(MapView::MarkerColour));
    }

    void moveStartFinishShowsAndHidesTheBarsWithItsCheckMark()
    {
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        const QImage look = window->grab().toImage();
        QVERIFY(!window->movepoints->isChecked());
        QCOMPARE(bars(*window), QStringLiteral("hidden"));

        window->movepoints->trigger();
        QVERIFY(window->movepoints->isChecked());
        QCOMPARE(bars(*window), QStringLiteral("shown"));
        QVERIFY(window->grab().toImage() != look);

        window->movepoints->trigger();
        QVERIFY(!window->movepoints->isChecked());
        QCOMPARE(bars(*window), QStringLiteral("hidden"));
        QVERIFY(window->grab().toImage() == look);

        // Run as a command rather than from the menu, it switches the same way.
        window->movepoints_Click();
        QVERIFY(window->movepoints->isChecked());
        QCOMPARE(bars(*window), QStringLiteral("shown"));
        window->movepoints_Click();
        QVERIFY(!window->movepoints->isChecked());
        QCOMPARE(bars(*window), QStringLiteral("hidden"));
        // Hiding the bars leaves the points where they are.
        QCOMPARE(window->startpoint, (PathStep{5, 5}));
    }
};

QTEST_MAIN(PointPlacementTest)
#include "pointplacement_test.moc"
