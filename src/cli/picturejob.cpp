// png: the map picture the window shows after a search with "Clear paths and rings automatically"
// ticked, painted by the window's own drawing code and written as PNG.
#include <QImage>

#include "cli/exitstatus.h"
#include "cli/jobs.h"
#include "cli/outputfile.h"
#include "map/routeseer.h"
#include "picture/mapdrawing.h"
#include "picture/mappicture.h"
#include "picture/picturefile.h"
#include "picture/resultpainter.h"

namespace Jobs {

namespace {

// The window's search command without its pauses: the clean map, then the result.
void paintSearch(MapPicture& picture, const CommandLine::Request& request)
{
    MapDrawing::paintCleanMap(picture, request.from, request.to);
    const ResultPainter::Result result(Routeseer::lastFlood(request.from, request.to));
    ResultPainter::paintAll(picture, result, request.rings, request.route, request.from, request.to);
}

// Whole pixels: every picture pixel becomes a scale x scale square, with no smoothing.
QImage enlarged(const QImage& image, int scale)
{
    if (scale == 1)
        return image;
    return image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

int png(const CommandLine::Request& request)
{
    const std::string& target = request.files[1];
    const QByteArray format = PictureFile::formatOf(target);
    if (format.isEmpty())
        return ExitStatus::fail(
            QStringLiteral("%1: its extension names no picture format that can be written; "
                           "the extensions are %2")
                .arg(CommandLine::shown(target),
                     PictureFile::writableExtensions().join(QStringLiteral(", "))));
    if (const QString over = OutputFile::overInput(request.files[0], target); !over.isEmpty())
        return ExitStatus::fail(over);
    if (!loadMapFile(request.files[0]) || !endsOpen(request))
        return ExitStatus::BadInput;
    const bool found = search(request);
    MapPicture picture;
    paintSearch(picture, request);
    // Written whole or not at all, so a failed run leaves no broken picture behind.
    if (QString why; !PictureFile::save(enlarged(picture.image(), request.scale), target, format, &why, true))
        return ExitStatus::fail(QStringLiteral("%1: %2").arg(CommandLine::shown(target), why));
    return found ? ExitStatus::Done : ExitStatus::NoRoute;
}

} // namespace Jobs
