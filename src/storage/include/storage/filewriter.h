// The one way the programs write a file: maps, pictures and anything else. Paths are bytes as the
// file system stores them, in any encoding.
//
// A link, FIFO, device, socket or folder at the path is never written through or replaced. A
// regular file is replaced only where this user may write it (and, in a sticky folder, owns it),
// atomically: a temporary file in the same folder is written, synced and renamed over it, keeping
// the old file's mode and, where allowed, its group. A new file gets 0666 under the umask. On any
// failure nothing at the path changes and no temporary file stays.
#pragma once

#include <functional>
#include <span>
#include <string>

namespace Storage {

struct WriteRules {
    // What the file is, for messages: "it is a folder, not a map file".
    std::string kind = "file";
    // Asked about a regular file already at the path, open for reading: the reason not to replace
    // it, or an empty text where it may go. Unset, any such file may be replaced.
    std::function<std::string(int descriptor)> mayReplace;
};

// Writes `bytes` as the whole file at `path`. On failure returns false and, when `why` is given,
// puts there a reason a person can read.
bool writeFile(const std::string& path, std::span<const std::byte> bytes, const WriteRules& rules,
               std::string* why = nullptr);

// Removes the temporary files that saves killed before they were done left in `folder`; those of
// saves still running, in this process or another, stay. Quietly does nothing where it cannot.
void clearLeftovers(const std::string& folder);

// Makes `folder` and the folders above it that are missing, as a user's data folder (mode 0700
// under the umask). On failure `why` names the folder that could not be made and the reason.
bool makeFolders(const std::string& folder, std::string* why);

} // namespace Storage
