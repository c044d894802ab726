#include "cli/benchmarkmap.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <vector>

#include "map/routeseer.h"

using namespace Routeseer;

namespace BenchmarkMap {

namespace {

constexpr std::size_t LongestHeaderLine = 64;
// Blanks and a carriage return an editor may leave at a row's end.
constexpr std::size_t RowSlack = 64;

using Problem = MapText::Problem;

std::string_view trimmed(std::string_view line)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    return line;
}

std::optional<bool> isOpen(char square)
{
    switch (square) {
    case '.':
    case 'G':
    case 'S':
        return true;
    case '@':
    case 'O':
    case 'T':
    case 'W':
        return false;
    default:
        return std::nullopt;
    }
}

struct Header {
    long height = 0;
    long width = 0;
};

// "NAME N" with N from 1 to LargestSide.
bool readSide(std::string_view line, std::string_view name, long& side)
{
    if (!line.starts_with(name) || line.size() <= name.size() || line[name.size()] != ' ')
        return false;
    line.remove_prefix(name.size() + 1);
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), side);
    return error == std::errc() && end == line.data() + line.size() && side >= 1 && side <= LargestSide;
}

std::optional<Problem> readHeader(BoundedInput::Reader& input, Header& header)
{
    const std::string sides = "a whole number from 1 to " + std::to_string(LargestSide);
    const char* expected[] = {"type octile", "height H", "width W", "map"};
    for (int number = 1; number <= 4; ++number) {
        std::string line, why;
        if (!input.readLine(LongestHeaderLine, line, &why))
            return Problem{number, 1, why.empty() ? "the header ends before its line \"map\"" : why};
        const std::string_view read = trimmed(line);
        const bool good = number == 1   ? read == "type octile"
                          : number == 2 ? readSide(read, "height", header.height)
                          : number == 3 ? readSide(read, "width", header.width)
                                        : read == "map";
        if (!good)
            return Problem{number, 1,
                           std::string("expected \"") + expected[number - 1] + "\"" +
                               (number == 2 || number == 3 ? ", with H and W " + sides : "")};
    }
    return std::nullopt;
}

} // namespace

std::optional<Problem> read(BoundedInput::Reader& input, Corner corner)
{
    Header header;
    if (auto problem = readHeader(input, header))
        return problem;
    if (corner.x >= header.width || corner.y >= header.height)
        return Problem{0, 0,
                       "--at " + std::to_string(corner.x) + "," + std::to_string(corner.y) +
                           " lies outside the " + std::to_string(header.width) + " x " +
                           std::to_string(header.height) + " map"};

    std::vector<MapSquare> squares(SquareCount, MapSquare{Wall, {}});
    const long rows = std::min(header.height, corner.y + GridLast);
    for (long row = 0; row < rows; ++row) {
        const int number = static_cast<int>(row + 5);
        std::string line, why;
        if (!input.readLine(static_cast<std::size_t>(header.width) + RowSlack, line, &why))
            return Problem{number, 1,
                           why.empty() ? "the map ends after " + std::to_string(row) + " of its " +
                                             std::to_string(header.height) + " rows"
                                       : why};
        const std::string_view read = trimmed(line);
        if (static_cast<long>(read.size()) != header.width)
            return Problem{number, static_cast<int>(std::min<std::size_t>(read.size(), line.size())) + 1,
                           "a row of " + std::to_string(read.size()) + " squares, but the map is " +
                               std::to_string(header.width) + " wide"};
        for (long x = 0; x < header.width; ++x) {
            const std::optional<bool> open = isOpen(read[static_cast<std::size_t>(x)]);
            if (!open)
                return Problem{number, static_cast<int>(x + 1),
                               MapText::describe(read[static_cast<std::size_t>(x)]) +
                                   " is none of the squares . G S (open) or @ O T W (walls)"};
            const long hereX = x - corner.x, hereY = row - corner.y;
            // The outer ring stays wall: every map here is walled round.
            if (*open && hereX > 0 && hereX < GridLast && hereY > 0 && hereY < GridLast)
                squares[static_cast<std::size_t>(hereX + GridSide * hereY)].passable = Open;
        }
    }
    std::copy(squares.begin(), squares.end(), &MapGrid(0, 0));
    return std::nullopt;
}

} // namespace BenchmarkMap
