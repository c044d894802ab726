// A map as text a person can read and edit: one line per row of squares, top row first, one
// character per square, '#' a wall and '.' an open square; 'S' and 'F', open squares too, may mark
// the start and the finish, once each. The text keeps only the walls: a map made from text has open
// squares of -1 and its eight carried bytes zero, as the program writes them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "map/routeseer.h"
#include "searches/textlines.h"

namespace MapText {

inline constexpr char WallCharacter = '#';
inline constexpr char OpenCharacter = '.';
inline constexpr char StartCharacter = 'S';
inline constexpr char FinishCharacter = 'F';

// The most a map's text may hold. 101 lines of 101 squares, each ended by "\r\n", after a
// byte-order mark take 10,406 bytes; the rest leaves room for blanks at the lines' ends. Input is
// read no further, so a device or a huge file ends the job at once.
inline constexpr std::size_t LongestText = 16 * 1024;

using Searches::describe;

// MapGrid as text, every line ended by a newline.
std::string fromMap();

// Where a text is not a map.
using Problem = Searches::TextProblem;

// The start and the finish a text marks, where it marks them.
struct Ends {
    std::optional<Routeseer::PathStep> start;
    std::optional<Routeseer::PathStep> finish;
};

// Replaces MapGrid with the map the text draws, and tells `ends` where it marks them. Squares left
// out (a short line, missing lines) are walls. Editors' habits are taken: a UTF-8 byte-order mark
// at the start, lines ended by "\r\n", spaces and tabs at a line's end. On a problem MapGrid is
// left as it was.
std::optional<Problem> toMap(const std::string& text, Ends* ends = nullptr);

} // namespace MapText
