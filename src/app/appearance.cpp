#include "app/appearance.h"

#include <QApplication>
#include <QGuiApplication>
#include <QStyleFactory>

QFont applicationFont()
{
    QFont font(QString::fromLatin1(ApplicationFontFamily));
    font.setPixelSize(ApplicationFontPixels);
    return font;
}

void chooseScreenScaling()
{
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

void chooseScreenTransfer()
{
    // Over shared memory, Qt's X11 window keeps a list of every separate area it has sent that
    // grows with each cell the map animation paints and is searched at every step, so a ring
    // animation runs several times slower than with plain transfers of the few changed pixels.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
}

void applyAppearance()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(applicationFont());
}
