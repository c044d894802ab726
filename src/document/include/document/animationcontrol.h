// The search's result animation as runs stepped by one timer: every step is taken from the event
// loop after the pause before it, so every handler returns at once and none runs inside another.
// Runs stack: a search started during an animation runs its own, the innermost, which alone is
// stepped; the one below it waits, paused or not, and goes on as it was once the innermost ends.
// Space, Right and Esc act on them.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

#include "map/routeseer.h"
#include "picture/resultpainter.h"

class AnimationControl : public QObject {
    Q_OBJECT

  public:
    // What a run shows and how fast, each asked when it matters: whether to show the rings when
    // they would begin, the route when it would begin, the pause after every step, so a choice
    // made during the animation applies from then on, and the start and the finish to mark at the
    // end, where they stand then.
    struct Pacing {
        std::function<bool()> rings;
        std::function<bool()> route;
        std::function<int()> delay;
        std::function<Routeseer::PathStep()> start;
        std::function<Routeseer::PathStep()> finish;
    };
    // Paints one step of the latest search's result; whether it painted a square. The latest: a
    // search run during an animation leaves its own queue and route to the runs below it.
    using StepPainter = std::function<bool(ResultPainter::Part part, int index)>;
    // Paints the start and the finish at the end of a run.
    using EndPainter =
        std::function<void(const Routeseer::PathStep& start, const Routeseer::PathStep& finish)>;
    // The latest search's route length, which a run takes when its route begins.
    using RouteLength = std::function<int()>;

    AnimationControl(StepPainter paintStep, EndPainter paintEnds, RouteLength routeLength,
                     QObject* parent = nullptr);

    // A run of the result: its first step is painted at once, the rest from the event loop.
    void start(Pacing pacing);

    // Whether an animation is running, and whether the innermost one is paused.
    bool running() const { return !runs.empty(); }
    bool paused() const;
    // The pause after each step of the innermost run as it stands now; nothing while none runs.
    std::optional<int> delay() const;

    // Space: pauses or resumes the innermost run.
    void togglePause();
    // Right: while the innermost run is paused, its next step that paints a square, without a pause.
    void step();
    // Esc: every run paints the rest of its steps at once, innermost first.
    void finishAll();

  signals:
    // An animation started or ended, or was paused, resumed or finished.
    void changed();
    // A step of a run was painted, or passed over where it paints nothing.
    void stepped(const ResultPainter::Step& step);

  private:
    struct Run {
        Pacing pacing;
        ResultPainter::Part part = ResultPainter::Part::Rings;
        int next = 0;       // the index of the step to take next in its part
        int routeLast = -1; // the last route index, taken when the route begins
        bool paused = false;
        bool begun = false;
    };

    // Takes the innermost run's next step, or ends the run when it has none left; whether a step
    // painted a square.
    bool takeStep();
    // Whether the innermost run has a step to take, moving it on to its route when its rings end.
    bool hasStep(Run& run);
    void endInnermost();
    // What follows a step, or the end of a run above: the pause before the next step, or the wait.
    void goOn();
    void schedule(int milliseconds);
    void cancel();
    void tick();

    StepPainter paintStep;
    EndPainter paintEnds;
    RouteLength routeLength;
    std::vector<Run> runs; // outermost first
    QTimer timer;
    unsigned scheduled = 0; // the step asked for last; any earlier one is no longer due
};
