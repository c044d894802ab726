// How long a file name a folder takes: map names are checked against it before anything is
// written, so that a name the file system would reject is refused with a reason, not half saved.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace Storage {

// The longest file name the folder's file system takes, in bytes of the encoded name. A folder
// still to be made takes its nearest existing parent's limit. Nothing when no limit is known.
std::optional<std::size_t> longestFileName(std::string folder);

} // namespace Storage
