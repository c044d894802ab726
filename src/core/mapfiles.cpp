// Map files are raw images of MapGrid. A load reads into a buffer first so that a short or
// unreadable file never leaves half a map behind; a save goes through a temporary file and a
// rename so that a failure never leaves half a map on disk. Both work on the plain POSIX calls:
// they throw nothing, and they look at what a name stands for before they trust it, so that a
// FIFO, a device or a planted link can neither make them wait nor lead them elsewhere.
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "map/filenamelimit.h"
#include "map/routeseer.h"

namespace Routeseer {

namespace {

bool fail(std::string* why, std::string reason)
{
    if (why)
        *why = std::move(reason);
    return false;
}

std::string systemReason() { return std::strerror(errno); }

std::byte* mapImage() { return reinterpret_cast<std::byte*>(&MapGrid(0, 0)); }

// Why something that is not a regular file cannot be a map.
std::string notAMapFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return "it is a folder, not a map file";
    if (S_ISFIFO(mode))
        return "it is a named pipe (FIFO), not a map file";
    if (S_ISSOCK(mode))
        return "it is a socket, not a map file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "it is a device, not a map file";
    return "it is not a regular file";
}

class Descriptor {
  public:
    explicit Descriptor(int descriptor) : descriptor(descriptor) {}
    ~Descriptor()
    {
        if (descriptor >= 0)
            ::close(descriptor);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return descriptor; }
    // Closes now, for the caller to see whether the last writes reached the disk.
    bool close() { return ::close(std::exchange(descriptor, -1)) == 0; }

  private:
    int descriptor;
};

// Reads until `size` bytes are in or the file ends; the count read, or -1 on an error.
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

// The reason not to put a new map where `path` points, or nothing when it names a writable map
// file or nothing at all yet. A name for anything but a regular file is left as it is.
std::string reasonNotToReplace(const std::string& path)
{
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0) {
        if (!S_ISREG(target.st_mode))
            return notAMapFile(target.st_mode);
        if ((target.st_mode & S_IWUSR) == 0)
            return "the file is read-only";
        return {};
    }
    if (errno != ENOENT)
        return systemReason();
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0)
        return "it is a link that leads to no file";
    return {};
}

// A short name of its own in the folder: unlike a name made from the map's, it never exceeds the
// file system's limit, and it never ends in ".map", so the load list never shows it.
std::string scratchName(const std::string& folder)
{
    static std::atomic<unsigned> made{0};
    const auto clock =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::mt19937_64 random(clock ^ (static_cast<std::uint64_t>(::getpid()) << 32) ^ made++);
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = folder + "/.saving-";
    for (int i = 0; i < 8; ++i)
        name += letters[random() % (sizeof letters - 1)];
    return name;
}

// Creates the temporary file of a save. O_EXCL with O_NOFOLLOW never opens what is already there
// or follows a planted link, so only a file made here is written. The mode is left to open(), which
// takes the umask off 0666 as for any new file; mkostemp would make it 0600, and widening that
// needs the umask, which a process can only read by changing it.
int createScratch(const std::string& folder, std::string& scratchPath)
{
    for (int attempt = 0; attempt < 64; ++attempt) {
        scratchPath = scratchName(folder);
        const int descriptor =
            ::open(scratchPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

// Writes the map into the new temporary file and puts it in place of `path`.
bool writeAndRename(int descriptor, const std::string& scratchPath, const std::string& path, std::string* why)
{
    Descriptor file{descriptor};
    if (!writeFully(file.get(), mapImage(), MapFileBytes) || !syncFully(file.get()) || !file.close() ||
        ::rename(scratchPath.c_str(), path.c_str()) != 0)
        return fail(why, systemReason());
    return true;
}

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
    if (file.get() < 0 || ::fstat(file.get(), &seen) != 0)
        return fail(why, systemReason());
    if (!S_ISREG(seen.st_mode))
        return fail(why, notAMapFile(seen.st_mode));

    std::vector<std::byte> image(MapFileBytes);
    const ssize_t got = readFully(file.get(), image.data(), image.size());
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
    if (path.empty())
        return fail(why, "no file name was given");
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    const std::size_t nameBytes = path.size() - (slash == std::string::npos ? 0 : slash + 1);
    if (const std::optional<std::size_t> longest = longestFileName(folder); longest && nameBytes > *longest)
        return fail(why, std::strerror(ENAMETOOLONG));
    if (std::string inTheWay = reasonNotToReplace(path); !inTheWay.empty())
        return fail(why, std::move(inTheWay));

    std::string scratchPath;
    const int descriptor = createScratch(folder, scratchPath);
    if (descriptor < 0)
        return fail(why, systemReason());
    if (writeAndRename(descriptor, scratchPath, path, why))
        return true;
    ::unlink(scratchPath.c_str());
    return false;
}

} // namespace Routeseer
