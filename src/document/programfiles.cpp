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
#include "map/routeseer.h"
#include "platform/platform.h"
#include "platform/qtboxes.h"

namespace ProgramFiles {

namespace {

QString folderOverride;

bool reportFailure(bool done, const char* action, const QString& filePath, const std::string& why)
{
    if (!done)
        Platform::showMessage(QStringLiteral("Could not %1 the map \"%2\": %3.")
                                  .arg(QString::fromLatin1(action),
                                       Platform::fitForBox(QDir::toNativeSeparators(filePath)),
                                       QString::fromStdString(why))
                                  .toStdString());
    return done;
}

std::string fileSystemPath(const QString& filePath) { return QFile::encodeName(filePath).toStdString(); }

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

bool loadMap(const QString& filePath)
{
    std::string why;
    return reportFailure(::Routeseer::loadmap(fileSystemPath(filePath), &why), "load", filePath, why);
}

bool saveMap(const QString& filePath)
{
    std::string why;
    return reportFailure(::Routeseer::savemap(fileSystemPath(filePath), &why), "save", filePath, why);
}

bool saveMapAs(const QString& fileName)
{
    const QString into = saveFolder();
    const QString filePath = into + QLatin1Char('/') + fileName;
    if (into != folder() && !QDir().mkpath(into))
        return reportFailure(false, "save", filePath, "its folder could not be made");
    return saveMap(filePath);
}

void useFolder(const QString& newFolder) { folderOverride = newFolder; }

} // namespace ProgramFiles
