// Drawing walls with the mouse and the distance readout beside the pointer.
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include "app/mapcanvas.h"
#include "edittest.h"
#include "guitest.h"

using EditTest::changedSquares;
using EditTest::isWall;
using EditTest::over;
using EditTest::Squares;
using GuiTest::describe;
using GuiTest::insideColour;
using GuiTest::moveMouseOverMap;
using namespace Routeseer;

namespace {

void open(const Squares& squares)
{
    for (const auto& [x, y] : squares)
        MapGrid(x, y).passable = Open;
}

void verifyWalls(const Squares& squares)
{
    for (const auto& [x, y] : squares)
        QVERIFY2(isWall(x, y), qPrintable(QStringLiteral("(%1, %2) is open").arg(x).arg(y)));
}

} // namespace

Q_DECLARE_METATYPE(Squares)

class WallDrawingTest : public QObject {
    Q_OBJECT

  private slots:
    void leftDragDrawsTwoByTwoWallsAtEachMove()
    {
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        const std::vector<std::byte> map = EditTest::mapBytes();
        const QImage picture = window->Picture1->image().copy();

        for (int x : {10, 11, 12})
            moveMouseOverMap(*window, over(x, 10), Qt::LeftButton);
        // Two moves far apart: the squares between them are not filled in.
        moveMouseOverMap(*window, over(10, 20), Qt::LeftButton);
        moveMouseOverMap(*window, over(14, 20), Qt::LeftButton);

        const Squares drawn{{10, 10}, {11, 10}, {12, 10}, {13, 10}, {10, 11}, {11, 11}, {12, 11}, {13, 11},
                            {10, 20}, {11, 20}, {14, 20}, {15, 20}, {10, 21}, {11, 21}, {14, 21}, {15, 21}};
        verifyWalls(drawn);
        for (const auto& [x, y] : drawn)
            QCOMPARE(describe(insideColour(*window, x, y)), describe(MapView::WallColour));
        const Squares painted = changedSquares(picture, window->Picture1->image());
        QVERIFY2(painted == drawn, qPrintable(EditTest::describe(painted)));
        open(drawn);
        QVERIFY(EditTest::mapBytes() == map);
    }

    void otherButtonsDrawNothingButTheReadoutFollows_data()
    {
        QTest::addColumn<Qt::MouseButtons>("buttons");
        QTest::newRow("no button") << Qt::MouseButtons(Qt::NoButton);
        QTest::newRow("right") << Qt::MouseButtons(Qt::RightButton);
        QTest::newRow("middle") << Qt::MouseButtons(Qt::MiddleButton);
        QTest::newRow("left and right") << (Qt::LeftButton | Qt::RightButton);
        QTest::newRow("left and middle") << (Qt::LeftButton | Qt::MiddleButton);
    }

    void otherButtonsDrawNothingButTheReadoutFollows()
    {
        QFETCH(Qt::MouseButtons, buttons);
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        const std::vector<std::byte> map = EditTest::mapBytes();
        const QImage picture = window->Picture1->image().copy();

        moveMouseOverMap(*window, over(50, 20), buttons, Qt::ShiftModifier);

        // 45 steps from the start (5, 5): the longer of the two distances.
        QCOMPARE(window->Text1->text(), QStringLiteral("45"));
        QVERIFY(EditTest::mapBytes() == map);
        QVERIFY(changedSquares(picture, window->Picture1->image()).empty());
    }

