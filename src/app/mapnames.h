// Names of the map files in the program folder: which typed names may become one, and which
// files the load list shows.
#pragma once

#include <QString>
#include <QStringList>

namespace MapNames {

inline constexpr const char* Extension = ".map";

// The box text that refuses a typed name, or an empty text when the name may name a map file in
// the program folder. A separator or a dot folder would save elsewhere, and control characters
// make names nobody can read back or type again. Blank names are the caller's to skip.
QString refusal(const QString& name);

// The map files of a folder, sorted by name; hidden ones too, since a typed name may start with ".".
QStringList inFolder(const QString& folder);

} // namespace MapNames
