// png: the map picture the window shows after a search with "Clear paths and rings automatically"
// ticked, painted by the window's own drawing code and written as PNG; on request after another
// search, its rings in the shades of their distance and the ends marked as the lesson view shows
// them.
#include <QImage>
#include <QPainter>
#include <cmath>

#include "cli/exitstatus.h"
#include "cli/jobs.h"
#include "cli/outputfile.h"
#include "map/routeseer.h"
#include "picture/distanceshades.h"
#include "picture/endmarks.h"
#include "picture/mapdrawing.h"
#include "picture/mapgeometry.h"
#include "picture/mappicture.h"
#include "picture/picturefile.h"
#include "picture/resultpainter.h"
#include "searches/searcher.h"

namespace Jobs {

namespace {

using Routeseer::Exploration;
using Routeseer::GridLast;

bool windowsOwnSearch(const CommandLine::Request& request)
{
    return request.search.value_or(Searches::Method::Bfs) == Searches::Method::Bfs &&
           request.moves.value_or(Searches::Moves::Window) == Searches::Moves::Window;
}

// The record of the search the request asks for on the loaded map, and whether it found a route:
// the window's flood itself, or a search of the searches library on the same squares.
Exploration searched(const CommandLine::Request& request, bool* found)
{
    if (windowsOwnSearch(request)) {
        *found = search(request);
        return Routeseer::lastFlood(request.from, request.to);
    }
    const Searches::Grid grid = Searches::Grid::fromWindowMap();
    Searches::Searcher searcher(grid);
    Exploration record;
    *found = searcher
                 .find(*request.search, request.moves.value_or(Searches::Moves::Window),
                       {request.from.x, request.from.y}, {request.to.x, request.to.y}, &record)
                 .figures.found;
    if (!*found)
        tellNoRoute(request);
    return record;
}

// Every ring square in the shade of its distance, as the lesson view's D shows it: the route and
// the ends keep their colours.
void shadeByDistance(QImage& image, const MapPicture& picture, const Exploration& record)
{
    std::vector<int> distances(std::size_t(record.width) * std::size_t(record.height), 0);
    for (const Exploration::Step& step : record.steps)
        if (step.event == Exploration::Event::Discovered)
            distances[step.square] = static_cast<int>(std::lround(step.cost));
    const int farthest = DistanceShades::farthest(record);
    QPainter painter(&image);
    for (int y = 0; y < GridLast; ++y)
        for (int x = 0; x < GridLast; ++x)
            if (const int distance = distances[record.numberOf(x, y)];
                distance > 0 && picture.look(x, y) == MapPicture::Look::Ring)
                painter.fillRect(MapView::CellSize * x + 1, MapView::CellSize * y + 1, MapView::CellSize - 1,
                                 MapView::CellSize - 1, QColor(DistanceShades::shade(distance, farthest)));
}

// Whole pixels: every picture pixel becomes a scale x scale square, with no smoothing.
QImage enlarged(const QImage& image, int scale)
{
    if (scale == 1)
        return image;
    return image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// The start and the finish marked on the enlarged picture, whose squares are `scale` grid-line
// pixels and four times as many inside.
void paintMarks(QImage& image, const CommandLine::Request& request, int scale)
{
    const int square = MapView::CellSize * scale;
    QPainter painter(&image);
    for (const auto& [at, end] :
         {std::pair{request.from, EndMarks::End::Start}, std::pair{request.to, EndMarks::End::Finish}}) {
        // Column and row 100 lie beyond the picture's last grid line.
        if (at.x >= GridLast || at.y >= GridLast)
            continue;
        const QImage mark = EndMarks::draw(end, square);
        painter.drawImage(EndMarks::corner(mark, QPoint(at.x * square, at.y * square), square, scale), mark);
    }
}

// The window's search command without its pauses: the clean map, then the result, then what the
// request asks for besides.
QImage picture(const CommandLine::Request& request, const Exploration& record)
{
    MapPicture picture;
    MapDrawing::paintCleanMap(picture, request.from, request.to);
    ResultPainter::paintAll(picture, ResultPainter::Result(record), request.rings || request.shadeByDistance,
                            request.route, request.from, request.to);
    QImage image = picture.image();
    if (request.shadeByDistance)
        shadeByDistance(image, picture, record);
    image = enlarged(image, request.scale);
    if (request.marks)
        paintMarks(image, request, request.scale);
    return image;
}

} // namespace

int png(const CommandLine::Request& given)
{
    const std::string& target = given.files[1];
    const QByteArray format = PictureFile::formatOf(target);
    if (format.isEmpty())
        return ExitStatus::fail(
            QStringLiteral("%1: its extension names no picture format that can be written; "
                           "the extensions are %2")
                .arg(CommandLine::shown(target),
                     PictureFile::writableExtensions().join(QStringLiteral(", "))));
    if (const std::string refused = Searches::refusal(given.search.value_or(Searches::Method::Bfs),
                                                      given.moves.value_or(Searches::Moves::Window));
        !refused.empty())
        return ExitStatus::fail(QString::fromStdString(refused));
    if (const QString over = OutputFile::overInput(given.files[0], target); !over.isEmpty())
        return ExitStatus::fail(over);
    const std::optional<CommandLine::Request> placed = loadMap(given);
    if (!placed)
        return ExitStatus::BadInput;
    const CommandLine::Request& request = *placed;
    bool found = false;
    const Exploration record = searched(request, &found);
    // Written whole or not at all, so a failed run leaves no broken picture behind.
    if (QString why; !PictureFile::save(picture(request, record), target, format, &why, true))
        return ExitStatus::fail(QStringLiteral("%1: %2").arg(CommandLine::shown(target), why));
    return found ? ExitStatus::Done : ExitStatus::NoRoute;
}

} // namespace Jobs
