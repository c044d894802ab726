#include "picture/picturefile.h"

#include <QImageWriter>
#include <QSaveFile>

namespace PictureFile {

bool savePng(const QImage& picture, const QString& path, QString* why)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *why = file.errorString();
        return false;
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(picture)) {
        *why = writer.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *why = file.errorString();
        return false;
    }
    return true;
}

} // namespace PictureFile
