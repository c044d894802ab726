#include "posixfiles.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace Storage::PosixFiles {

bool Descriptor::close()
{
    const int closing = std::exchange(descriptor, -1);
    return closing < 0 || ::close(closing) == 0;
}

ssize_t readFully(int descriptor, std::byte* data, std::size_t size)
{
    std::size_t got = 0;
    while (got < size) {
        const ssize_t done = ::read(descriptor, data + got, size - got);
        if (done == 0)
            break;
        if (done < 0 && errno != EINTR)
            return -1;
        got += static_cast<std::size_t>(std::max<ssize_t>(done, 0));
    }
    return static_cast<ssize_t>(got);
}

bool writeFully(int descriptor, const std::byte* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t done = ::write(descriptor, data, size);
        if (done < 0 && errno != EINTR)
            return false;
        if (done == 0) { // a full disk that reports no error; the write would never end
            errno = ENOSPC;
            return false;
        }
        const auto written = static_cast<std::size_t>(std::max<ssize_t>(done, 0));
        data += written;
        size -= written;
    }
    return true;
}

bool syncFully(int descriptor)
{
    while (::fsync(descriptor) != 0)
        if (errno != EINTR)
            return false;
    return true;
}

std::string kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return "a file";
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a named pipe (FIFO)";
    if (S_ISSOCK(mode))
        return "a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISLNK(mode))
        return "a symbolic link";
    return "something other than a file";
}

std::string systemReason() { return std::strerror(errno); }

} // namespace Storage::PosixFiles
