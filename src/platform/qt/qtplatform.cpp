// The clock, the event pass, and the pauses and waits of the windowed program's animation.
#include <QCoreApplication>
#include <chrono>

#include "platform/pacing.h"
#include "platform/platform.h"

namespace Platform {

namespace {

PacingWatcher watcher;

// A copy, so a watcher that replaces itself finishes its own call safely.
bool tellWatcher(Pacing step, int milliseconds)
{
    if (const PacingWatcher watching = watcher) {
        watching(step, milliseconds);
        return true;
    }
    return false;
}

} // namespace

std::uint32_t GetTickCount()
{
    using namespace std::chrono;
    // Only differences matter; truncating to 32 bits wraps like the counter it stands for.
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void processEvents()
{
    QCoreApplication::processEvents();
    tellWatcher(Pacing::EventPass, 0);
}

int pauseBeforeStep(int milliseconds) { return tellWatcher(Pacing::Pause, milliseconds) ? 0 : milliseconds; }

void animationWaits() { tellWatcher(Pacing::Wait, 0); }

void setPacingWatcher(PacingWatcher newWatcher) { watcher = std::move(newWatcher); }

} // namespace Platform
