// The map picture as a PNG file, for the window's Ctrl+E and the command-line picture alike.
#pragma once

#include <QImage>
#include <QString>

namespace PictureFile {

// Writes `picture` as a PNG file at `path`, whole or not at all: on failure any earlier file of
// that name is intact and `why` says what went wrong, for a person to read.
bool savePng(const QImage& picture, const QString& path, QString* why);

} // namespace PictureFile
