// Input that a person names on the command line, read no further than a map can need: a device,
// a pipe or a huge file ends the job with a message instead of filling the memory.
#pragma once

#include <cstdio>
#include <string>

#include "searches/textlines.h"

namespace BoundedInput {

class Reader : public Searches::LineSource {
  public:
    // Reads an open stream, which stays the caller's.
    explicit Reader(std::FILE* stream) : stream(stream) {}
    // Opens the file at `path` (bytes, in any encoding; "-" is the standard input), a regular file
    // only: a FIFO, a device or a folder, or a link to one, is refused without waiting. Check opened().
    explicit Reader(const std::string& path);
    ~Reader() override;
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // False when the file could not be opened; `why` then says why.
    bool opened(std::string* why) const;
    // All that is left, when it is at most `limit` bytes; otherwise false, and `why` says why.
    bool readAll(std::size_t limit, std::string& into, std::string* why);
    // The next line without its '\n'. False at the end, with `why` empty, or on a line longer than
    // `longest` bytes or an error, with `why` saying so.
    bool readLine(std::size_t longest, std::string& line, std::string* why) override;

  private:
    std::FILE* stream = nullptr;
    bool owned = false;
    std::string openProblem;
};

} // namespace BoundedInput
