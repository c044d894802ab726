// The platform on a terminal, for routeseer-map: the steady clock, no events to handle, and a message box as
// a line on the error output under the program's name, where a person running it or a script reading its
// output sees it.
#include <cerrno>
#include <chrono>
#include <cstdio>

#include "platform/platform.h"

namespace Platform {

std::uint32_t GetTickCount()
{
    using namespace std::chrono;
    return static_cast<std::uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void processEvents() {}

// routeseer-map paints a result all at once, with no pauses.
int pauseBeforeStep(int /*milliseconds*/) { return 0; }

void animationWaits() {}

void showMessage(const std::string& text)
{
    std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, text.c_str());
}

} // namespace Platform
