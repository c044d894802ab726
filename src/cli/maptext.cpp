#include "cli/maptext.h"

#include <algorithm>
#include <vector>

#include "map/routeseer.h"

using namespace Routeseer;

namespace MapText {

namespace {

constexpr char ByteOrderMark[] = "\xEF\xBB\xBF";

std::optional<Problem> squareProblem(char character, int line, int column)
{
    if (character == WallCharacter || character == OpenCharacter || character == StartCharacter ||
        character == FinishCharacter)
        return std::nullopt;
    return Problem{line, column,
                   describe(character) + " is neither a wall '" + WallCharacter + "' nor an open square '" +
                       OpenCharacter + "'"};
}

// Notes the start or the finish the text marks at (x, y); a second one of either is a problem.
std::optional<Problem> markEnd(char character, int x, int y, Ends& ends)
{
    const bool start = character == StartCharacter;
    std::optional<PathStep>& end = start ? ends.start : ends.finish;
    if (end)
        return Problem{y + 1, x + 1,
                       std::string("a second ") + (start ? "start" : "finish") + " '" + character +
                           "'; the first is on line " + std::to_string(end->y + 1)};
    end = PathStep{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y)};
    return std::nullopt;
}

} // namespace

std::string fromMap()
{
    std::string text;
    text.reserve(static_cast<std::size_t>(GridSide * (GridSide + 1)));
    for (int y = 0; y <= GridLast; ++y) {
        for (int x = 0; x <= GridLast; ++x)
            text += MapGrid(x, y).passable == Wall ? WallCharacter : OpenCharacter;
        text += '\n';
    }
    return text;
}

std::optional<Problem> toMap(const std::string& text, Ends* ends)
{
    Ends marked;
    // Built aside, so a text with a problem leaves the map in place.
    std::vector<MapSquare> squares(SquareCount, MapSquare{Wall, {}});
    int y = 0;
    std::size_t lineStart = text.starts_with(ByteOrderMark) ? sizeof ByteOrderMark - 1 : 0;
    while (lineStart < text.size()) {
        std::size_t lineEnd = text.find('\n', lineStart);
        const std::size_t next = lineEnd == std::string::npos ? text.size() : lineEnd + 1;
        if (lineEnd == std::string::npos)
            lineEnd = text.size();
        if (lineEnd > lineStart && text[lineEnd - 1] == '\r')
            --lineEnd;
        while (lineEnd > lineStart && (text[lineEnd - 1] == ' ' || text[lineEnd - 1] == '\t'))
            --lineEnd;
        if (y > GridLast)
            return Problem{y + 1, 1, "more than " + std::to_string(GridSide) + " lines"};
        for (std::size_t i = lineStart; i < lineEnd; ++i) {
            const int x = static_cast<int>(i - lineStart);
            if (x > GridLast)
                return Problem{y + 1, x + 1, "line longer than " + std::to_string(GridSide) + " squares"};
            if (auto problem = squareProblem(text[i], y + 1, x + 1))
                return problem;
            if (text[i] == StartCharacter || text[i] == FinishCharacter)
                if (auto problem = markEnd(text[i], x, y, marked))
                    return problem;
            if (text[i] != WallCharacter)
                squares[static_cast<std::size_t>(x + GridSide * y)].passable = Open;
        }
        ++y;
        lineStart = next;
    }
    std::copy(squares.begin(), squares.end(), &MapGrid(0, 0));
    if (ends)
        *ends = marked;
    return std::nullopt;
}

} // namespace MapText
