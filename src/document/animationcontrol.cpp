#include "document/animationcontrol.h"

#include <utility>

#include "platform/platform.h"

using ResultPainter::Part;

AnimationControl::AnimationControl(StepPainter painter, EndPainter endPainter, RouteLength length,
                                   QObject* parent)
    : QObject(parent), paintStep(std::move(painter)), paintEnds(std::move(endPainter)),
      routeLength(std::move(length))
{
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, &AnimationControl::tick);
}

void AnimationControl::schedule(int milliseconds)
{
    cancel();
    // Without a pause the next step is posted, to come after whatever the events waiting now do.
    if (milliseconds > 0)
        timer.start(milliseconds);
    else
        QMetaObject::invokeMethod(
            this,
            [this, ticket = scheduled] {
                if (ticket == scheduled)
                    tick();
            },
            Qt::QueuedConnection);
}

void AnimationControl::cancel()
{
    ++scheduled;
    timer.stop();
}

void AnimationControl::start(Pacing pacing)
{
    cancel();
    runs.push_back(Run{std::move(pacing)});
    emit changed();
    takeStep();
    goOn();
}

bool AnimationControl::paused() const { return !runs.empty() && runs.back().paused; }

std::optional<int> AnimationControl::delay() const
{
    if (runs.empty())
        return std::nullopt;
    return runs.back().pacing.delay();
}

bool AnimationControl::hasStep(Run& run)
{
    // Each part's option is asked when the part begins, the route's length too.
    if (!run.begun) {
        run.begun = true;
        run.part = run.pacing.rings() ? Part::Rings : Part::Route;
        if (run.part == Part::Route)
            run.routeLast = run.pacing.route() ? routeLength() : -1;
    }
    // Every index of the queue, filled or not, so a short search still takes one step per entry.
    if (run.part == Part::Rings && run.next >= Routeseer::NodeQueueSize) {
        run.part = Part::Route;
        run.next = 0;
        run.routeLast = run.pacing.route() ? routeLength() : -1;
    }
    // The route's length was taken when it began, but a search run during a pause may have left a
    // shorter one behind: the route in place decides where the steps stop.
    return run.part == Part::Rings || (run.next <= run.routeLast && run.next <= routeLength());
}

bool AnimationControl::takeStep()
{
    Run& run = runs.back();
    if (!hasStep(run)) {
        endInnermost();
        return false;
    }
    const ResultPainter::Step step{run.part, run.next++, false};
    const bool painted = paintStep(step.part, step.index);
    emit stepped({step.part, step.index, painted});
    return painted;
}

void AnimationControl::endInnermost()
{
    const Run ended = std::move(runs.back());
    runs.pop_back();
    paintEnds(ended.pacing.start(), ended.pacing.finish());
    emit changed();
}

void AnimationControl::goOn()
{
    if (runs.empty())
        return;
    if (runs.back().paused) {
        Platform::animationWaits();
        return;
    }
    schedule(Platform::pauseBeforeStep(runs.back().pacing.delay()));
}

void AnimationControl::tick()
{
    if (runs.empty() || runs.back().paused)
        return;
    // A run that ends hands the timer to the one below it, which then makes the pause it was
    // making when the ended one began.
    takeStep();
    goOn();
}

void AnimationControl::togglePause()
{
    if (runs.empty())
        return;
    Run& innermost = runs.back();
    innermost.paused = !innermost.paused;
    cancel();
    emit changed();
    goOn();
}

void AnimationControl::step()
{
    if (!paused())
        return;
    // Steps that paint nothing pass at once, so each Right shows a square.
    const std::size_t depth = runs.size();
    while (runs.size() == depth && !takeStep()) {
    }
    goOn();
}

void AnimationControl::finishAll()
{
    if (runs.empty())
        return;
    cancel();
    while (!runs.empty())
        takeStep();
    emit changed();
}
