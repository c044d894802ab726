// How the windowed program paces itself between two animation steps, and the seam through which
// tests watch it: its event passes, its pauses and its waits (platform.h), in order, counted rather
// than timed.
#pragma once

#include <functional>

namespace Platform {

enum class Pacing { EventPass, Pause, Wait };

// While a watcher is set it hears of every event pass, once the waiting events have run; of every
// pause with its length in milliseconds, which is then reported instead of slept, so a "Very Slow"
// animation runs as fast as a "Normal" one; and of every wait, just before it starts, so a test
// can post what the user does next. Empty to remove it.
using PacingWatcher = std::function<void(Pacing step, int milliseconds)>;
void setPacingWatcher(PacingWatcher watcher);

} // namespace Platform
