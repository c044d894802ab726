#include "storage/filenamelimit.h"

#include <cerrno>
#include <unistd.h>

namespace Storage {

std::optional<std::size_t> longestFileName(std::string folder)
{
    for (;;) {
        errno = 0;
        const long longest = ::pathconf(folder.empty() ? "/" : folder.c_str(), _PC_NAME_MAX);
        if (longest > 0)
            return static_cast<std::size_t>(longest);
        const std::size_t slash = folder.find_last_of('/');
        if (errno != ENOENT || slash == std::string::npos)
            return std::nullopt;
        folder.resize(slash);
    }
}

} // namespace Storage
