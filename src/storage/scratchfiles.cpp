#include "scratchfiles.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

#include "storage/filewriter.h"

namespace Storage::ScratchFiles {

namespace {

using PosixFiles::Descriptor;

constexpr char Prefix[] = ".saving-";
constexpr std::size_t PrefixLength = sizeof Prefix - 1;
constexpr char Letters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t RandomLetters = 8;

// A short name of its own: unlike one made from the target's name it never exceeds the file
// system's limit, and it never ends in ".map", so the load list never shows it.
std::string freshName()
{
    static std::atomic<unsigned> made{0};
    const auto clock =
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::mt19937_64 random(clock ^ (static_cast<std::uint64_t>(::getpid()) << 32) ^ made++);
    std::string name = Prefix;
    for (std::size_t i = 0; i < RandomLetters; ++i)
        name += Letters[random() % (sizeof Letters - 1)];
    return name;
}

// A cleaner holds the folder only for as long as it takes to look at its temporary files, so a
// writer waits for it a little; one that never lets go (a stopped process) fails the save with
// the reason rather than hanging the program.
bool lockShared(int folder)
{
    using namespace std::chrono_literals;
    const auto until = std::chrono::steady_clock::now() + 2s;
    while (::flock(folder, LOCK_SH | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > until)
            return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

class FolderLock {
  public:
    explicit FolderLock(int folder) : folder(folder) {}
    ~FolderLock() { ::flock(folder, LOCK_UN); }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

  private:
    int folder;
};

} // namespace

bool isScratchName(const std::string& name)
{
    return name.size() == PrefixLength + RandomLetters && name.compare(0, PrefixLength, Prefix) == 0 &&
           name.find_first_not_of(Letters, PrefixLength) == std::string::npos;
}

Descriptor createLocked(int folder, mode_t mode, std::string& name, std::string* why)
{
    auto failed = [&] {
        if (why)
            *why = PosixFiles::systemReason();
        return Descriptor{};
    };
    if (!lockShared(folder))
        return failed();
    const FolderLock held{folder};
    for (int attempt = 0; attempt < 64; ++attempt) {
        name = freshName();
        // O_EXCL with O_NOFOLLOW never opens what is already there or follows a planted link.
        Descriptor file{
            ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode)};
        if (!file.valid() && errno == EEXIST)
            continue;
        if (!file.valid())
            return failed();
        if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::unlinkat(folder, name.c_str(), 0);
            errno = error;
            return failed();
        }
        return file;
    }
    errno = EEXIST;
    return failed();
}

void clearLeftoversIn(int folder)
{
    if (::flock(folder, LOCK_EX | LOCK_NB) != 0)
        return; // a writer is creating its file now, or another cleaner is at work: next time
    const FolderLock held{folder};
    // A listing of its own: the folder's descriptor keeps its place for the caller.
    DIR* listing = ::fdopendir(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!listing)
        return;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (!isScratchName(name))
            continue;
        // Opening never waits on a FIFO planted under such a name, and leaves a link alone.
        const Descriptor file{
            ::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
        struct stat seen {};
        if (file.valid() && ::fstat(file.get(), &seen) == 0 && S_ISREG(seen.st_mode) &&
            ::flock(file.get(), LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(folder, name.c_str(), 0);
    }
    ::closedir(listing);
}

} // namespace Storage::ScratchFiles

namespace Storage {

void clearLeftovers(const std::string& folder)
{
    const PosixFiles::Descriptor open{
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (open.valid())
        ScratchFiles::clearLeftoversIn(open.get());
}

} // namespace Storage
