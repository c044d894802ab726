// Reading a file that a person or a folder names: only a regular file (directly or through a link)
// is opened, and opening never waits, so a FIFO, a device or a file swapped for one after the look
// ends the read at once with a reason.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace Storage {

// The open descriptor of the regular file at `path` (bytes, in any encoding), blocking as files do;
// -1 when there is none, and `why` then says why, naming what stands there as `kind`, say "it is a
// folder, not a map file".
int openToRead(const std::string& path, const std::string& kind, std::string* why);

// The file's first `limit` bytes, or all of it when it is shorter.
std::optional<std::vector<std::byte>> readAtMost(const std::string& path, std::size_t limit,
                                                 const std::string& kind, std::string* why);

} // namespace Storage
