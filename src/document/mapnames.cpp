#include "document/mapnames.h"

#include <QFile>
#include <algorithm>
#include <cctype>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "map/filenamelimit.h"

namespace MapNames {

namespace {

bool isControl(QChar c) { return c.category() == QChar::Other_Control; }

// Measured in bytes of the name as the file system stores it, as the limit is.
QString lengthReason(const QString& name, const std::string& folder)
{
    const qsizetype bytes = QFile::encodeName(name + QLatin1String(Extension)).size();
    const std::optional<std::size_t> longest = ::Routeseer::longestFileName(folder);
    if (!longest || std::size_t(bytes) <= *longest)
        return {};
    return QStringLiteral("the name is too long: with \"%1\" it takes %2 bytes, and a file name here may "
                          "take at most %3")
        .arg(QLatin1String(Extension))
        .arg(bytes)
        .arg(*longest);
}

// Case aside, as the list has always matched ".map".
bool sameLetter(char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; }

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

std::vector<std::string> inFolder(const std::string& folder)
{
    std::vector<std::string> maps;
    DIR* listing = ::opendir(folder.c_str());
    if (!listing)
        return maps;
    const std::string extension = Extension;
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

} // namespace MapNames
