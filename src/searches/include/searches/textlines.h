// Where the readers of benchmark files get their lines: the caller opens the file (or holds the
// text) and bounds what is read; the readers only ask for the next line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace Searches {

class LineSource {
  public:
    virtual ~LineSource() = default;
    // The next line without its '\n'. False at the end, with `why` empty, or on a line longer than
    // `longest` bytes or an error, with `why` saying so.
    virtual bool readLine(std::size_t longest, std::string& line, std::string* why) = 0;
};

// Lines of a text held in memory.
class TextLines : public LineSource {
  public:
    explicit TextLines(std::string_view text) : rest(text) {}
    bool readLine(std::size_t longest, std::string& line, std::string* why) override;

  private:
    std::string_view rest;
};

// Where a text is not what it should be, counted from 1 as editors count.
struct TextProblem {
    int line;
    int column;
    std::string what;
};

// A character as a message shows it: 'x', or "byte 0xNN" for one that does not print.
std::string describe(char character);

} // namespace Searches