    // The square under the pointer is found by floor division, never by rounding.
    void pointerPositionPicksTheSquareBelowIt_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<QPoint>("square");
        QTest::newRow("x 0") << QPointF(0, 252) << QPoint(0, 50);
        QTest::newRow("x 3.5") << QPointF(3.5, 252) << QPoint(0, 50);
        QTest::newRow("x 4.99") << QPointF(4.99, 252) << QPoint(0, 50);
        QTest::newRow("x 5") << QPointF(5, 252) << QPoint(1, 50);
        QTest::newRow("x 9.7") << QPointF(9.7, 252) << QPoint(1, 50);
        QTest::newRow("y 0") << QPointF(252, 0) << QPoint(50, 0);
        QTest::newRow("y 4.5") << QPointF(252, 4.5) << QPoint(50, 0);
        QTest::newRow("y 5") << QPointF(252, 5) << QPoint(50, 1);
    }

    void pointerPositionPicksTheSquareBelowIt()
    {
        QFETCH(QPointF, at);
        QFETCH(QPoint, square);
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        const auto [x, y] = std::pair(square.x(), square.y());
        // Open the border squares the brush may reach, so every write shows.
        open({{x, y}, {x + 1, y}, {x, y + 1}, {x + 1, y + 1}});
        const std::vector<std::byte> opened = EditTest::mapBytes();

        moveMouseOverMap(*window, at, Qt::LeftButton);

        const Squares brush{{x, y}, {x + 1, y}, {x, y + 1}, {x + 1, y + 1}};
        verifyWalls(brush);
        open(brush);
        QVERIFY(EditTest::mapBytes() == opened);
    }

    // While the button is held the picture reports moves beyond its edges: the brush writes the
    // squares that are on the map and nothing else, wherever a square off the map would fall.
    void brushAtTheEdgesWritesOnlySquaresOnTheMap_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<Squares>("written");
        QTest::addColumn<Squares>("untouched");
        QTest::addColumn<QString>("readout");
        // Column 101 of row y would be (0, y + 1) in the map's memory, column -1 would be (100, y - 1).
        QTest::newRow("column 100") << QPointF(502.5, 252.5) << Squares{{100, 50}, {100, 51}}
                                    << Squares{{0, 51}, {0, 52}} << QStringLiteral("-1");
        QTest::newRow("column -1") << QPointF(-2.5, 252.5) << Squares{{0, 50}, {0, 51}}
                                   << Squares{{100, 49}, {100, 50}} << QStringLiteral("kept");
        QTest::newRow("row 100") << QPointF(252.5, 502.5) << Squares{{50, 100}, {51, 100}} << Squares{}
                                 << QStringLiteral("-1");
        QTest::newRow("row -1") << QPointF(252.5, -2.5) << Squares{{50, 0}, {51, 0}} << Squares{}
                                << QStringLiteral("kept");
        QTest::newRow("far outside") << QPointF(-40, 700) << Squares{} << Squares{} << QStringLiteral("kept");
    }

    void brushAtTheEdgesWritesOnlySquaresOnTheMap()
    {
        QFETCH(QPointF, at);
        QFETCH(Squares, written);
        QFETCH(Squares, untouched);
        QFETCH(QString, readout);
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        open(written);
        open(untouched);
        for (const auto& [x, y] : written)
            window->colorsquareblue(MapView::cellCorner(x), MapView::cellCorner(y));
        const std::vector<std::byte> opened = EditTest::mapBytes();
        window->Text1->setText(QStringLiteral("kept"));

        moveMouseOverMap(*window, at, Qt::LeftButton);

        verifyWalls(written);
        for (const auto& [x, y] : written)
            if (x < GridLast && y < GridLast) // the insides of column and row 100 lie off the picture
                QCOMPARE(describe(insideColour(*window, x, y)), describe(MapView::WallColour));
        open(written);
        QVERIFY(EditTest::mapBytes() == opened);
        // Off the map the readout keeps its text; the edge itself was a wall at the last search.
        QCOMPARE(window->Text1->text(), readout);
    }

    void readoutShowsTheDistancesOfTheLastSearch()
    {
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        moveMouseOverMap(*window, over(0, 50));
        QCOMPARE(window->Text1->text(), QStringLiteral("-1")); // a wall
        moveMouseOverMap(*window, over(99, 99));
        QCOMPARE(window->Text1->text(), QStringLiteral("0")); // the search stopped before it
        moveMouseOverMap(*window, over(50, 20), Qt::LeftButton);
        QVERIFY(isWall(50, 20));
        moveMouseOverMap(*window, over(51, 20));
        QCOMPARE(window->Text1->text(), QStringLiteral("46")); // drawn after the search: old distance
    }

    void readoutBoxFollowsThePointerOnlyWhileTicked()
    {
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        QLineEdit& box = *window->Text1;
        const QPoint home = box.pos();
        QVERIFY(box.isHidden());

        moveMouseOverMap(*window, {101.5, 200.5});
        QCOMPARE(box.pos(), home);
        QVERIFY(box.isHidden());
        QCOMPARE(box.text(), QStringLiteral("35"));

        window->Check1->setChecked(true);
        QVERIFY(!box.isHidden());
        QCOMPARE(box.pos(), home); // it shows where it stood until the pointer moves
        // 35 to the right of the pointer, level with it; halves go to the even pixel.
        moveMouseOverMap(*window, {101.5, 200.5});
        QCOMPARE(box.pos(), QPoint(136, 200));
        moveMouseOverMap(*window, {-20.25, 2.5}, Qt::LeftButton);
        QCOMPARE(box.pos(), QPoint(15, 2));

        window->Check1->setChecked(false);
        QVERIFY(box.isHidden());
        moveMouseOverMap(*window, over(60, 5));
        QCOMPARE(box.pos(), QPoint(15, 2));
        QCOMPARE(box.text(), QStringLiteral("55"));
    }

    // Shown at its place at start, the box lies over the tick square of the check box that shows
    // it: a click there reaches the check box, and typing puts nothing into the box.
    void readoutBoxLetsAClickThroughToItsCheckBox()
    {
        GuiTest::ModalBoxes boxes;
        const auto window = GuiTest::startProgram();
        QVERIFY(GuiTest::activate(*window));
        window->Check1->setChecked(true);
        QLineEdit& box = *window->Text1;
        const QPoint tick = window->Check1->mapTo(window.get(), QPoint(6, window->Check1->height() / 2));
        QVERIFY(box.geometry().contains(box.parentWidget()->mapFrom(window.get(), tick)));

        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, tick);
        QVERIFY(!window->Check1->isChecked());
        QVERIFY(box.isHidden());
        window->Check1->setChecked(true);
        const QString readout = box.text();
        QTest::keyClicks(window->focusWidget(), QStringLiteral("12"));
        QCOMPARE(box.text(), readout);
    }
};

QTEST_MAIN(WallDrawingTest)
#include "walldrawing_test.moc"
