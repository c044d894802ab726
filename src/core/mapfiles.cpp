// Map files are raw images of MapGrid. A load reads into a buffer first so that a short or
// unreadable file never leaves half a map behind; a save goes through the file writer, so that a
// failure never leaves half a map on disk. Both throw nothing, and they look at what a name stands
// for before they trust it, so that a FIFO, a device or a planted link can neither make them wait
// nor lead them elsewhere.
#include <cstring>
#include <fcntl.h>
#include <span>
#include <sys/stat.h>
#include <vector>

#include "map/filewriter.h"
#include "map/routeseer.h"
#include "posixfiles.h"

namespace Routeseer {

namespace {

using PosixFiles::Descriptor;
using PosixFiles::systemReason;

bool fail(std::string* why, std::string reason)
{
    if (why)
        *why = std::move(reason);
    return false;
}

std::byte* mapImage() { return reinterpret_cast<std::byte*>(&MapGrid(0, 0)); }

std::string notAMapFile(mode_t mode) { return "it is " + PosixFiles::kindOf(mode) + ", not a map file"; }

} // namespace

bool loadmap(const std::string& path, std::string* why)
{
    if (path.empty())
        return fail(why, "no file name was given");
    // Look before opening: opening a device may do something by itself.
    struct stat seen {};
    if (::stat(path.c_str(), &seen) != 0)
        return fail(why, systemReason());
    if (!S_ISREG(seen.st_mode))
        return fail(why, notAMapFile(seen.st_mode));

    // O_NONBLOCK: should a FIFO have been put in the file's place since, opening it does not wait
    // for a writer, and the second look below turns it away.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (!file.valid() || ::fstat(file.get(), &seen) != 0)
        return fail(why, systemReason());
    if (!S_ISREG(seen.st_mode))
        return fail(why, notAMapFile(seen.st_mode));

    std::vector<std::byte> image(MapFileBytes);
    const ssize_t got = PosixFiles::readFully(file.get(), image.data(), image.size());
    if (got < 0)
        return fail(why, systemReason());
    if (static_cast<std::size_t>(got) < MapFileBytes)
        return fail(why, "the file holds " + std::to_string(got) + " bytes, but a map file holds " +
                             std::to_string(MapFileBytes));

    std::memcpy(mapImage(), image.data(), MapFileBytes);
    return true;
}

bool savemap(const std::string& path, std::string* why)
{
    return writeFile(path, std::span<const std::byte>(mapImage(), MapFileBytes), WriteRules{"map file", {}},
                     why);
}

} // namespace Routeseer
