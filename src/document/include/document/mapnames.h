// Names of map files as people type and read them: which typed names may become one in a folder,
// and how names and paths, bytes in any encoding, show in a box.
#pragma once

#include <QString>
#include <string>

namespace MapNames {

// Why a typed name may not name a map file in `folder`, for a person, or an empty text when it
// may. A separator or a dot folder would save elsewhere, control characters make names nobody can
// read back or type again, and a name longer than the folder's file system takes could never be
// saved. Blank names are the caller's to skip.
QString reasonToRefuse(const QString& name, const std::string& folder);
// The name as a box can show it: each control character becomes the replacement mark.
QString printable(QString name);
// A file name or a path as a person reads it; bytes that are not UTF-8 show a replacement mark.
QString shown(const std::string& path);

} // namespace MapNames
