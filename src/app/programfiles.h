// The program folder, where the default map and the user's maps live, and map files read and
// written there with any failure shown to the person at the screen.
#pragma once

#include <QString>

namespace ProgramFiles {

inline constexpr const char* DefaultMapName = "blankmap.map";

// The folder that holds the program's executable, without a trailing separator.
QString folder();
// The full path of a file in the program folder.
QString path(const QString& fileName);

// Loads a map file into MapGrid. On failure the map stays as it was and a box names the file and
// the reason; returns whether the map was loaded.
bool loadMap(const QString& filePath);
// Saves MapGrid to a map file. On failure any earlier file stays intact and a box names the file
// and the reason; returns whether the map was saved.
bool saveMap(const QString& filePath);

// Tests point the program at a folder of their own; an empty name brings back the real one.
void useFolder(const QString& folder);

} // namespace ProgramFiles
