#include "document/programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <algorithm>
#include <string>
#include <unistd.h>

#include "document/mapnames.h"

namespace ProgramFiles {

namespace {

QString folderOverride;

bool usesUserFolder() { return saveFolder() != folder(); }

bool byName(const ListedMap& a, const ListedMap& b)
{
    const int order = a.name.compare(b.name, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a.name < b.name;
}

} // namespace

QString folder()
{
    return folderOverride.isEmpty() ? QCoreApplication::applicationDirPath() : folderOverride;
}

QString path(const QString& fileName) { return folder() + QLatin1Char('/') + fileName; }

QString userFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/routeseer/maps");
}

QString saveFolder()
{
    const bool writable = ::access(QFile::encodeName(folder()).constData(), W_OK) == 0;
    return writable ? folder() : userFolder();
}

std::vector<ListedMap> mapsIn(const QStringList& folders)
{
    QHash<QString, QString> pathOfName;
    for (const QString& mapFolder : folders)
        for (const QString& name : MapNames::inFolder(mapFolder))
            pathOfName.insert(name, mapFolder + QLatin1Char('/') + name);
    std::vector<ListedMap> maps;
    for (auto map = pathOfName.cbegin(); map != pathOfName.cend(); ++map)
        maps.push_back({map.key(), map.value()});
    std::sort(maps.begin(), maps.end(), byName);
    return maps;
}

std::vector<ListedMap> listedMaps()
{
    return mapsIn(usesUserFolder() ? QStringList{folder(), userFolder()} : QStringList{folder()});
}

QString mapPath(const QString& fileName)
{
    if (usesUserFolder()) {
        const QString own = userFolder() + QLatin1Char('/') + fileName;
        if (QFileInfo(own).isFile())
            return own;
    }
    return path(fileName);
}

std::string fileSystemPath(const QString& filePath) { return QFile::encodeName(filePath).toStdString(); }

QString saveTarget(const QString& fileName, std::string* why)
{
    const QString into = saveFolder();
    if (into != folder() && !QDir().mkpath(into)) {
        *why = "its folder could not be made";
        return {};
    }
    return into + QLatin1Char('/') + fileName;
}

void useFolder(const QString& newFolder) { folderOverride = newFolder; }

} // namespace ProgramFiles
