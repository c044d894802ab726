// Map files are raw images of MapGrid. A load reads into a buffer first so that a short or
// unreadable file never leaves half a map behind; a save goes through the map writer, so that a
// failure never leaves half a map on disk. Neither throws, waits on a FIFO or a device, or follows
// a planted link elsewhere.
//
// The file's passable words are little-endian. The program only ever asks whether one is 0 and
// writes 0 or -1, which read the same in either byte order, so the image is used as it lies.
#include <cstring>
#include <optional>
#include <span>
#include <vector>

#include "map/routeseer.h"
#include "storage/filereader.h"
#include "storage/mapfile.h"

namespace Routeseer {

namespace {

bool fail(std::string* why, std::string reason)
{
    if (why)
        *why = std::move(reason);
    return false;
}

std::byte* mapImage() { return reinterpret_cast<std::byte*>(&MapGrid(0, 0)); }

} // namespace

bool loadmap(const std::string& path, std::string* why)
{
    const std::optional<std::vector<std::byte>> image =
        Storage::readAtMost(path, MapFileBytes, "map file", why);
    if (!image)
        return false;
    if (image->size() < MapFileBytes)
        return fail(why, "the file holds " + std::to_string(image->size()) + " bytes, but a map file holds " +
                             std::to_string(MapFileBytes));
    std::memcpy(mapImage(), image->data(), MapFileBytes);
    return true;
}

bool savemap(const std::string& path, std::string* why)
{
    return Storage::writeMapFile(path, std::span<const std::byte>(mapImage(), MapFileBytes),
                                 Storage::Replacing::AnyFile, why);
}

} // namespace Routeseer
