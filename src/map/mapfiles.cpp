// Map files are raw images of MapGrid. A load reads into a buffer first so that a short or
// unreadable file never leaves half a map behind; a save goes through a temporary file and a
// rename so that a failure never leaves half a map on disk.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "map/routeseer.h"

namespace Routeseer {

namespace {

namespace fs = std::filesystem;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool fail(std::string* why, std::string reason)
{
    if (why)
        *why = std::move(reason);
    return false;
}

std::string systemReason() { return std::strerror(errno); }

std::byte* mapImage() { return reinterpret_cast<std::byte*>(&MapGrid(0, 0)); }

bool isReadOnly(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return !error && fs::is_regular_file(status) &&
           (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

} // namespace

bool loadmap(const std::string& path, std::string* why)
{
    if (path.empty())
        return fail(why, "no file name was given");

    errno = 0;
    File file{std::fopen(path.c_str(), "rb")};
    if (!file)
        return fail(why, systemReason());

    std::vector<std::byte> image(MapFileBytes);
    errno = 0;
    const std::size_t got = std::fread(image.data(), 1, image.size(), file.get());
    if (std::ferror(file.get()))
        return fail(why, systemReason());
    if (got < MapFileBytes)
        return fail(why, "the file holds " + std::to_string(got) + " bytes, but a map file holds " +
                             std::to_string(MapFileBytes));

    std::memcpy(mapImage(), image.data(), MapFileBytes);
    return true;
}

bool savemap(const std::string& path, std::string* why)
{
    if (path.empty())
        return fail(why, "no file name was given");
    const fs::path target{path};
    if (isReadOnly(target))
        return fail(why, "the file is read-only");
    if (fs::is_directory(target))
        return fail(why, "a folder of that name is in the way");

    fs::path temporary = target;
    temporary += ".saving";
    errno = 0;
    File file{std::fopen(temporary.c_str(), "wb")};
    if (!file)
        return fail(why, systemReason());

    errno = 0;
    const bool written = std::fwrite(mapImage(), 1, MapFileBytes, file.get()) == MapFileBytes &&
                         std::fflush(file.get()) == 0;
    const std::string writeReason = systemReason();
    const bool closed = std::fclose(file.release()) == 0;
    std::error_code error;
    if (!written || !closed) {
        fs::remove(temporary, error);
        return fail(why, written ? systemReason() : writeReason);
    }
    fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return fail(why, error.message());
    }
    return true;
}

} // namespace Routeseer
