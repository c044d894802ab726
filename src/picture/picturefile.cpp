#include "picture/picturefile.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>
#include <unistd.h>

#include "storage/filewriter.h"

namespace PictureFile {

QStringList writableExtensions()
{
    QStringList extensions;
    for (const QByteArray& format : QImageWriter::supportedImageFormats())
        extensions << QString::fromLatin1(format).toLower();
    extensions.sort();
    extensions.removeDuplicates();
    return extensions;
}

QByteArray formatOf(const std::string& path)
{
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || path.find('/', dot) != std::string::npos)
        return {};
    const QByteArray extension = QByteArray::fromStdString(path.substr(dot + 1)).toLower();
    return QImageWriter::supportedImageFormats().contains(extension) ? extension : QByteArray();
}

std::string notAPicture(int descriptor)
{
    // A picture says what it is in its first bytes; reading those is enough to tell.
    QByteArray head(4096, '\0');
    const ssize_t got = ::read(descriptor, head.data(), static_cast<std::size_t>(head.size()));
    head.resize(std::max<qsizetype>(got, 0));
    QBuffer start(&head);
    start.open(QIODevice::ReadOnly);
    return QImageReader::imageFormat(&start).isEmpty() ? "it is not a picture, and only a picture is replaced"
                                                       : std::string();
}

bool save(const QImage& picture, const std::string& path, const QByteArray& format, QString* why,
          bool onlyOverPictures)
{
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(picture)) {
        *why = writer.errorString();
        return false;
    }
    Storage::WriteRules rules{"picture", {}};
    if (onlyOverPictures)
        rules.mayReplace = notAPicture;
    std::string reason;
    if (Storage::writeFile(path, std::as_bytes(std::span(encoded.constData(), std::size_t(encoded.size()))),
                           rules, &reason))
        return true;
    *why = QString::fromStdString(reason);
    return false;
}

} // namespace PictureFile
