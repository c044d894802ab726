// The clock, the pause and the event pass of the windowed program.
#include <QCoreApplication>
#include <chrono>
#include <thread>

#include "platform/platform.h"

namespace Platform {

std::uint32_t GetTickCount()
{
    using namespace std::chrono;
    // Only differences matter; truncating to 32 bits wraps like the counter it stands for.
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void Sleep(int milliseconds)
{
    if (milliseconds <= 0)
        std::this_thread::yield();
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

void processEvents() { QCoreApplication::processEvents(); }

} // namespace Platform
