#include "app/controlgeometry.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>
#include <QTextStream>

namespace ControlGeometry {

namespace {

void writeLine(QTextStream& out, const QString& name, const QRect& place)
{
    out << name << ' ' << place.x() << ' ' << place.y() << ' ' << place.width() << ' ' << place.height()
        << '\n';
}

} // namespace

bool write(const QMainWindow& window, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QTextStream out(&file);
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        // Qt's own inner parts carry names of their own, starting "qt_"; menus and other windows
        // are placed when they open.
        if (control->objectName().isEmpty() || control->objectName().startsWith(QLatin1String("qt_")) ||
            control->isWindow())
            continue;
        writeLine(out, control->objectName(), QRect(control->mapTo(&window, QPoint(0, 0)), control->size()));
    }
    const QMenuBar* bar = window.menuBar();
    for (QAction* title : bar->actions())
        if (const QMenu* menu = title->menu())
            writeLine(out, QStringLiteral("menu:") + menu->objectName(),
                      bar->actionGeometry(title).translated(bar->mapTo(&window, QPoint(0, 0))));
    out.flush();
    return file.commit();
}

void writeIfAsked(const QMainWindow& window)
{
    const QString path = qEnvironmentVariable(FileVariable);
    if (!path.isEmpty() && !write(window, path))
        qWarning("could not write the control geometry to %s", qPrintable(path));
}

} // namespace ControlGeometry
