// How the windowed program paces itself between two animation steps beyond the event pass and the
// pause of platform.h, and the seam through which tests watch it: its event passes, its pauses and
// its waits, in order, counted rather than timed.
#pragma once

#include <functional>

namespace Platform {

// Lets the window handle events, sleeping until at least one arrives: a paused animation waits
// here for the user without spending the processor.
void waitForEvents();

enum class Pacing { EventPass, Pause, Wait };

// While a watcher is set it hears of every event pass, once the waiting events have run; of every
// pause with its length in milliseconds, which is then reported instead of slept, so a "Very Slow"
// animation runs as fast as a "Normal" one; and of every wait, just before it starts, so a test
// can post what the user does next. Empty to remove it.
using PacingWatcher = std::function<void(Pacing step, int milliseconds)>;
void setPacingWatcher(PacingWatcher watcher);

} // namespace Platform
