// The folders the base-directory rules name, and the program's own, as the bytes the file system
// stores: a folder whose name is not UTF-8 is the folder it names.
#pragma once

#include <string>
#include <vector>

namespace BaseFolders {

// $XDG_DATA_HOME where it is an absolute path, else the home's .local/share; the home is $HOME
// where that is an absolute path, else the account's from the password database.
std::string dataHome();
// The absolute folders of $XDG_DATA_DIRS, most important first; /usr/local/share and /usr/share
// where it names none.
std::vector<std::string> dataFolders();
// The folder that holds the running program, read from /proc/self/exe; empty if it cannot be read.
std::string programFolder();

} // namespace BaseFolders
