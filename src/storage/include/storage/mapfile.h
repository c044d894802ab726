// The one writer of map files, for the window's saves and routeseer-map's alike: a map's image
// written whole through the file writer's rules (storage/filewriter.h).
#pragma once

#include <cstddef>
#include <span>
#include <string>

namespace Storage {

enum class Replacing {
    AnyFile,  // a person chose the name and said yes: whatever regular file it names
    OnlyMaps, // a job's output: only a file of a map's size, so a slip of the arguments loses nothing
};

bool writeMapFile(const std::string& path, std::span<const std::byte> image, Replacing replacing,
                  std::string* why = nullptr);

} // namespace Storage
