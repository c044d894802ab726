// Space, Right and Esc on the result animation: pausing waits for the user, a step paints exactly
// one square, Esc leaves exactly the picture an undisturbed run would, and Space goes to the
// focused control whenever no animation runs.
#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/mapcanvas.h"
#include "document/mapdocument.h"
#include "edittest.h"
#include "guitest.h"
#include "pacinglog.h"
#include "picture/mapgeometry.h"

using EditTest::changedSquares;
using EditTest::Squares;
using GuiTest::describe;
using GuiTest::insideColour;
using GuiTest::pressKey;
using namespace Routeseer;

namespace {

constexpr PathStep DefaultFinish{87, 87};
constexpr PathStep NestedFinish{40, 20};

// What the animation has painted so far.
QImage shown(const Form1& window) { return window.Picture1->image().copy(); }

} // namespace

class AnimationKeysTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> window;

    void nestedSearch()
    {
        window->finishpoint = NestedFinish;
        window->Command1->click();
    }

    // The picture a run leaves with a nested search started at pause `nestedAt` (none if negative).
    QImage undisturbedRun(int nestedAt)
    {
        GuiTest::PacingLog pacing;
        if (nestedAt >= 0)
            pacing.atPause(std::size_t(nestedAt), [this] { nestedSearch(); });
        GuiTest::search(*window);
        window->finishpoint = DefaultFinish;
        return shown(*window);
    }

  private slots:
    void init()
    {
        window = GuiTest::startProgram();
        QVERIFY(GuiTest::activate(*window));
        window->Check3->setChecked(true);
        window->tectonic->trigger();
    }
    void cleanup() { window.reset(); }

    void escapeLeavesThePictureOfAnUndisturbedRun_data()
    {
        QTest::addColumn<int>("nestedAt");
        QTest::addColumn<int>("pauseAt");
        QTest::addColumn<int>("escapeAt");
        QTest::newRow("Esc during the rings") << -1 << -1 << 1000;
        QTest::newRow("Esc during the route") << -1 << -1 << NodeQueueSize + 20;
        QTest::newRow("Esc while paused") << -1 << 700 << -1;
        QTest::newRow("Esc inside a nested search finishes both") << 500 << -1 << 2500;
        QTest::newRow("Esc while a nested search is paused") << 500 << NodeQueueSize + 600 << -1;
    }

    void escapeLeavesThePictureOfAnUndisturbedRun()
    {
        QFETCH(int, nestedAt);
        QFETCH(int, pauseAt);
        QFETCH(int, escapeAt);
        const QImage undisturbed = undisturbedRun(nestedAt);
        window->Command3_Click();

        GuiTest::PacingLog pacing;
        if (nestedAt >= 0)
            pacing.atPause(std::size_t(nestedAt), [this] { nestedSearch(); });
        if (escapeAt >= 0)
            pacing.atPause(std::size_t(escapeAt), [this] { pressKey(*window, Qt::Key_Escape); });
        if (pauseAt >= 0) {
            pacing.atPause(std::size_t(pauseAt), [this] { pressKey(*window, Qt::Key_Space); });
            pacing.whileWaiting([this] { pressKey(*window, Qt::Key_Escape); });
        }
        GuiTest::search(*window);

        const Squares differing = changedSquares(undisturbed, shown(*window));
        QVERIFY2(differing.empty(), qPrintable(EditTest::describe(differing)));
        // Nothing was paused after the key: the key ran in the event pass after its pause.
        QCOMPARE(int(pacing.pauses().size()), std::max(pauseAt, escapeAt) + 1);
        QVERIFY(!window->document().animations().running());
        QVERIFY(!window->windowTitle().contains(QLatin1String("paused")));
    }

    void rightPaintsOneStepWithoutItsPause_data()
    {
        QTest::addColumn<int>("pauseAt");
        QTest::newRow("a ring square") << 300;
        QTest::newRow("a route square") << NodeQueueSize + 10;
        // Past the entries the search filled nothing shows until the route: Right goes on to it.
        QTest::newRow("across the queue entries the search did not fill") << 8000;
    }

    void rightPaintsOneStepWithoutItsPause()
    {
        QFETCH(int, pauseAt);
        GuiTest::PacingLog pacing;
        QImage before;
        std::size_t pausesBefore = 0;
        pacing.atPause(std::size_t(pauseAt), [this] { pressKey(*window, Qt::Key_Space); });
        pacing.whileWaiting([&] {
            before = shown(*window);
            pausesBefore = pacing.pauses().size();
            pressKey(*window, Qt::Key_Right);
        });
        pacing.whileWaiting([&] {
            // Space ran before the step after pause pauseAt; Right painted the next step that paints.
            int step = pauseAt + 1;
            if (step < NodeQueueSize && NodeQueue[step].distance == Unreached)
                step = NodeQueueSize;
            const bool ring = step < NodeQueueSize;
            const PathStep square = ring ? PathStep{NodeQueue[step].x, NodeQueue[step].y}
                                         : PathSteps[std::size_t(step - NodeQueueSize)];
            const Squares painted = changedSquares(before, shown(*window));
            QCOMPARE(EditTest::describe(painted), EditTest::describe(Squares{{square.x, square.y}}));
            const QRgb colour = ring ? qRgb(step % 255, 0, 0) : MapView::RouteColour;
            QCOMPARE(describe(insideColour(*window, square.x, square.y)), describe(colour));
            QCOMPARE(pacing.pauses().size(), pausesBefore);
            pressKey(*window, Qt::Key_Escape);
        });
        GuiTest::search(*window);
        QCOMPARE(pacing.waits(), 2);
    }

    // Paused, the window goes on working: a new search runs its animation inside and the outer one
    // is still paused after it; Space resumes and the animation makes all its pauses.
    void pausedAnimationWaitsThroughANestedSearchUntilSpace()
    {
        GuiTest::PacingLog pacing;
        pacing.atPause(200, [this] { pressKey(*window, Qt::Key_Space); });
        pacing.whileWaiting([this] {
            QVERIFY(window->windowTitle().endsWith(QLatin1String(" (paused)")));
            window->Check3->setChecked(false);
            nestedSearch();
        });
        pacing.whileWaiting([this] {
            QVERIFY(window->document().animations().paused());
            // The caption reports the nested search, the last one.
            const QString nested = QStringLiteral("route %1 steps (paused)").arg(pathlength);
            QVERIFY2(window->windowTitle().endsWith(nested), qPrintable(window->windowTitle()));
            pressKey(*window, Qt::Key_Space);
        });
        GuiTest::search(*window);
        QVERIFY(!window->windowTitle().endsWith(QLatin1String("(paused)")));
        // The outer animation's every step, then its route bounded by the nested search's route,
        // with the nested search's route in between; and the pause that Space cut short, made again
        // in full when the animation goes on.
        QCOMPARE(int(pacing.pauses().size()), NodeQueueSize + 2 * (pathlength + 1) + 1);
    }

    // Undo during an animation finishes it first, then takes the walls back and redraws clean:
    // never a picture of old rings over new walls.
    void undoDuringAnAnimationLeavesACleanPicture()
    {
        QTest::mousePress(window->Picture1, Qt::LeftButton, {}, EditTest::over(40, 40).toPoint());
        GuiTest::moveMouseOverMap(*window, EditTest::over(40, 40), Qt::LeftButton);
        QTest::mouseRelease(window->Picture1, Qt::LeftButton, {}, EditTest::over(40, 40).toPoint());
        const std::vector<std::byte> drawn = EditTest::mapBytes();
        GuiTest::PacingLog pacing;
        pacing.atPause(1000, [this] { pressKey(*window, Qt::Key_Z, Qt::ControlModifier); });
        GuiTest::search(*window);
        QTRY_VERIFY(EditTest::mapBytes() != drawn);
        QVERIFY(!EditTest::isWall(40, 40));
        const QImage afterUndo = shown(*window);
        window->Command3_Click();
        const Squares differing = changedSquares(afterUndo, shown(*window));
        QVERIFY2(differing.empty(), qPrintable(EditTest::describe(differing)));
        // The rest of the animation was finished at once, without its pauses.
        QCOMPARE(int(pacing.pauses().size()), 1001);
    }

    void spaceGoesToTheFocusedControlOnlyWithoutAnAnimation_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("animating");
        QTest::newRow("button during an animation") << "Command1" << true;
        QTest::newRow("button without an animation") << "Command1" << false;
    }

    void spaceGoesToTheFocusedControlOnlyWithoutAnAnimation()
    {
        QFETCH(QString, control);
        QFETCH(bool, animating);
        auto* focused = window->findChild<QAbstractButton*>(control);
        focused->setFocus();
        QSignalSpy clicks(focused, &QAbstractButton::clicked);
        GuiTest::PacingLog pacing;
        if (animating) {
            pacing.atPause(100, [this] { pressKey(*window, Qt::Key_Space); });
            pacing.whileWaiting([this] { pressKey(*window, Qt::Key_Escape); });
            GuiTest::search(*window);
        } else {
            window->Check3->setChecked(false);
            pressKey(*window, Qt::Key_Space);
        }
        QCOMPARE(window->focusWidget(), focused);
        QCOMPARE(clicks.count(), animating ? 0 : 1);
        QCOMPARE(pacing.waits(), animating ? 1 : 0);
    }
};

QTEST_MAIN(AnimationKeysTest)
#include "animationkeys_test.moc"
