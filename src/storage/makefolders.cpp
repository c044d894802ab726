#include <cerrno>
#include <sys/stat.h>

#include "posixfiles.h"
#include "storage/filewriter.h"

namespace Storage {

namespace {

bool cannotMake(const std::string& folder, const std::string& reason, std::string* why)
{
    if (why)
        *why = "the folder \"" + folder + "\" could not be made: " + reason;
    return false;
}

} // namespace

bool makeFolders(const std::string& folder, std::string* why)
{
    // Each level from the top: the first one that cannot be made is the one to name.
    std::size_t end = 0;
    do {
        end = folder.find('/', end + 1);
        const std::string level = folder.substr(0, end);
        if (::mkdir(level.c_str(), 0700) == 0)
            continue;
        if (errno != EEXIST)
            return cannotMake(level, PosixFiles::systemReason(), why);
        struct stat seen {};
        if (::stat(level.c_str(), &seen) != 0)
            return cannotMake(level, PosixFiles::systemReason(), why);
        if (!S_ISDIR(seen.st_mode))
            return cannotMake(level, "there is " + PosixFiles::kindOf(seen.st_mode) + " of that name", why);
    } while (end != std::string::npos);
    return true;
}

} // namespace Storage
