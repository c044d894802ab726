#include "platform/platform.h"
#include "search/search.h"

namespace Routeseer {

void findpath(const PathStep& start, const PathStep& target)
{
    const std::uint32_t began = Platform::GetTickCount();
    tickstart = static_cast<std::int32_t>(began);
    std::uint32_t boxOpen = 0;

    resetSearch(start);
    const bool reached = flood(target);
    if (!reached) {
        // The user's time reading the box is not search time.
        const std::uint32_t shown = Platform::GetTickCount();
        Platform::showMessage(NoPathMessage);
        boxOpen = Platform::GetTickCount() - shown;
        pathlength = 0;
    }
    traceRoute(start, target, reached);

    Platform::processEvents();
    const std::uint32_t ended = Platform::GetTickCount();
    tickend = static_cast<std::int32_t>(ended);
    // Unsigned arithmetic keeps the difference right when the counter wraps.
    elapsedms = static_cast<std::int32_t>(ended - began - boxOpen);
}

} // namespace Routeseer
