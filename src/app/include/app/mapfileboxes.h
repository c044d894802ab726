// Map files read and written from the window, with every failure shown in a box that names the
// file and the reason. Paths are bytes as the file system stores them; a QString path is one a
// person typed or chose.
#pragma once

#include <QString>
#include <string>

class MapDocument;

namespace MapFileBoxes {

// Loads a map file into the document. On failure the map stays as it was and a box names the file
// and the reason; returns whether the map was loaded.
bool load(MapDocument& document, const std::string& filePath);
bool load(MapDocument& document, const QString& filePath);
// Saves the document's map to a map file. On failure any earlier file stays intact and a box names
// the file and the reason; returns whether the map was saved.
bool save(const MapDocument& document, const std::string& filePath);
bool save(const MapDocument& document, const QString& filePath);
// Saves it under this file name where saves go, making the user's maps folder if need be.
bool saveAs(const MapDocument& document, const QString& fileName);

// The box text that refuses a typed name, or an empty text when the name may name a map file in
// `folder`.
QString refusal(const QString& name, const std::string& folder);

} // namespace MapFileBoxes
