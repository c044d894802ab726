// The map picture as a file, for the window's Ctrl+E and the command-line picture alike: encoded by
// the toolkit's image writers, written by the programs' one file writer.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <string>

namespace PictureFile {

// The file name extensions the toolkit can write pictures in, lower case, sorted.
QStringList writableExtensions();
// The picture format a path's extension names ("png" for "a.PNG"), or nothing when the toolkit
// cannot write it.
QByteArray formatOf(const std::string& path);

// Why the regular file open at `descriptor` is not a picture that a new one may replace, or an
// empty text when it is one.
std::string notAPicture(int descriptor);

// Writes `picture` in `format` at `path` (bytes as the file system stores them), whole or not at
// all: on failure any earlier file of that name is intact and `why` says what went wrong. Where
// `onlyOverPictures` is set, a file that is not a picture is not replaced.
bool save(const QImage& picture, const std::string& path, const QByteArray& format, QString* why,
          bool onlyOverPictures = false);

} // namespace PictureFile
