#include "document/mapnames.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <optional>

#include "map/filenamelimit.h"

namespace MapNames {

namespace {

bool isControl(QChar c) { return c.category() == QChar::Other_Control; }

// Measured in bytes of the name as the file system stores it, as the limit is.
QString lengthReason(const QString& name, const QString& folder)
{
    const qsizetype bytes = QFile::encodeName(name + QLatin1String(Extension)).size();
    const std::optional<std::size_t> longest =
        ::Routeseer::longestFileName(QFile::encodeName(folder).toStdString());
    if (!longest || std::size_t(bytes) <= *longest)
        return {};
    return QStringLiteral("the name is too long: with \"%1\" it takes %2 bytes, and a file name here may "
                          "take at most %3")
        .arg(QLatin1String(Extension))
        .arg(bytes)
        .arg(*longest);
}

} // namespace

QString reasonToRefuse(const QString& name, const QString& folder)
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QStringLiteral("a map name cannot hold \"/\" or \"\\\"");
    if (std::any_of(name.begin(), name.end(), isControl))
        return QStringLiteral("a map name cannot hold control characters");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("\".\" and \"..\" name folders, not maps");
    return lengthReason(name, folder);
}

QString printable(QString name)
{
    std::replace_if(name.begin(), name.end(), isControl, QChar(QChar::ReplacementCharacter));
    return name;
}

QStringList inFolder(const QString& folder)
{
    const QStringList pattern{QLatin1Char('*') + QLatin1String(Extension)};
    QStringList maps;
    // QDir lists links to FIFOs and devices as files too; QFileInfo::isFile looks through them.
    for (const QFileInfo& file :
         QDir(folder).entryInfoList(pattern, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase))
        if (file.isFile())
            maps << file.fileName();
    return maps;
}

} // namespace MapNames
