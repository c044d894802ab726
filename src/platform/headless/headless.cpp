#include "platform/headless.h"

#include <chrono>

#include "platform/platform.h"

namespace Platform {

namespace {
std::vector<std::string> messages;
std::vector<int> sleeps;
int passes = 0;
std::uint32_t clockOffset = 0;
std::function<void(const std::string&)> messageHandler;
} // namespace

std::uint32_t GetTickCount()
{
    using namespace std::chrono;
    const auto now = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(now) + clockOffset;
}

void processEvents() { ++passes; }

// Counted, and taken at once: nothing waits without a display.
int pauseBeforeStep(int milliseconds)
{
    sleeps.push_back(milliseconds);
    return 0;
}

void animationWaits() {}

void showMessage(const std::string& text)
{
    messages.push_back(text);
    if (messageHandler)
        messageHandler(text);
}

namespace Headless {

const std::vector<std::string>& shownMessages() { return messages; }
int eventPasses() { return passes; }
const std::vector<int>& pauses() { return sleeps; }

void resetRecords()
{
    messages.clear();
    sleeps.clear();
    passes = 0;
}

void advanceClock(std::uint32_t milliseconds) { clockOffset += milliseconds; }

void onMessage(std::function<void(const std::string&)> handler) { messageHandler = std::move(handler); }

} // namespace Headless
} // namespace Platform
