// Feeds arbitrary bytes to the program as a map file, saves what loaded and loads it back, then
// searches between two squares taken from the same bytes, and checks what must hold whatever the
// file held. Its files live in a private folder that is removed when the run ends.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "map/routeseer.h"
#include "platform/headless.h"

using namespace Routeseer;
namespace fs = std::filesystem;

namespace {

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "map fuzzer: %s\n", what);
        std::abort();
    }
}

fs::path makeScratchFolder()
{
    std::error_code error;
    std::string pattern = (fs::temp_directory_path(error) / "routeseer-fuzz-XXXXXX").string();
    require(::mkdtemp(pattern.data()) != nullptr, "cannot make the scratch folder");
    return pattern;
}

const fs::path& scratchFolder()
{
    static const fs::path folder = makeScratchFolder();
    // Registered after the path is made, so it runs at exit while the path still exists.
    [[maybe_unused]] static const int removedAtExit = std::atexit([] {
        std::error_code ignored;
        fs::remove_all(scratchFolder(), ignored);
    });
    return folder;
}

std::size_t filesInScratchFolder()
{
    std::error_code error;
    std::size_t count = 0;
    for (auto entry = fs::directory_iterator(scratchFolder(), error); !error && entry != fs::end(entry);
         entry.increment(error))
        ++count;
    return count;
}

// What was loaded is saved and loaded back: the same bytes, in a file of exactly one map, and no
// temporary file left beside it.
void checkRoundTrip(const std::uint8_t* data)
{
    const std::string saved = (scratchFolder() / "saved.map").string();
    std::string why;
    require(savemap(saved, &why), "a loaded map cannot be saved");
    std::error_code error;
    require(fs::file_size(saved, error) == MapFileBytes && !error, "a saved map is not one map long");
    require(filesInScratchFolder() == 2, "a save left a file behind");
    std::memset(&MapGrid(0, 0), 0, MapFileBytes);
    require(loadmap(saved, &why), "a saved map cannot be loaded");
    require(std::memcmp(&MapGrid(0, 0), data, MapFileBytes) == 0, "a map saved and loaded back differs");
}

// Up to two squares beyond the map's edge, so that searches from and to off-map points are tried.
std::uint8_t coordinate(const std::uint8_t* data, std::size_t size, std::size_t fromEnd)
{
    return size > fromEnd ? static_cast<std::uint8_t>(data[size - 1 - fromEnd] % (GridSide + 2)) : 5;
}

void checkRoute(const PathStep& start, const PathStep& target)
{
    require(PathSteps.size() == static_cast<std::size_t>(pathlength) + 1,
            "route size differs from its length");
    require(PathSteps.front() == start && PathSteps.back() == target, "route does not join start and target");
    for (int k = 1; k <= pathlength; ++k) {
        const PathStep a = PathSteps[k - 1], b = PathSteps[k];
        require(std::abs(a.x - b.x) <= 1 && std::abs(a.y - b.y) <= 1, "route steps are not neighbours");
        require(onMap(b.x, b.y) && MapGrid(b.x, b.y).passable != Wall, "route runs through a wall");
        require(DistanceGrid(b.x, b.y) == k, "route square is not at its step count");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::memset(&MapGrid(0, 0), 0, MapFileBytes);
    const std::string input = (scratchFolder() / "input.map").string();
    std::FILE* file = std::fopen(input.c_str(), "wb");
    require(file != nullptr, "cannot write the scratch file");
    const bool written = size == 0 || std::fwrite(data, 1, size, file) == size; // no null pointer to fwrite
    require(std::fclose(file) == 0 && written, "cannot write the scratch file");

    std::vector<std::uint8_t> before(MapFileBytes, 0);
    const bool loaded = loadmap(input);
    require(loaded == (size >= MapFileBytes), "a load succeeds exactly for whole map files");
    const auto* image = reinterpret_cast<const std::uint8_t*>(&MapGrid(0, 0));
    require(std::memcmp(image, loaded ? data : before.data(), MapFileBytes) == 0,
            "the map is not what was loaded");
    if (loaded)
        checkRoundTrip(data);

    const PathStep start{coordinate(data, size, 0), coordinate(data, size, 1)};
    const PathStep target{coordinate(data, size, 2), coordinate(data, size, 3)};
    Platform::Headless::resetRecords();
    findpath(start, target);
    const bool failed = !Platform::Headless::shownMessages().empty();
    require(queuetail >= 0 && queuetail < NodeQueueSize, "queue tail out of range");
    for (int i = queuetail + 1; i < NodeQueueSize; ++i)
        require(NodeQueue[i].distance == 0, "an entry above the tail keeps a distance");
    if (failed)
        require(pathlength == 0 && PathSteps.empty(), "a failed search left a route");
    else
        checkRoute(start, target);
    return 0;
}
