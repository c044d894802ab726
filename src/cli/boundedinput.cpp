#include "cli/boundedinput.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace BoundedInput {

namespace {

std::string notAFile(mode_t mode)
{
    const char* kind = S_ISDIR(mode)                    ? "a folder"
                       : S_ISFIFO(mode)                 ? "a named pipe (FIFO)"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                       : S_ISSOCK(mode)                 ? "a socket"
                                                        : "something other than a file";
    return std::string("it is ") + kind + ", not a file to read";
}

// Looks before opening, since opening a device may do something by itself, and opens without
// waiting, should a FIFO have been put in the file's place since; the second look turns it away.
int openRegularFile(const std::string& path, std::string& problem)
{
    struct stat seen {};
    if (::stat(path.c_str(), &seen) != 0) {
        problem = std::strerror(errno);
        return -1;
    }
    if (!S_ISREG(seen.st_mode)) {
        problem = notAFile(seen.st_mode);
        return -1;
    }
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0 || ::fstat(descriptor, &seen) != 0 || !S_ISREG(seen.st_mode)) {
        problem = descriptor < 0 ? std::strerror(errno) : notAFile(seen.st_mode);
        if (descriptor >= 0)
            ::close(descriptor);
        return -1;
    }
    return descriptor;
}

} // namespace

Reader::Reader(const std::string& path)
{
    if (path == "-") {
        stream = stdin;
        return;
    }
    const int descriptor = openRegularFile(path, openProblem);
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
