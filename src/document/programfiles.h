// Where map files live: the folders the load list shows and saves go to. Maps live in the program
// folder. Where this user may not write it (a system-wide install), saves go to the user's own maps
// folder instead, and the user's maps join the program folder's, each taking the place of a
// program folder map of the same name.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace ProgramFiles {

inline constexpr const char* DefaultMapName = "blankmap.map";

// The folder that holds the program's executable, without a trailing separator.
QString folder();
// The full path of a file in the program folder.
QString path(const QString& fileName);

// The user's maps folder: $XDG_DATA_HOME/routeseer/maps, ~/.local/share/routeseer/maps by default.
QString userFolder();
// Where saves go: the program folder where this user may write it, else the user's maps folder.
QString saveFolder();

// A map of the load list: its file name, and the file it loads from.
struct ListedMap {
    QString name;
    QString path;
};
// The map files of these folders sorted by name, case aside; a map of a later folder takes the
// place of an earlier folder's map of the same name.
std::vector<ListedMap> mapsIn(const QStringList& folders);
// The maps the load list shows: the program folder's, joined by the user's where saves go there.
std::vector<ListedMap> listedMaps();
// The file a map of this name loads from: the user's own where saves go to the user's maps folder
// and the user saved one, else the program folder's.
QString mapPath(const QString& fileName);

// A path as the file routines take it: the bytes the file system stores.
std::string fileSystemPath(const QString& filePath);
// Where a map saved under this file name goes: in the user's maps folder, made if need be, where
// saves go there. Empty when that folder cannot be made, and `why` then says so.
QString saveTarget(const QString& fileName, std::string* why);

// Tests point the program at a folder of their own; an empty name brings back the real one.
void useFolder(const QString& folder);

} // namespace ProgramFiles
