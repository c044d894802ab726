// The map picture out of the program: to the clipboard, or into a PNG file.
#pragma once

#include <QImage>
#include <QString>

namespace PictureOut {

// Writes `picture` as a PNG file at `path`, whole or not at all: on failure any earlier file of
// that name is intact and `why` says what went wrong, for a person to read.
bool savePng(const QImage& picture, const QString& path, QString* why);

} // namespace PictureOut
