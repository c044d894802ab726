// Feeds arbitrary bytes to routeseer-map's readers: as a map's text, and as a benchmark map cut at a
// corner taken from the same bytes. A text either makes a map that comes back as the same text,
// or leaves the map as it was with a place in the text; a benchmark window is walled round and
// holds what the whole benchmark map read at its full size holds there.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cli/benchmarkmap.h"
#include "cli/maptext.h"
#include "map/routeseer.h"
#include "searches/benchmarkfiles.h"

using namespace Routeseer;

namespace {

void require(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "text fuzzer: %s\n", what);
        std::abort();
    }
}

std::vector<MapSquare> mapNow() { return {&MapGrid(0, 0), &MapGrid(0, 0) + SquareCount}; }

bool same(const std::vector<MapSquare>& a)
{
    return std::memcmp(a.data(), &MapGrid(0, 0), MapFileBytes) == 0;
}

void checkProblem(const std::optional<MapText::Problem>& problem, const std::vector<MapSquare>& before)
{
    if (problem)
        require(same(before) && !problem->what.empty(), "a refused text changed the map or gave no reason");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::memset(&MapGrid(0, 0), 0x5a, MapFileBytes);
    const std::vector<MapSquare> before = mapNow();
    const std::optional<MapText::Problem> problem = MapText::toMap(input);
    checkProblem(problem, before);
    if (!problem) {
        const std::vector<MapSquare> made = mapNow();
        require(!MapText::toMap(MapText::fromMap()) && same(made),
                "a map's text does not make the map again");
    }

    std::memset(&MapGrid(0, 0), 0x5a, MapFileBytes);
    std::FILE* stream = ::fmemopen(const_cast<char*>(input.data()), std::max<std::size_t>(size, 1), "r");
    BoundedInput::Reader reader(stream);
    const BenchmarkMap::Corner corner{size > 0 ? data[0] % 8 : 0, size > 1 ? data[1] % 8 : 0};
    const std::optional<MapText::Problem> benchmark = BenchmarkMap::read(reader, corner);
    std::fclose(stream);
    checkProblem(benchmark, before);
    for (int i = 0; !benchmark && i <= GridLast; ++i)
        require(MapGrid(i, 0).passable == Wall && MapGrid(0, i).passable == Wall &&
                    MapGrid(i, GridLast).passable == Wall && MapGrid(GridLast, i).passable == Wall,
                "a benchmark window is not walled round");

    Searches::TextLines lines(input);
    std::optional<Searches::Grid> grid;
    const std::optional<Searches::TextProblem> whole = Searches::readMap(lines, grid);
    require(!whole || !whole->what.empty(), "a refused benchmark map gave no reason");
    for (int y = 1; !benchmark && !whole && y < GridLast; ++y)
        for (int x = 1; x < GridLast; ++x)
            require((MapGrid(x, y).passable != Wall) == grid->open({int(corner.x) + x, int(corner.y) + y}),
                    "a benchmark window differs from the map read whole");
    return 0;
}
