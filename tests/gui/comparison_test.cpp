// The lesson view's comparison (C): the keys move the replay of every pane together, a pane stepped
// back shows what a pane brought straight there shows, the figures at the end are the records',
// and the mouse on a pane edits the window's map (a stroke one undo step) and drags its ends
// without the window's reload.
#include <QComboBox>
#include <QScrollBar>
#include <QTest>

#include "app/comparepane.h"
#include "app/comparisonview.h"
#include "app/lessonview.h"
#include "document/mapdocument.h"
#include "guitest.h"
#include "map/routeseer.h"

using GuiTest::pressKey;
using namespace Routeseer;

namespace {

// The point of the pane over the middle of map square `square`.
QPoint pointOver(const ComparePane& pane, QPoint square)
{
    for (int y = 0; y < pane.height(); ++y)
        for (int x = 0; x < pane.width(); ++x)
            if (pane.squareAt({x, y}) == square) {
                const int half = pane.squareSize() / 2;
                return {x + half, y + half};
            }
    qFatal("square (%d, %d) is not on the pane", square.x(), square.y());
}

void drag(ComparePane& pane, Qt::MouseButton button, QPoint from, QPoint to)
{
    QTest::mousePress(&pane, button, Qt::NoModifier, pointOver(pane, from));
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    for (int step = 1; step <= steps; ++step) {
        const QPoint square = from + (to - from) * step / steps;
        QMouseEvent moved(QEvent::MouseMove, pointOver(pane, square),
                          pane.mapToGlobal(pointOver(pane, square)), Qt::NoButton, button, Qt::NoModifier);
        QApplication::sendEvent(&pane, &moved);
    }
    QTest::mouseRelease(&pane, button, Qt::NoModifier, pointOver(pane, to));
    // The searches run again once the stroke's events are done.
    QTest::qWait(20);
}

} // namespace

class ComparisonTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> window;
    LessonView* lesson = nullptr;

    ComparisonView& view() { return *lesson->comparisonView(); }
    ComparePane& firstPane() { return view().pane(0); }

  private slots:
    void init()
    {
        window = GuiTest::startProgram();
        QVERIFY(GuiTest::activate(*window));
        pressKey(*window, Qt::Key_F5);
        lesson = window->findChild<LessonView*>();
        QVERIFY(lesson && QTest::qWaitForWindowExposed(lesson));
        lesson->resize(1600, 1000);
        QTest::keyClick(lesson, Qt::Key_C);
        QVERIFY(lesson->comparing() && lesson->comparisonView());
        QTRY_VERIFY(firstPane().squareSize() >= 3);
    }
    void cleanup() { window.reset(); }

    void keysMoveEveryPaneTogetherAndBackIsAsStraightThere()
    {
        ComparisonView& compare = view();
        // The window's flood beside A*, as the view opens.
        QCOMPARE(compare.pane(1).timeline()->record().steps.empty(), false);
        const int longest = compare.longest();
        QCOMPARE(longest, compare.pane(0).timeline()->expansions());

        struct Press {
            Qt::Key key;
            int expected; // the position after it; -1: the first pane's next ring stop
        };
        QTest::keyClick(lesson, Qt::Key_PageDown);
        QTest::keyClick(lesson, Qt::Key_PageDown);
        const int twoRings = compare.position();
        QCOMPARE(compare.pane(0).timeline()->record().steps[0].square,
                 compare.pane(0).timeline()->record().start);
        const std::vector<Press> presses{{Qt::Key_Right, twoRings + 1}, {Qt::Key_Left, twoRings},
                                         {Qt::Key_PageUp, 1},           {Qt::Key_PageUp, 0},
                                         {Qt::Key_End, longest},        {Qt::Key_Home, 0},
                                         {Qt::Key_PageDown, -1}};
        for (const Press& press : presses) {
            const int ring = compare.pane(0).timeline()->nextStop();
            QTest::keyClick(lesson, press.key);
            QCOMPARE(compare.position(), press.expected < 0 ? ring : press.expected);
            for (int index = 0; index < 2; ++index) {
                const Timeline& timeline = *compare.pane(index).timeline();
                QCOMPARE(timeline.position(), std::min(compare.position(), timeline.expansions()));
            }
        }
        // Two rings of the flood: the start and its eight neighbours done, the sixteen squares two
        // steps away waiting, and the start again, as the window's flood finds it once more.
        QTest::keyClick(lesson, Qt::Key_Home);
        QTest::keyClick(lesson, Qt::Key_PageDown);
        QTest::keyClick(lesson, Qt::Key_PageDown);
        QCOMPARE(compare.position(), 9);
        QCOMPARE(compare.pane(0).timeline()->frontierSize(), 17);

        // Forwards to the end and back to a moment shows what a fresh replay there shows.
        const int moment = twoRings + 37;
        QTest::keyClick(lesson, Qt::Key_End);
        QVERIFY(compare.figuresTable().count(QLatin1Char('\n')) == 3);
        while (compare.position() > moment)
            QTest::keyClick(lesson, Qt::Key_Left);
        const QImage steppedBack = firstPane().rendered();
        ComparePane fresh;
        fresh.resize(firstPane().size());
        auto replay =
            std::make_shared<Timeline>(std::make_shared<Exploration>(firstPane().timeline()->record()), true);
        replay->seek(moment);
        std::vector<bool> open(GridSide * GridSide);
        for (int y = 0; y < GridSide; ++y)
            for (int x = 0; x < GridSide; ++x)
                open[static_cast<std::size_t>(y * GridSide + x)] = MapGrid(x, y).passable == Open;
        fresh.showSearch(firstPane().title(), replay, open);
        QCOMPARE(steppedBack, fresh.rendered());

        // Figures at the end, as the records give them; a step of the replay paints something.
        QTest::keyClick(lesson, Qt::Key_End);
        const QStringList rows = compare.figuresTable().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (int index = 0; index < 2; ++index) {
            const ExplorationFigures figures = figuresOf(compare.pane(index).timeline()->record());
            const QStringList cells = rows[index + 1].split(QLatin1Char('\t'));
            QCOMPARE(cells[3].toLongLong(), figures.expanded);
            QCOMPARE(cells[5].toLongLong(), figures.largestFrontier);
            QCOMPARE(cells[6].toLongLong(), figures.routeSteps);
            QVERIFY2(compare.pane(index).figures().contains(
                         QStringLiteral("route %1 steps").arg(figures.routeSteps)),
                     qPrintable(compare.pane(index).figures()));
        }
        QCOMPARE(rows[1].section(QLatin1Char('\t'), 6, 6), QStringLiteral("82"));
    }

    void mouseOnAPaneEditsTheWindowsMapAndDragsItsEnds()
    {
        ComparePane& pane = firstPane();
        const qsizetype changesBefore = window->document().history().count();
        // A stroke of walls across the way: one undo step, and the searches see it.
        drag(pane, Qt::LeftButton, {20, 10}, {20, 40});
        QCOMPARE(window->document().history().count(), changesBefore + 1);
        for (int y = 10; y <= 40; ++y)
            QVERIFY2(MapGrid(20, y).passable == Wall, qPrintable(QStringLiteral("(20, %1)").arg(y)));
        QCOMPARE(pane.timeline()->state(pane.timeline()->record().numberOf(20, 25)),
                 Timeline::State::Unreached);
        // Erased with the right button: another step, the border left as it is.
        drag(pane, Qt::RightButton, {20, 20}, {20, 30});
        QCOMPARE(window->document().history().count(), changesBefore + 2);
        // The brush is two squares wide and high.
        QVERIFY(MapGrid(20, 19).passable == Wall && MapGrid(20, 25).passable == Open &&
                MapGrid(20, 32).passable == Wall);
        drag(pane, Qt::RightButton, {0, 50}, {1, 50});
        QVERIFY(MapGrid(0, 50).passable == Wall);

        // The start dragged: the window's start and bar follow, the walls drawn stay, and the
        // searches start from there.
        drag(pane, Qt::LeftButton, {window->startpoint.x, window->startpoint.y}, {30, 12});
        QCOMPARE(window->startpoint.x, 30);
        QCOMPARE(window->startpoint.y, 12);
        QCOMPARE(window->HScroll1->value(), 30);
        QVERIFY(MapGrid(20, 19).passable == Wall);
        QCOMPARE(pane.timeline()->record().start, pane.timeline()->record().numberOf(30, 12));
        // Not onto a wall: it stops on the last open square.
        drag(pane, Qt::LeftButton, {window->finishpoint.x, window->finishpoint.y}, {20, 15});
        QVERIFY(MapGrid(window->finishpoint.x, window->finishpoint.y).passable == Open);
        QCOMPARE(window->document().undo(), true);
        QVERIFY(MapGrid(20, 25).passable == Wall);
    }
};

QTEST_MAIN(ComparisonTest)
#include "comparison_test.moc"
