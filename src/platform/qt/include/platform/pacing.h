// How the windowed program paces its result animation, and the seam through which tests watch it:
// its event passes, the pauses before animation steps and the waits of a paused animation
// (platform.h), in order, counted rather than timed.
#pragma once

#include <functional>

namespace Platform {

enum class Pacing { EventPass, Pause, Wait };

// While a watcher is set it hears of every event pass, once the waiting events have run; of every
// pause before an animation step with its length in milliseconds, which the watcher then takes for
// itself, so the next step follows once the events waiting have run and a "Very Slow" animation
// runs as fast as a "Normal" one; and of every wait of a paused animation, so a test can post what
// the user does next. Empty to remove it.
using PacingWatcher = std::function<void(Pacing step, int milliseconds)>;
void setPacingWatcher(PacingWatcher watcher);

} // namespace Platform
