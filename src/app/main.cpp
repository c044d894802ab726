// routeseer: the program starts its one window on the default map and runs until it is closed.
#include <QApplication>
#include <QGuiApplication>

#include "app/appearance.h"
#include "app/controlgeometry.h"
#include "app/form1.h"
#include "app/startup.h"

int main(int argc, char* argv[])
{
    QApplication::setApplicationName(QStringLiteral("routeseer"));
    if (const std::optional<int> status = Startup::endBeforeWindow(argc, argv))
        return *status;
    chooseScreenScaling();
    chooseScreenTransfer();
    Startup::catchDisplayFailure();
    QApplication application(argc, argv);
    Startup::stopCatchingDisplayFailure();
    // Lets the desktop match the window to the installed routeseer.desktop and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("routeseer"));
    applyAppearance();

    Form1 window;
    window.Form_Load();
    ControlGeometry::writeIfAsked(window);
    return QApplication::exec();
}
