#include "app/programfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <string>

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

} // namespace

QString folder()
{
    return folderOverride.isEmpty() ? QCoreApplication::applicationDirPath() : folderOverride;
}

QString path(const QString& fileName) { return folder() + QLatin1Char('/') + fileName; }

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

void useFolder(const QString& newFolder) { folderOverride = newFolder; }

} // namespace ProgramFiles
