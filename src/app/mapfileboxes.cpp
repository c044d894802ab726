#include "app/mapfileboxes.h"

#include <QDir>
#include <QFile>
#include <string>

#include "document/mapdocument.h"
#include "document/mapnames.h"
#include "platform/platform.h"
#include "platform/qtboxes.h"
#include "storage/programfiles.h"

namespace MapFileBoxes {

namespace {

bool reportFailure(bool done, const char* action, const std::string& filePath, const std::string& why)
{
    if (!done)
        Platform::showMessage(
            QStringLiteral("Could not %1 the map \"%2\": %3.")
                .arg(QString::fromLatin1(action),
                     Platform::fitForBox(QDir::toNativeSeparators(MapNames::shown(filePath))),
                     MapNames::shown(why))
                .toStdString());
    return done;
}

std::string bytes(const QString& filePath) { return QFile::encodeName(filePath).toStdString(); }

} // namespace

bool load(MapDocument& document, const std::string& filePath)
{
    std::string why;
    return reportFailure(document.loadMap(filePath, &why), "load", filePath, why);
}

bool load(MapDocument& document, const QString& filePath) { return load(document, bytes(filePath)); }

bool save(const MapDocument& document, const std::string& filePath)
{
    std::string why;
    return reportFailure(document.saveMap(filePath, &why), "save", filePath, why);
}

bool save(const MapDocument& document, const QString& filePath) { return save(document, bytes(filePath)); }

bool saveAs(const MapDocument& document, const QString& fileName)
{
    std::string why;
    const std::string filePath = ProgramFiles::saveTarget(bytes(fileName), &why);
    if (filePath.empty())
        return reportFailure(false, "save", ProgramFiles::saveFolder() + '/' + bytes(fileName), why);
    return save(document, filePath);
}

QString refusal(const QString& name, const std::string& folder)
{
    const QString reason = MapNames::reasonToRefuse(name, folder);
    if (reason.isEmpty())
        return {};
    return QStringLiteral("The map was not saved under the name \"%1\": %2.")
        .arg(Platform::fitForBox(MapNames::printable(name)), reason);
}

} // namespace MapFileBoxes
