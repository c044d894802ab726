// The writer decides on what lstat shows, never on what a link leads to, and acts relative to the
// folder's descriptor, so that what it looked at is where it writes.
#include "storage/filewriter.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

#include "posixfiles.h"
#include "scratchfiles.h"
#include "storage/filenamelimit.h"

namespace Storage {

namespace {

using PosixFiles::Descriptor;
using PosixFiles::kindOf;
using PosixFiles::systemReason;

bool fail(std::string* why, std::string reason)
{
    if (why)
        *why = std::move(reason);
    return false;
}

// What a link leads to, in words: what a person needs to see why it was left alone.
std::string linkReason(int folder, const std::string& name, const std::string& kind)
{
    struct stat target {};
    std::string leads;
    if (::fstatat(folder, name.c_str(), &target, 0) == 0)
        leads = "it is a link to " + kindOf(target.st_mode);
    else if (errno == ENOENT)
        leads = "it is a link that leads to no file";
    else
        leads = "it is a link that leads nowhere (" + systemReason() + ")";
    return leads + ", and a " + kind + " is never written through a link";
}

struct Target {
    int folder;
    std::string name;
    std::optional<struct stat> existing; // the regular file at the path, if any
};

// Why this user may not replace the regular file `seen`.
std::string rightsReason(const Target& at, const struct stat& seen, const struct stat& folder)
{
    if ((seen.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return "the file is read-only";
    if (::faccessat(at.folder, at.name.c_str(), W_OK, 0) != 0)
        return systemReason();
    // In a sticky folder, such as /tmp, only a file's owner may replace it.
    if ((folder.st_mode & S_ISVTX) && seen.st_uid != ::geteuid())
        return "the folder is shared (sticky) and the file belongs to another user";
    return {};
}

// The reason not to replace what stands at the path, or nothing.
std::string inTheWay(Target& at, const WriteRules& rules)
{
    struct stat seen {};
    if (::fstatat(at.folder, at.name.c_str(), &seen, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? std::string() : systemReason();
    if (S_ISLNK(seen.st_mode))
        return linkReason(at.folder, at.name, rules.kind);
    if (!S_ISREG(seen.st_mode))
        return "it is " + kindOf(seen.st_mode) + ", not a " + rules.kind;
    struct stat folder {};
    if (::fstat(at.folder, &folder) != 0)
        return systemReason();
    if (std::string reason = rightsReason(at, seen, folder); !reason.empty())
        return reason;
    at.existing = seen;
    if (!rules.mayReplace)
        return {};
    const Descriptor file{
        ::openat(at.folder, at.name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    struct stat opened {};
    if (!file.valid() || ::fstat(file.get(), &opened) != 0)
        return systemReason();
    if (opened.st_ino != seen.st_ino || opened.st_dev != seen.st_dev)
        return "it changed while it was looked at";
    return rules.mayReplace(file.get());
}

// The old file's rights go to its replacement: its mode, and its group (and, for root, its
// owner) where the system allows; a group this user is not in stays this user's.
void keepRights(int file, const struct stat& old)
{
    const uid_t owner = ::geteuid() == 0 ? old.st_uid : static_cast<uid_t>(-1);
    [[maybe_unused]] const int kept = ::fchown(file, owner, old.st_gid);
    ::fchmod(file, old.st_mode & (S_IRWXU | S_IRWXG | S_IRWXO));
}

// Renames the written temporary file to the target's name.
bool putInPlace(Target& at, const std::string& scratch, const WriteRules& rules)
{
    const auto rename = [&](unsigned flags) {
        return ::renameat2(at.folder, scratch.c_str(), at.folder, at.name.c_str(), flags) == 0;
    };
    // Where nothing stood, nothing may have come since unseen: a link planted meanwhile stays.
    if (at.existing || rename(RENAME_NOREPLACE))
        return at.existing ? rename(0) : true;
    // Another save of the same name came first, or the file system knows no such rename (EINVAL):
    // what stands there now is looked at as the first look did.
    if (errno == EEXIST && !inTheWay(at, rules).empty()) {
        errno = EEXIST;
        return false;
    }
    return (errno == EEXIST || errno == EINVAL) && rename(0);
}

// Writes the temporary file and puts it in place of the target.
bool writeAndRename(Target& at, int file, const std::string& scratch, std::span<const std::byte> bytes,
                    const WriteRules& rules)
{
    if (!PosixFiles::writeFully(file, bytes.data(), bytes.size()))
        return false;
    if (at.existing)
        keepRights(file, *at.existing);
    if (!PosixFiles::syncFully(file) || !putInPlace(at, scratch, rules))
        return false;
    // The rename itself reaches the disk with the folder; a file system that cannot sync a
    // folder has still made the rename.
    PosixFiles::syncFully(at.folder);
    return true;
}

} // namespace

bool writeFile(const std::string& path, std::span<const std::byte> bytes, const WriteRules& rules,
               std::string* why)
{
    if (path.empty())
        return fail(why, "no file name was given");
    const std::size_t slash = path.find_last_of('/');
    const std::string folderPath =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    Target at{-1, slash == std::string::npos ? path : path.substr(slash + 1), std::nullopt};
    if (at.name.empty() || at.name == "." || at.name == "..")
        return fail(why, "it names a folder, not a " + rules.kind);
    if (const std::optional<std::size_t> longest = longestFileName(folderPath);
        longest && at.name.size() > *longest)
        return fail(why, std::strerror(ENAMETOOLONG));

    const Descriptor folder{::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (!folder.valid())
        return fail(why, systemReason());
    at.folder = folder.get();
    if (std::string reason = inTheWay(at, rules); !reason.empty())
        return fail(why, std::move(reason));

    ScratchFiles::clearLeftoversIn(folder.get());
    std::string scratch;
    // A replacement is private until it takes the old file's mode.
    Descriptor file = ScratchFiles::createLocked(folder.get(), at.existing ? 0600 : 0666, scratch, why);
    if (!file.valid())
        return false;
    // The file stays open, and so locked, until it has its name: no cleaner takes it before.
    if (writeAndRename(at, file.get(), scratch, bytes, rules))
        return true;
    const std::string reason = errno == EEXIST ? "something was put at the path meanwhile" : systemReason();
    ::unlinkat(folder.get(), scratch.c_str(), 0);
    return fail(why, reason);
}

} // namespace Storage
