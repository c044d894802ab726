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

void applyAppearance()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(applicationFont());
}
