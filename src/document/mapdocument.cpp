#include "document/mapdocument.h"

#include <utility>

#include "picture/mapdrawing.h"
#include "picture/mapgeometry.h"

namespace {

// The squares whose cells a rectangle of picture pixels touches: a square's cell holds its grid
// lines, on its top and left, and its inside.
QRect squaresOf(const QRect& pixels)
{
    using MapView::CellSize;
    const QRect squares(QPoint(pixels.left() / CellSize, pixels.top() / CellSize),
                        QPoint(pixels.right() / CellSize, pixels.bottom() / CellSize));
    return squares & QRect(0, 0, Routeseer::GridSide, Routeseer::GridSide);
}

} // namespace

MapDocument::MapDocument(QObject* parent)
    : QObject(parent),
      animation([this](ResultPainter::Part part,
                       int index) { return ResultPainter::paintStep(drawing, result, part, index); },
                [this](const Routeseer::PathStep& start, const Routeseer::PathStep& finish) {
                    paintMarkers(start, finish);
                },
                [this] { return result.routeLength(); }, this)
{
    drawing.onChange([this](const QRect& pixels) { emit squaresRepainted(squaresOf(pixels)); });
    connect(&animation, &AnimationControl::stepped, this, &MapDocument::stepped);
}

void MapDocument::change(const std::function<void()>& edit)
{
    {
        const WallHistory::Recording recording(walls);
        edit();
    }
    emit wallsChanged();
}

bool MapDocument::loadMap(const std::string& path, std::string* why)
{
    bool loaded = false;
    if (holdsMap) {
        change([&] { loaded = Routeseer::loadmap(path, why); });
        return loaded;
    }
    loaded = holdsMap = Routeseer::loadmap(path, why);
    if (loaded)
        emit wallsChanged();
    return loaded;
}

bool MapDocument::saveMap(const std::string& path, std::string* why) const
{
    return Routeseer::savemap(path, why);
}

bool MapDocument::undo()
{
    if (!walls.undo())
        return false;
    emit wallsChanged();
    return true;
}

bool MapDocument::redo()
{
    if (!walls.redo())
        return false;
    emit wallsChanged();
    return true;
}

void MapDocument::drawGrid() { MapDrawing::drawGrid(drawing); }

void MapDocument::paintWalls() { MapDrawing::paintWalls(drawing); }

void MapDocument::paintMarkers(const Routeseer::PathStep& start, const Routeseer::PathStep& finish)
{
    MapDrawing::paintMarkers(drawing, start, finish);
    marked = Ends{start, finish};
}

void MapDocument::paintCleanMap(const Routeseer::PathStep& start, const Routeseer::PathStep& finish)
{
    MapDrawing::paintCleanMap(drawing, start, finish);
    marked = Ends{start, finish};
}

void MapDocument::search(const Routeseer::PathStep& start, const Routeseer::PathStep& finish)
{
    Routeseer::findpath(start, finish);
    // Read off the queue and the route once the search is over, so its time stays its own.
    record = std::make_shared<const Routeseer::Exploration>(Routeseer::lastFlood(start, finish));
    result = ResultPainter::Result(*record);
    emit searched(record);
}

void MapDocument::showResult(AnimationControl::Pacing pacing) { animation.start(std::move(pacing)); }
