#include "storage/mapfile.h"

#include <sys/stat.h>

#include "storage/filewriter.h"

namespace Storage {

bool writeMapFile(const std::string& path, std::span<const std::byte> image, Replacing replacing,
                  std::string* why)
{
    WriteRules rules{"map file", {}};
    if (replacing == Replacing::OnlyMaps)
        rules.mayReplace = [size = image.size()](int descriptor) -> std::string {
            struct stat seen {};
            if (::fstat(descriptor, &seen) == 0 && static_cast<std::size_t>(seen.st_size) == size)
                return {};
            return "it is not a map file (" + std::to_string(seen.st_size) +
                   " bytes), and only a map file is replaced";
        };
    return writeFile(path, image, rules, why);
}

} // namespace Storage
