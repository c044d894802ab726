#include "cli/benchmarkmap.h"

#include <algorithm>
#include <vector>

#include "map/routeseer.h"
#include "searches/benchmarkfiles.h"

using namespace Routeseer;

namespace BenchmarkMap {

std::optional<MapText::Problem> read(BoundedInput::Reader& input, Corner corner)
{
    Searches::MapHeader header;
    if (auto problem = Searches::readMapHeader(input, header))
        return problem;
    if (corner.x >= header.width || corner.y >= header.height)
        return MapText::Problem{0, 0,
                                "--at " + std::to_string(corner.x) + "," + std::to_string(corner.y) +
                                    " lies outside the " + std::to_string(header.width) + " x " +
                                    std::to_string(header.height) + " map"};
    Searches::Grid grid(header.width, header.height);
    const long rows = std::min<long>(header.height, corner.y + GridLast);
    if (auto problem = Searches::readMapRows(input, header, static_cast<int>(rows), grid))
        return problem;

    std::vector<MapSquare> squares(SquareCount, MapSquare{Wall, {}});
    // The outer ring stays wall: every map here is walled round.
    for (int y = 1; y < GridLast; ++y)
        for (int x = 1; x < GridLast; ++x)
            if (grid.open({static_cast<int>(corner.x + x), static_cast<int>(corner.y + y)}))
                squares[static_cast<std::size_t>(x + GridSide * y)].passable = Open;
    std::copy(squares.begin(), squares.end(), &MapGrid(0, 0));
    return std::nullopt;
}

} // namespace BenchmarkMap
