#include "document/programfiles.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

#include "document/basefolders.h"
#include "document/mapnames.h"
#include "map/filewriter.h"

namespace ProgramFiles {

namespace {

constexpr char MapsBelowData[] = "/routeseer/maps";

std::string folderOverride;

bool usesUserFolder() { return saveFolder() != folder(); }

bool byName(const ListedMap& a, const ListedMap& b)
{
    const int order = a.name.compare(b.name, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a.path < b.path;
}

bool isFile(const std::string& path)
{
    struct stat seen {};
    return ::stat(path.c_str(), &seen) == 0 && S_ISREG(seen.st_mode);
}

// Every folder maps are read from, the least important first.
std::vector<std::string> readFolders()
{
    std::vector<std::string> folders{folder()};
    const std::vector<std::string> classes = classFolders();
    folders.insert(folders.end(), classes.rbegin(), classes.rend());
    if (usesUserFolder() && !userFolder().empty())
        folders.push_back(userFolder());
    return folders;
}

} // namespace

std::string folder()
{
    if (!folderOverride.empty())
        return folderOverride;
    // Qt's own answer is a QString, which cannot hold a folder name that is not UTF-8.
    const std::string fromSystem = BaseFolders::programFolder();
    return fromSystem.empty() ? QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString()
                              : fromSystem;
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
        for (const std::string& name : MapNames::inFolder(mapFolder))
            pathOfName[name] = mapFolder + '/' + name;
    std::vector<ListedMap> maps;
    for (const auto& [name, mapPath] : pathOfName)
        maps.push_back({QFile::decodeName(QByteArray::fromStdString(name)), mapPath});
    std::sort(maps.begin(), maps.end(), byName);
    return maps;
}

std::vector<ListedMap> listedMaps() { return mapsIn(readFolders()); }

std::string mapPath(const std::string& fileName)
{
    const std::vector<std::string> folders = readFolders();
    for (auto each = folders.rbegin(); each != folders.rend(); ++each)
        if (const std::string found = *each + '/' + fileName; isFile(found))
            return found;
    return path(fileName);
}

QString shown(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string saveTarget(const std::string& fileName, std::string* why)
{
    const std::string into = saveFolder();
    if (into.empty()) {
        *why = "this account has no home folder to keep maps in";
        return {};
    }
    if (into != folder() && !Routeseer::makeFolders(into, why))
        return {};
    return into + '/' + fileName;
}

void clearLeftovers()
{
    Routeseer::clearLeftovers(folder());
    if (usesUserFolder())
        Routeseer::clearLeftovers(userFolder());
}

void useFolder(const std::string& newFolder) { folderOverride = newFolder; }

} // namespace ProgramFiles
