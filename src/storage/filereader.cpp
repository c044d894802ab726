#include "storage/filereader.h"

#include <fcntl.h>
#include <sys/stat.h>

#include "posixfiles.h"

namespace Storage {

namespace {

using PosixFiles::systemReason;

int fail(std::string* why, std::string reason)
{
    if (why)
        *why = std::move(reason);
    return -1;
}

std::string notA(mode_t mode, const std::string& kind)
{
    return "it is " + PosixFiles::kindOf(mode) + ", not a " + kind;
}

} // namespace

int openToRead(const std::string& path, const std::string& kind, std::string* why)
{
    if (path.empty())
        return fail(why, "no file name was given");
    // Look before opening: opening a device may do something by itself.
    struct stat seen {};
    if (::stat(path.c_str(), &seen) != 0)
        return fail(why, systemReason());
    if (!S_ISREG(seen.st_mode))
        return fail(why, notA(seen.st_mode, kind));
    // O_NONBLOCK: should a FIFO have been put in the file's place since, opening it does not wait
    // for a writer, and the second look turns it away.
    PosixFiles::Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (!file.valid() || ::fstat(file.get(), &seen) != 0)
        return fail(why, systemReason());
    if (!S_ISREG(seen.st_mode))
        return fail(why, notA(seen.st_mode, kind));
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags < 0 || ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return fail(why, systemReason());
    return file.release();
}

std::optional<std::vector<std::byte>> readAtMost(const std::string& path, std::size_t limit,
                                                 const std::string& kind, std::string* why)
{
    const PosixFiles::Descriptor file{openToRead(path, kind, why)};
    if (!file.valid())
        return std::nullopt;
    std::vector<std::byte> bytes(limit);
    const ssize_t got = PosixFiles::readFully(file.get(), bytes.data(), bytes.size());
    if (got < 0) {
        fail(why, systemReason());
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(got));
    return bytes;
}

} // namespace Storage
