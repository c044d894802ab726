#include "app/mapmouse.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalBlocker>

#include "app/form1.h"
#include "document/mapdocument.h"

namespace {

bool isEnd(const Routeseer::PathStep& end, QPoint square)
{
    return end.x == square.x() && end.y == square.y();
}

} // namespace

MapMouse::MapMouse(Form1& shown, QWidget& map, SquareAt under)
    : QObject(&map), window(shown), squareAt(std::move(under))
{
    map.installEventFilter(this);
    map.setMouseTracking(false);
}

bool MapMouse::eventFilter(QObject* /*watched*/, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        press(static_cast<QMouseEvent&>(*event));
        return true;
    case QEvent::MouseMove:
        move(static_cast<QMouseEvent&>(*event));
        return true;
    case QEvent::MouseButtonRelease:
        release();
        return true;
    default:
        return false;
    }
}

void MapMouse::press(const QMouseEvent& event)
{
    if (dragging != Dragging::Nothing)
        return;
    const std::optional<QPoint> square = squareAt(event.position().toPoint());
    if (!square)
        return;
    if (event.button() == Qt::LeftButton && isEnd(window.startpoint, *square))
        dragging = Dragging::Start;
    else if (event.button() == Qt::LeftButton && isEnd(window.finishpoint, *square))
        dragging = Dragging::Finish;
    else if (event.button() == Qt::LeftButton)
        dragging = Dragging::Walls;
    else if (event.button() == Qt::RightButton)
        dragging = Dragging::Openings;
    else
        return;
    move(event);
}

void MapMouse::move(const QMouseEvent& event)
{
    const std::optional<QPoint> square = squareAt(event.position().toPoint());
    if (!square)
        return;
    MapDocument& document = window.document();
    switch (dragging) {
    case Dragging::Nothing:
        return;
    case Dragging::Walls:
        document.brush(square->x(), square->y());
        return;
    case Dragging::Openings:
        document.erase(square->x(), square->y());
        return;
    case Dragging::Start:
    case Dragging::Finish:
        moveEnd(*square);
        return;
    }
}

void MapMouse::release()
{
    if (dragging == Dragging::Walls || dragging == Dragging::Openings)
        window.document().endStroke();
    dragging = Dragging::Nothing;
}

void MapMouse::moveEnd(QPoint square)
{
    // Within the bars' range, so that they can show where the end is; on an open square other
    // than the other end.
    const QScrollBar& range = *window.HScroll1;
    if (square.x() < range.minimum() || square.x() > range.maximum() || square.y() < range.minimum() ||
        square.y() > range.maximum())
        return;
    if (Routeseer::MapGrid(square.x(), square.y()).passable == Routeseer::Wall)
        return;
    Routeseer::PathStep& moved = dragging == Dragging::Start ? window.startpoint : window.finishpoint;
    const Routeseer::PathStep& other = dragging == Dragging::Start ? window.finishpoint : window.startpoint;
    if (isEnd(moved, square) || isEnd(other, square))
        return;
    moved = {static_cast<std::uint8_t>(square.x()), static_cast<std::uint8_t>(square.y())};
    // The bars follow, without their own way of moving an end: a reload of the default map.
    for (const auto& [bar, value] :
         {std::pair{window.HScroll1, window.startpoint.x}, std::pair{window.HScroll2, window.startpoint.y},
          std::pair{window.VScroll2, window.finishpoint.x},
          std::pair{window.VScroll1, window.finishpoint.y}}) {
        const QSignalBlocker quiet(bar);
        bar->setValue(value);
    }
    window.document().animations().finishAll();
    window.document().paintCleanMap(window.startpoint, window.finishpoint);
    emit endsMoved();
}
