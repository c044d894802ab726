#include "storage/basefolders.h"

#include <climits>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace BaseFolders {

namespace {

// The rules take only absolute paths: a relative one would name another folder in every working
// folder the program is started from.
std::string absolute(const char* value) { return value && value[0] == '/' ? value : std::string(); }

std::string home()
{
    if (std::string fromEnvironment = absolute(std::getenv("HOME")); !fromEnvironment.empty())
        return fromEnvironment;
    const passwd* account = ::getpwuid(::getuid());
    return account ? absolute(account->pw_dir) : std::string();
}

} // namespace

std::string dataHome()
{
    if (std::string set = absolute(std::getenv("XDG_DATA_HOME")); !set.empty())
        return set;
    const std::string base = home();
    return base.empty() ? std::string() : base + "/.local/share";
}

std::vector<std::string> dataFolders()
{
    std::vector<std::string> folders;
    const char* value = std::getenv("XDG_DATA_DIRS");
    const std::string list = value ? value : "";
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(':', start), list.size());
        if (std::string folder = list.substr(start, end - start); folder.starts_with('/'))
            folders.push_back(std::move(folder));
        start = end + 1;
    }
    if (folders.empty())
        folders = {"/usr/local/share", "/usr/share"};
    return folders;
}

std::string programFolder()
{
    std::string program(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", program.data(), program.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= program.size())
        return {};
    program.resize(static_cast<std::size_t>(length));
    const std::size_t slash = program.find_last_of('/');
    return slash == 0 ? "/" : program.substr(0, slash);
}

} // namespace BaseFolders
