#include <chrono>

#include "flood.h"
#include "platform/platform.h"
#include "search/searchstats.h"

namespace Routeseer {

void findpath(const PathStep& start, const PathStep& target)
{
    using Clock = std::chrono::steady_clock;
    const std::uint32_t began = Platform::GetTickCount();
    tickstart = static_cast<std::int32_t>(began);
    std::uint32_t boxOpen = 0;

    const Clock::time_point floodBegan = Clock::now();
    resetSearch(start);
    const bool reached = flood(target);
    searchtime = Clock::now() - floodBegan;
    if (!reached) {
        // The user's time reading the box is not search time.
        const std::uint32_t shown = Platform::GetTickCount();
        Platform::showMessage(NoPathMessage);
        boxOpen = Platform::GetTickCount() - shown;
        pathlength = 0;
    }
    const Clock::time_point traceBegan = Clock::now();
    traceRoute(start, target, reached);
    searchtime += Clock::now() - traceBegan;

    Platform::processEvents();
    const std::uint32_t ended = Platform::GetTickCount();
    tickend = static_cast<std::int32_t>(ended);
    // Unsigned arithmetic keeps the difference right when the counter wraps.
    elapsedms = static_cast<std::int32_t>(ended - began - boxOpen);
}

} // namespace Routeseer
