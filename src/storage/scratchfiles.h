// The temporary files of saves, and the locks that tell a killed save's leftover from a running
// one's. A writer holds a shared lock on the folder while it creates and locks its temporary file,
// then an exclusive lock on that file until it is renamed or removed. A cleaner holds an exclusive
// lock on the folder, so no temporary file is between creation and its lock, and removes only the
// temporary files it can lock: their writers are gone.
#pragma once

#include <string>

#include "posixfiles.h"

namespace Storage::ScratchFiles {

// Whether a name in a folder is one that createLocked makes.
bool isScratchName(const std::string& name);

// Creates, in the open folder `folder`, a new temporary file of a fresh name with this mode (under
// the umask) and locks it. Never opens what is already there and never follows a link.
PosixFiles::Descriptor createLocked(int folder, mode_t mode, std::string& name, std::string* why);

// The cleaner, on an open folder.
void clearLeftoversIn(int folder);

} // namespace Storage::ScratchFiles
