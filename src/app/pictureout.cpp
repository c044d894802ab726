#include "app/pictureout.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QImageWriter>
#include <QSaveFile>
#include <QStandardPaths>

#include "app/form1.h"
#include "platform/platform.h"
#include "platform/qtboxes.h"
#include "view/mapcanvas.h"

namespace PictureOut {

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

} // namespace PictureOut

namespace {

QString offeredFile()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("map.png"));
}

} // namespace

void Form1::copyPicture() { QGuiApplication::clipboard()->setImage(Picture1->image()); }

void Form1::savePicture()
{
    const QString path =
        Platform::askSaveFileName(this, QStringLiteral("Save the map picture"), offeredFile(),
                                  QStringLiteral("PNG pictures (*.png)"), QStringLiteral("png"));
    if (path.isEmpty())
        return;
    QString why;
    if (!PictureOut::savePng(Picture1->image(), path, &why))
        Platform::showMessage(QStringLiteral("Could not save the picture \"%1\": %2.")
                                  .arg(Platform::fitForBox(QDir::toNativeSeparators(path)), why)
                                  .toStdString());
}
