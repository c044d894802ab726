#include "document/mapdocument.h"

#include <utility>

#include "picture/mapdrawing.h"

MapDocument::MapDocument(QObject* parent) : QObject(parent)
{
    drawing.onChange([this](const QRect& pixels) { emit painted(pixels); });
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
    emit searched();
}

void MapDocument::showResult(const ResultPainter::Parts& parts, const Routeseer::PathStep& start,
                             const Routeseer::PathStep& finish, const std::int16_t& delayms)
{
    AnimationControl::Run run(animation);
    // A search run during a pause animates inside this one, with the delay its own command read.
    const std::int16_t* const outerDelay = std::exchange(runningDelay, &delayms);
    ResultPainter::paint(drawing, parts, start, finish, [&](const ResultPainter::Step& step) {
        emit stepped(step);
        run.afterStep(delayms, step.painted);
    });
    runningDelay = outerDelay;
    marked = Ends{start, finish};
}

std::optional<int> MapDocument::animationDelay() const
{
    if (!runningDelay)
        return std::nullopt;
    return *runningDelay;
}
