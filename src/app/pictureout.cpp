// The map picture out of the program: to the clipboard, or into a PNG file.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "app/form1.h"
#include "document/mapdocument.h"
#include "picture/picturefile.h"
#include "platform/platform.h"
#include "platform/qtboxes.h"

namespace {

QString offeredFile()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("map.png"));
}

} // namespace

void Form1::copyPicture() { QGuiApplication::clipboard()->setImage(map->image()); }

void Form1::savePicture()
{
    const QString path =
        Platform::askSaveFileName(this, QStringLiteral("Save the map picture"), offeredFile(),
                                  QStringLiteral("PNG pictures (*.png)"), QStringLiteral("png"));
    if (path.isEmpty())
        return;
    QString why;
    if (!PictureFile::save(map->image(), QFile::encodeName(path).toStdString(), "png", &why))
        Platform::showMessage(QStringLiteral("Could not save the picture \"%1\": %2.")
                                  .arg(Platform::fitForBox(QDir::toNativeSeparators(path)), why)
                                  .toStdString());
}
