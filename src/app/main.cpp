// routeseer: the program starts its one window on the default map and runs until it is closed.
#include <QApplication>
#include <QGuiApplication>

#include "app/appearance.h"
#include "app/controlgeometry.h"
#include "app/form1.h"

int main(int argc, char* argv[])
{
    chooseScreenScaling();
    chooseScreenTransfer();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("routeseer"));
    // Lets the desktop match the window to the installed routeseer.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("routeseer"));
    applyAppearance();

    Form1 window;
    window.Form_Load();
    ControlGeometry::writeIfAsked(window);
    return QApplication::exec();
}
