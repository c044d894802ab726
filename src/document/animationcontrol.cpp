#include "document/animationcontrol.h"

#include <algorithm>

#include "platform/platform.h"

AnimationControl::Run::Run(AnimationControl& owner) : control(owner), serial(++owner.lastSerial)
{
    control.runs.push_back(this);
    emit control.changed();
}

AnimationControl::Run::~Run()
{
    // Runs end innermost first, as they nest on the call stack.
    control.runs.erase(std::remove(control.runs.begin(), control.runs.end(), this), control.runs.end());
    emit control.changed();
}

bool AnimationControl::Run::finishing() const { return serial <= control.finishThrough; }

void AnimationControl::Run::afterStep(const std::int16_t& delayms, bool painted)
{
    if (finishing())
        return;
    Platform::processEvents();
    if (finishing())
        return;
    if (paused) {
        if (stepping && !painted)
            return;
        stepping = false;
        waitWhilePaused();
        if (stepsAsked > 0 || finishing()) {
            stepping = stepsAsked > 0;
            stepsAsked = std::max(0, stepsAsked - 1);
            return;
        }
    }
    Platform::Sleep(delayms);
}

void AnimationControl::Run::waitWhilePaused()
{
    // Anything may run meanwhile, a new search too: its animation is the innermost until it ends.
    while (paused && stepsAsked == 0 && !finishing())
        Platform::waitForEvents();
}

bool AnimationControl::paused() const
{
    return !runs.empty() && runs.back()->paused && !runs.back()->finishing();
}

void AnimationControl::togglePause()
{
    if (runs.empty())
        return;
    Run& innermost = *runs.back();
    innermost.paused = !innermost.paused;
    innermost.stepsAsked = 0;
    innermost.stepping = false;
    emit changed();
}

void AnimationControl::step()
{
    if (paused())
        ++runs.back()->stepsAsked;
}

void AnimationControl::finishAll()
{
    if (runs.empty())
        return;
    finishThrough = lastSerial;
    emit changed();
}
