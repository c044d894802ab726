// Names of map files: which typed names may become one in a folder, and which files of a folder
// are maps.
#pragma once

#include <QString>
#include <string>
#include <vector>

namespace MapNames {

inline constexpr const char* Extension = ".map";

// Why a typed name may not name a map file in `folder`, for a person, or an empty text when it
// may. A separator or a dot folder would save elsewhere, control characters make names nobody can
// read back or type again, and a name longer than the folder's file system takes could never be
// saved. Blank names are the caller's to skip.
QString reasonToRefuse(const QString& name, const std::string& folder);
// The name as a box can show it: each control character becomes the replacement mark.
QString printable(QString name);

// The file names of the map files of a folder, as stored, in any encoding; hidden ones too, since a
// typed name may start with ".". Only regular files, or links to them, are maps: a FIFO or a device
// would make a load wait or read forever.
std::vector<std::string> inFolder(const std::string& folder);

} // namespace MapNames
