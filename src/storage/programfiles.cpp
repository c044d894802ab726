#include "storage/programfiles.h"

#include <algorithm>
#include <cctype>
#include <dirent.h>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

#include "storage/basefolders.h"
#include "storage/filewriter.h"

namespace ProgramFiles {

namespace {

constexpr char MapsBelowData[] = "/routeseer/maps";

std::string folderOverride;

bool usesUserFolder() { return saveFolder() != folder(); }

// Bytes as the unsigned values they are, so that a name in UTF-8 sorts after the plain letters.
int folded(char c) { return std::tolower(static_cast<unsigned char>(c)); }

// Case aside, as the list has always matched ".map" too.
bool sameLetter(char a, char b) { return folded(a) == folded(b); }

bool byName(const ListedMap& a, const ListedMap& b)
{
    const auto less = [](char x, char y) { return folded(x) < folded(y); };
    if (std::lexicographical_compare(a.name.begin(), a.name.end(), b.name.begin(), b.name.end(), less))
        return true;
    if (std::lexicographical_compare(b.name.begin(), b.name.end(), a.name.begin(), a.name.end(), less))
        return false;
    return a.path < b.path;
}

// The file names of the map files of a folder, as stored, in any encoding; hidden ones too, since a
// typed name may start with ".". Only regular files, or links to them, are maps: a FIFO or a device
// would make a load wait or read forever.
std::vector<std::string> mapFilesIn(const std::string& folder)
{
    std::vector<std::string> maps;
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return maps;
    const std::string extension = MapExtension;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name.size() < extension.size() ||
            !std::equal(extension.begin(), extension.end(),
                        name.end() - static_cast<std::ptrdiff_t>(extension.size()), sameLetter))
            continue;
        // The listing says what most entries are; a link, or a file system that does not say, is
        // looked through. stat waits on no FIFO and no device.
        struct stat seen {};
        const bool file = entry->d_type == DT_REG ||
                          ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) &&
                           ::fstatat(::dirfd(listing), name.c_str(), &seen, 0) == 0 && S_ISREG(seen.st_mode));
        if (file)
            maps.push_back(name);
    }
    ::closedir(listing);
    return maps;
}

bool isFile(const std::string& path)
{
    struct stat seen {};
    return ::stat(path.c_str(), &seen) == 0 && S_ISREG(seen.st_mode);
}

// Every folder maps are read from, the least important first. What the user saved comes last,
// wherever saves go, so that no class map of the same name hides it.
std::vector<std::string> readFolders()
{
    std::vector<std::string> folders;
    if (usesUserFolder())
        folders.push_back(folder());
    const std::vector<std::string> classes = classFolders();
    folders.insert(folders.end(), classes.rbegin(), classes.rend());
    if (!usesUserFolder())
        folders.push_back(folder());
    else if (!userFolder().empty())
        folders.push_back(userFolder());
    return folders;
}

} // namespace

std::string folder()
{
    if (!folderOverride.empty())
        return folderOverride;
    // Without /proc the running program cannot be found, and its working folder is the best guess.
    const std::string fromSystem = BaseFolders::programFolder();
    return fromSystem.empty() ? std::string(".") : fromSystem;
}

std::string path(const std::string& fileName) { return folder() + '/' + fileName; }

std::string userFolder()
{
    const std::string data = BaseFolders::dataHome();
    return data.empty() ? data : data + MapsBelowData;
}

std::vector<std::string> classFolders()
{
    std::vector<std::string> folders;
    for (const std::string& data : BaseFolders::dataFolders())
        folders.push_back(data + MapsBelowData);
    return folders;
}

std::string saveFolder()
{
    const std::string program = folder();
    return ::access(program.c_str(), W_OK) == 0 ? program : userFolder();
}

std::vector<ListedMap> mapsIn(const std::vector<std::string>& folders)
{
    std::map<std::string, std::string> pathOfName;
    for (const std::string& mapFolder : folders)
        for (const std::string& name : mapFilesIn(mapFolder))
            pathOfName[name] = mapFolder + '/' + name;
    std::vector<ListedMap> maps;
    for (const auto& [name, mapPath] : pathOfName)
        maps.push_back({name, mapPath});
    std::sort(maps.begin(), maps.end(), byName);
    return maps;
}

std::vector<ListedMap> listedMaps() { return mapsIn(readFolders()); }

std::vector<std::string> mapPaths(const std::string& fileName)
{
    std::vector<std::string> found;
    const std::vector<std::string> folders = readFolders();
    for (auto each = folders.rbegin(); each != folders.rend(); ++each)
        if (std::string file = *each + '/' + fileName; isFile(file))
            found.push_back(std::move(file));
    return found;
}

std::string mapPath(const std::string& fileName)
{
    const std::vector<std::string> found = mapPaths(fileName);
    return found.empty() ? path(fileName) : found.front();
}

std::string saveTarget(const std::string& fileName, std::string* why)
{
    const std::string into = saveFolder();
    if (into.empty()) {
        *why = "this account has no home folder to keep maps in";
        return {};
    }
    if (into != folder() && !Storage::makeFolders(into, why))
        return {};
    return into + '/' + fileName;
}

void clearLeftovers()
{
    Storage::clearLeftovers(folder());
    if (usesUserFolder())
        Storage::clearLeftovers(userFolder());
}

void useFolder(const std::string& newFolder) { folderOverride = newFolder; }

} // namespace ProgramFiles
