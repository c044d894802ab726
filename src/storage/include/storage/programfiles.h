// Where map files live: the folders the load list shows and saves go to. Maps live in the program
// folder. Where this user may not write it (a system-wide install), saves go to the user's own maps
// folder instead, and the user's maps join the program folder's. The class folders, routeseer/maps
// under each data folder of the system, hold a teacher's maps for every user and are never written.
// The folder saves go to comes first, then the class folders, then the program folder where saves
// go elsewhere: a map the user saved takes the place of a class map of the same name, which takes
// the place of the program's own. Paths are the bytes the file system stores, in any encoding.
#pragma once

#include <string>
#include <vector>

namespace ProgramFiles {

inline constexpr const char* DefaultMapName = "blankmap.map";
inline constexpr const char* MapExtension = ".map";

// The folder that holds the program's executable, without a trailing separator.
std::string folder();
// The full path of a file in the program folder.
std::string path(const std::string& fileName);

// The user's maps folder: $XDG_DATA_HOME/routeseer/maps, ~/.local/share/routeseer/maps by default.
std::string userFolder();
// The class folders, routeseer/maps under each folder of $XDG_DATA_DIRS, most important first.
std::vector<std::string> classFolders();
// Where saves go: the program folder where this user may write it, else the user's maps folder.
std::string saveFolder();

// A map of the load list: its file name as stored, and the file it loads from.
struct ListedMap {
    std::string name;
    std::string path;
};
// The map files of these folders sorted by name, letters' case aside; a map of a later folder takes
// the place of an earlier folder's map of the same name.
std::vector<ListedMap> mapsIn(const std::vector<std::string>& folders);
// The maps the load list shows: the program folder's, the class folders' and, where saves go
// there, the user's.
std::vector<ListedMap> listedMaps();
// The files a map of this name may load from, the one that takes the place of the others first.
std::vector<std::string> mapPaths(const std::string& fileName);
// The first of those, or the program folder's file of that name when there is none.
std::string mapPath(const std::string& fileName);

// Where a map saved under this file name goes: in the user's maps folder, made if need be, where
// saves go there. Empty when that folder cannot be made, and `why` then says why.
std::string saveTarget(const std::string& fileName, std::string* why);
// Removes what saves killed before they were done left in the folders maps are saved to.
void clearLeftovers();

// Tests point the program at a folder of their own; an empty name brings back the real one.
void useFolder(const std::string& folder);

} // namespace ProgramFiles
