#include "cli/boundedinput.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "storage/filereader.h"

namespace BoundedInput {

Reader::Reader(const std::string& path)
{
    if (path == "-") {
        stream = stdin;
        return;
    }
    // Only a regular file, looked at before it is opened, so no FIFO or device makes a job wait.
    const int descriptor = Storage::openToRead(path, "file to read", &openProblem);
    if (descriptor < 0)
        return;
    stream = ::fdopen(descriptor, "rb");
    if (!stream) {
        openProblem = std::strerror(errno);
        ::close(descriptor);
    }
    owned = stream != nullptr;
}

Reader::~Reader()
{
    if (owned && stream)
        std::fclose(stream);
}

bool Reader::opened(std::string* why) const
{
    if (!stream)
        *why = openProblem;
    return stream != nullptr;
}

bool Reader::readAll(std::size_t limit, std::string& into, std::string* why)
{
    // One byte past the limit tells a file that is too long from one that is just long enough.
    into.resize(limit + 1);
    into.resize(std::fread(into.data(), 1, into.size(), stream));
    if (std::ferror(stream)) {
        *why = std::strerror(errno);
        return false;
    }
    if (into.size() > limit) {
        *why = "it holds more than " + std::to_string(limit) + " bytes, more than any map's text";
        return false;
    }
    return true;
}

bool Reader::readLine(std::size_t longest, std::string& line, std::string* why)
{
    line.clear();
    why->clear();
    for (int c = std::getc(stream); c != EOF; c = std::getc(stream)) {
        if (c == '\n')
            return true;
        if (line.size() == longest) {
            *why = "a line longer than " + std::to_string(longest) + " bytes";
            return false;
        }
        line += static_cast<char>(c);
    }
    if (std::ferror(stream))
        *why = std::strerror(errno);
    return !line.empty() && why->empty();
}

} // namespace BoundedInput
