// What the program settles before it opens its window: --help and --version need no display, and
// started without one it says so and ends with status 1 instead of failing inside the toolkit.
#pragma once

#include <optional>

namespace Startup {

// The exit status when the program is to end before its window opens, having said why on the
// standard output or error; nothing when it is to go on. Call before the application object exists.
std::optional<int> endBeforeWindow(int argc, char* argv[]);

// While the application object is made: a display the toolkit cannot reach ends the program with
// status 1 and a message, not with an abort.
void catchDisplayFailure();
void stopCatchingDisplayFailure();

} // namespace Startup
