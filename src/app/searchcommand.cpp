// The search command: search from the start to the finish, report its time and length, animate the
// result; and the keys that pause, step and finish the animation.
#include <QCheckBox>
#include <QLabel>

#include "app/form1.h"
#include "document/mapdocument.h"

using namespace ::Routeseer;

namespace {

// A greyed box counts as unticked.
bool ticked(const QCheckBox& box) { return box.checkState() == Qt::Checked; }

} // namespace

void Form1::Command1_Click()
{
    if (ticked(*Check4))
        Command3_Click();
    map->search(startpoint, finishpoint);
    // The caption tells more of the search the panel reports, and of no other.
    showSearchInCaption();

    Label1->setText(QStringLiteral("Time to compute: %1 milliseconds").arg(elapsedms));
    // A failed search leaves no route, so there is no length to report.
    Label2->setText(PathSteps.empty() ? QStringLiteral("Path length: none")
                                      : QStringLiteral("Path length: %1").arg(pathlength));

    // Each option box is read when its part of the animation begins, and the delay after every
    // step, so a choice made during the animation applies from then on.
    map->showResult({[this] { return ticked(*Check3); }, [this] { return ticked(*Check2); },
                     [this] { return int(delayms); }, [this] { return startpoint; },
                     [this] { return finishpoint; }});
}

void Form1::go_Click() { Command1_Click(); }

void Form1::pauseAnimation() { map->animations().togglePause(); }

void Form1::stepAnimation() { map->animations().step(); }

void Form1::finishAnimations() { map->animations().finishAll(); }
