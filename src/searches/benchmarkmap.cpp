#include <algorithm>
#include <charconv>
#include <string_view>

#include "searches/benchmarkfiles.h"

namespace Searches {

namespace {

constexpr std::size_t LongestHeaderLine = 64;
constexpr int HeaderLines = 4;
// Blanks and a carriage return an editor may leave at a row's end.
constexpr std::size_t RowSlack = 64;

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

// "NAME N" with N from 1 to LargestSide.
bool readSide(std::string_view line, std::string_view name, int& side)
{
    if (!line.starts_with(name) || line.size() <= name.size() || line[name.size()] != ' ')
        return false;
    line.remove_prefix(name.size() + 1);
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), side);
    return error == std::errc() && end == line.data() + line.size() && side >= 1 && side <= LargestSide;
}

} // namespace

std::optional<TextProblem> readMapHeader(LineSource& input, MapHeader& header)
{
    const std::string sides = "a whole number from 1 to " + std::to_string(LargestSide);
    const char* expected[] = {"type octile", "height H", "width W", "map"};
    for (int number = 1; number <= HeaderLines; ++number) {
        std::string line, why;
        if (!input.readLine(LongestHeaderLine, line, &why))
            return TextProblem{number, 1, why.empty() ? "the header ends before its line \"map\"" : why};
        const std::string_view read = trimmed(line);
        const bool good = number == 1   ? read == "type octile"
                          : number == 2 ? readSide(read, "height", header.height)
                          : number == 3 ? readSide(read, "width", header.width)
                                        : read == "map";
        if (!good)
            return TextProblem{number, 1,
                               std::string("expected \"") + expected[number - 1] + "\"" +
                                   (number == 2 || number == 3 ? ", with H and W " + sides : "")};
    }
    return std::nullopt;
}

std::optional<TextProblem> readMapRows(LineSource& input, const MapHeader& header, int rows, Grid& grid)
{
    rows = std::min(rows, header.height);
    for (int row = 0; row < rows; ++row) {
        const int number = row + HeaderLines + 1;
        std::string line, why;
        if (!input.readLine(static_cast<std::size_t>(header.width) + RowSlack, line, &why))
            return TextProblem{number, 1,
                               why.empty() ? "the map ends after " + std::to_string(row) + " of its " +
                                                 std::to_string(header.height) + " rows"
                                           : why};
        const std::string_view read = trimmed(line);
        if (static_cast<long>(read.size()) != header.width)
            return TextProblem{number, static_cast<int>(std::min(read.size(), line.size())) + 1,
                               "a row of " + std::to_string(read.size()) + " squares, but the map is " +
                                   std::to_string(header.width) + " wide"};
        for (int x = 0; x < header.width; ++x) {
            const char square = read[static_cast<std::size_t>(x)];
            const std::optional<bool> open = isOpen(square);
            if (!open)
                return TextProblem{number, x + 1,
                                   describe(square) +
                                       " is none of the squares . G S (open) or @ O T W (walls)"};
            grid.setOpen({x, row}, *open);
        }
    }
    return std::nullopt;
}

std::optional<TextProblem> readMap(LineSource& input, std::optional<Grid>& grid)
{
    MapHeader header;
    if (auto problem = readMapHeader(input, header))
        return problem;
    grid.emplace(header.width, header.height);
    return readMapRows(input, header, header.height, *grid);
}

} // namespace Searches
