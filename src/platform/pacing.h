// The seam through which tests watch how the windowed program paces itself: its event passes and
// its pauses, in order, counted rather than timed.
#pragma once

#include <functional>

namespace Platform {

enum class Pacing { EventPass, Pause };

// While a watcher is set it hears of every event pass, once the waiting events have run, and of
// every pause with its length in milliseconds; pauses are then reported instead of slept, so a
// "Very Slow" animation runs as fast as a "Normal" one. Empty to remove it.
using PacingWatcher = std::function<void(Pacing step, int milliseconds)>;
void setPacingWatcher(PacingWatcher watcher);

} // namespace Platform
