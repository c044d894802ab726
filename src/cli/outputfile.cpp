#include "cli/outputfile.h"

#include <span>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/commandline.h"
#include "map/routeseer.h"
#include "storage/mapfile.h"

namespace OutputFile {

QString overInput(const std::string& input, const std::string& output)
{
    // The same file under two names, or through a link, is the same file all the same.
    struct stat read {
    }, written{};
    const bool readable =
        input == "-" ? ::fstat(STDIN_FILENO, &read) == 0 : ::stat(input.c_str(), &read) == 0;
    if (!readable || ::stat(output.c_str(), &written) != 0)
        return {};
    if (read.st_dev != written.st_dev || read.st_ino != written.st_ino)
        return {};
    return QStringLiteral("%1 is the input %2 itself, and a job never writes over its input")
        .arg(CommandLine::shown(output), CommandLine::shown(input));
}

bool writeMap(const std::string& path, QString* why)
{
    std::string reason;
    const auto* image = reinterpret_cast<const std::byte*>(&Routeseer::MapGrid(0, 0));
    if (Storage::writeMapFile(path, std::span(image, Routeseer::MapFileBytes), Storage::Replacing::OnlyMaps,
                              &reason))
        return true;
    *why = QString::fromStdString(reason);
    return false;
}

} // namespace OutputFile
