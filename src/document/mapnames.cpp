#include "document/mapnames.h"

#include <QFile>
#include <algorithm>
#include <optional>

#include "storage/filenamelimit.h"
#include "storage/programfiles.h"

namespace MapNames {

namespace {

bool isControl(QChar c) { return c.category() == QChar::Other_Control; }

// Measured in bytes of the name as the file system stores it, as the limit is.
QString lengthReason(const QString& name, const std::string& folder)
{
    const qsizetype bytes = QFile::encodeName(name + QLatin1String(ProgramFiles::MapExtension)).size();
    const std::optional<std::size_t> longest = Storage::longestFileName(folder);
    if (!longest || std::size_t(bytes) <= *longest)
        return {};
    return QStringLiteral("the name is too long: with \"%1\" it takes %2 bytes, and a file name here may "
                          "take at most %3")
        .arg(QLatin1String(ProgramFiles::MapExtension))
        .arg(bytes)
        .arg(*longest);
}

} // namespace

QString reasonToRefuse(const QString& name, const std::string& folder)
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

QString shown(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

} // namespace MapNames
