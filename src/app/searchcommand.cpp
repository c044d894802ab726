// The search command: search from the start to the finish, report its time and length, animate the
// result; and the keys that pause, step and finish the animation.
#include <QCheckBox>
#include <QLabel>

#include "app/form1.h"
#include "app/mapcanvas.h"
#include "document/animationcontrol.h"
#include "picture/mapdrawing.h"

using namespace ::Routeseer;

namespace {

// A greyed box counts as unticked.
bool ticked(const QCheckBox& box) { return box.checkState() == Qt::Checked; }

// After every step the animation lets anything the user does run, then pauses for the delay, which
// is read afresh each time, so a mode chosen during the animation applies from the next step.
void showRings(Form1& window, AnimationControl::Run& run)
{
    // Every index of the queue, so a short search still costs one pause per entry. The queue is
    // read afresh at each index: a search run during a pause continues here with its entries.
    for (int i = 0; i < NodeQueueSize; ++i) {
        MapDrawing::paintRing(window.Picture1->picture(), i);
        run.afterStep(window.delayms);
    }
}

void showRoute(Form1& window, AnimationControl::Run& run)
{
    // The length is taken once, but a search run during a pause may leave a shorter route behind:
    // the route in place at each step decides where painting stops.
    const auto bound = static_cast<std::int16_t>(pathlength);
    for (int k = 0; k <= bound && k < std::ssize(PathSteps); ++k) {
        MapDrawing::paintRouteSquare(window.Picture1->picture(), k);
        run.afterStep(window.delayms);
    }
}

} // namespace

void Form1::Command1_Click()
{
    if (ticked(*Check4))
        Command3_Click();
    findpath(startpoint, finishpoint);
    showSearchInCaption();

    Label1->setText(QStringLiteral("Time to compute: %1 milliseconds").arg(elapsedms));
    // A failed search leaves no route, so there is no length to report.
    Label2->setText(PathSteps.empty() ? QStringLiteral("Path length: none")
                                      : QStringLiteral("Path length: %1").arg(pathlength));

    AnimationControl::Run run(*animations);
    if (ticked(*Check3))
        showRings(*this, run);
    if (ticked(*Check2))
        showRoute(*this, run);
    paintMarkers();
}

void Form1::go_Click() { Command1_Click(); }

void Form1::pauseAnimation() { animations->togglePause(); }

void Form1::stepAnimation() { animations->step(); }

void Form1::finishAnimations() { animations->finishAll(); }
