#include "app/mapfileboxes.h"

#include <QDir>
#include <string>

#include "document/mapdocument.h"
#include "document/mapnames.h"
#include "document/programfiles.h"
#include "platform/platform.h"
#include "platform/qtboxes.h"

namespace MapFileBoxes {

namespace {

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

} // namespace

bool load(MapDocument& document, const QString& filePath)
{
    std::string why;
    return reportFailure(document.loadMap(ProgramFiles::fileSystemPath(filePath), &why), "load", filePath,
                         why);
}

bool save(const MapDocument& document, const QString& filePath)
{
    std::string why;
    return reportFailure(document.saveMap(ProgramFiles::fileSystemPath(filePath), &why), "save", filePath,
                         why);
}

bool saveAs(const MapDocument& document, const QString& fileName)
{
    std::string why;
    const QString filePath = ProgramFiles::saveTarget(fileName, &why);
    if (filePath.isEmpty())
        return reportFailure(false, "save", ProgramFiles::saveFolder() + QLatin1Char('/') + fileName, why);
    return save(document, filePath);
}

QString refusal(const QString& name, const QString& folder)
{
    const QString reason = MapNames::reasonToRefuse(name, folder);
    if (reason.isEmpty())
        return {};
    return QStringLiteral("The map was not saved under the name \"%1\": %2.")
        .arg(Platform::fitForBox(MapNames::printable(name)), reason);
}

} // namespace MapFileBoxes
