#include "app/mapnames.h"

#include <QDir>
#include <algorithm>

namespace MapNames {

namespace {

bool isControl(QChar c) { return c.category() == QChar::Other_Control; }

QString reasonToRefuse(const QString& name)
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return QStringLiteral("a map name cannot hold \"/\" or \"\\\"");
    if (std::any_of(name.begin(), name.end(), isControl))
        return QStringLiteral("a map name cannot hold control characters");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("\".\" and \"..\" name folders, not maps");
    return {};
}

// The name as a box can show it: each control character becomes the replacement mark.
QString printable(QString name)
{
    std::replace_if(name.begin(), name.end(), isControl, QChar(QChar::ReplacementCharacter));
    return name;
}

} // namespace

QString refusal(const QString& name)
{
    const QString reason = reasonToRefuse(name);
    if (reason.isEmpty())
        return {};
    return QStringLiteral("The map was not saved under the name \"%1\": %2.").arg(printable(name), reason);
}

QStringList inFolder(const QString& folder)
{
    const QStringList pattern{QLatin1Char('*') + QLatin1String(Extension)};
    return QDir(folder).entryList(pattern, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

} // namespace MapNames
