// Times the window's heaviest painting: the whole result animation of a search at "Normal" on the
// open default map (every queue index, one event pass each, then the route), also with the lesson
// view open beside the window and full screen, and one clean redraw of a map that is all walls.
// Run it on a real X server (tests/e2e/xvfb.sh) or offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "app/appearance.h"
#include "app/comparepane.h"
#include "app/comparisonview.h"
#include "app/form1.h"
#include "app/lessonview.h"
#include "platform/platform.h"

namespace {

using namespace Routeseer;

[[noreturn]] void abortSetUp(const char* why)
{
    std::fprintf(stderr, "routeseer_window_bench: %s\n", why);
    std::exit(EXIT_FAILURE);
}

void timeAnimation(benchmark::State& state, Form1& window)
{
    window.Form_Load();
    window.Check2->setChecked(true);
    window.Check3->setChecked(true);
    window.Check4->setChecked(true);
    window.Command1_Click();
    if (window.Label2->text() != QStringLiteral("Path length: 82") || window.delayms != 0)
        abortSetUp("the default map did not load, or the delay is not Normal");
    const int steps = NodeQueueSize + pathlength + 1;
    for (auto _ : state)
        window.Command1_Click();
    state.counters["steps"] = steps;
    state.counters["per step"] = benchmark::Counter(steps, benchmark::Counter::kIsIterationInvariantRate |
                                                               benchmark::Counter::kInvert);
}

void fillWithWalls()
{
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x)
            MapGrid(x, y).passable = Wall;
}

enum class LessonShown { Closed, Open, FullScreen };

// Opens the lesson view as F5 does, as it opens or full screen, or closes it.
void showLessonView(Form1& window, LessonShown shown)
{
    QWidget* view = window.findChild<QWidget*>(QStringLiteral("lessonView"));
    if (shown != LessonShown::Closed && !view) {
        for (QShortcut* shortcut : window.findChildren<QShortcut*>())
            if (shortcut->keys().contains(QKeySequence(Qt::Key_F5)))
                emit shortcut->activated();
        view = window.findChild<QWidget*>(QStringLiteral("lessonView"));
        if (!view)
            abortSetUp("F5 opened no lesson view");
    }
    if (shown == LessonShown::Closed && view)
        view->close();
    else if (shown == LessonShown::Open)
        view->showNormal();
    else if (shown == LessonShown::FullScreen)
        view->showFullScreen();
    for (int pass = 0; pass < 20; ++pass)
        Platform::processEvents();
}

// `shown`: also the event pass that puts the new picture on the screen.
void timeCleanRedraw(benchmark::State& state, Form1& window, bool shown)
{
    fillWithWalls();
    for (auto _ : state) {
        window.Command3_Click();
        if (shown)
            Platform::processEvents();
    }
}

// The comparison full screen with four searches: the flood, A*, Dijkstra and greedy best-first.
ComparisonView& showComparison(Form1& window)
{
    showLessonView(window, LessonShown::FullScreen);
    auto* lesson = window.findChild<LessonView*>();
    // Without a window manager full screen is only asked for: the whole screen, to be sure.
    lesson->setGeometry(lesson->screen()->geometry());
    lesson->showComparison(true);
    ComparisonView& view = *lesson->comparisonView();
    const char* chosen[] = {"astar", "dijkstra", "greedy"};
    for (int pane = 1; pane < ComparisonView::Panes; ++pane) {
        QComboBox& chooser = view.chooser(pane);
        chooser.setCurrentIndex(chooser.findText(QString::fromLatin1(chosen[pane - 1]), Qt::MatchStartsWith));
    }
    for (int pass = 0; pass < 20; ++pass)
        Platform::processEvents();
    if (view.pane(3).timeline() == nullptr || view.longest() < 2000)
        abortSetUp("the comparison shows no four searches");
    return view;
}

// A frame of the replay at one expansion per millisecond per pane: 16 expansions on, painted.
void timeCompareFrame(benchmark::State& state, ComparisonView& view)
{
    view.toStart();
    for (auto _ : state) {
        if (view.position() >= view.longest()) {
            state.PauseTiming();
            view.toStart();
            Platform::processEvents();
            state.ResumeTiming();
        }
        view.stepBy(16);
        Platform::processEvents();
    }
    state.counters["width"] = view.width();
    state.counters["height"] = view.height();
}

// 1,000 expansions back at once, from the end or wherever it stands, painted.
void timeStepBack(benchmark::State& state, ComparisonView& view)
{
    view.toEnd();
    for (auto _ : state) {
        if (view.position() < 1000) {
            state.PauseTiming();
            view.toEnd();
            Platform::processEvents();
            state.ResumeTiming();
        }
        view.stepBy(-1000);
        Platform::processEvents();
    }
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    chooseScreenScaling();
    chooseScreenTransfer();
    QApplication application(argc, argv);
    applyAppearance();
    Form1 window;
    window.Form_Load();

    const std::pair<const char*, LessonShown> animations[] = {
        {"BM_animation/normal/open", LessonShown::Closed},
        {"BM_animation/normal/open/lessonView", LessonShown::Open},
        {"BM_animation/normal/open/lessonView/fullScreen", LessonShown::FullScreen},
    };
    for (const auto& [name, lessonView] : animations)
        benchmark::RegisterBenchmark(name,
                                     [&window, lessonView](benchmark::State& state) {
                                         showLessonView(window, lessonView);
                                         timeAnimation(state, window);
                                     })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    benchmark::RegisterBenchmark(
        "BM_cleanRedraw/allWalls",
        [&window](benchmark::State& state) { timeCleanRedraw(state, window, false); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("BM_cleanRedraw/allWalls/shown",
                                 [&window](benchmark::State& state) { timeCleanRedraw(state, window, true); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(
        "BM_compare/fourPanes/fullScreen/frameOf16",
        [&window](benchmark::State& state) { timeCompareFrame(state, showComparison(window)); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark(
        "BM_compare/fourPanes/fullScreen/back1000",
        [&window](benchmark::State& state) { timeStepBack(state, showComparison(window)); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
