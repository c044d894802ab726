#include "app/appearance.h"

#include <QApplication>
#include <QStyleFactory>

QFont applicationFont()
{
    QFont font(QString::fromLatin1(ApplicationFontFamily));
    font.setPixelSize(ApplicationFontPixels);
    return font;
}

void applyAppearance()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(applicationFont());
}
