// A map as text a person can read and edit: one line per row of squares, top row first, one
// character per square, '#' a wall and '.' an open square. The text keeps only the walls: a map
// made from text has open squares of -1 and its eight carried bytes zero, as the program writes them.
#pragma once

#include <optional>
#include <string>

namespace MapText {

inline constexpr char WallCharacter = '#';
inline constexpr char OpenCharacter = '.';

// MapGrid as text, every line ended by a newline.
std::string fromMap();

// Where a text is not a map, counted from 1 as editors count.
struct Problem {
    int line;
    int column;
    std::string what;
};

// Replaces MapGrid with the map the text draws. Squares left out (a short line, missing lines)
// are walls; a line may end in "\r\n". On a problem MapGrid is left as it was.
std::optional<Problem> toMap(const std::string& text);

} // namespace MapText
