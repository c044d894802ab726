// Writes the window's road sign as the desktop's icon files: `iconmaker FOLDER` puts
// FOLDER/NxN/apps/routeseer.png for every size the window's icon carries, laid out as in an icon
// theme, so the install can copy the folder into hicolor as it is.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "icon/roadsignicon.h"

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconmaker FOLDER\n");
        return 2;
    }
    // It runs during the build, where there may be no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);

    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const int side : RoadSignSides) {
        const QString apps = QStringLiteral("%1x%1/apps").arg(side);
        const QString file = folder.filePath(apps + QStringLiteral("/routeseer.png"));
        if (!folder.mkpath(apps) || !roadSignImage(side).save(file)) {
            std::fprintf(stderr, "iconmaker: could not write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
