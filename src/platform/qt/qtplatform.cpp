// The clock, the pause, the event pass and the wait of the windowed program.
#include <QCoreApplication>
#include <QEventLoop>
#include <chrono>
#include <thread>

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

void Sleep(int milliseconds)
{
    if (tellWatcher(Pacing::Pause, milliseconds))
        return;
    if (milliseconds <= 0)
        std::this_thread::yield();
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void processEvents()
{
    QCoreApplication::processEvents();
    tellWatcher(Pacing::EventPass, 0);
}

void waitForEvents()
{
    tellWatcher(Pacing::Wait, 0);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void setPacingWatcher(PacingWatcher newWatcher) { watcher = std::move(newWatcher); }

} // namespace Platform
