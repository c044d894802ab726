#include "app/mapcanvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "document/mapdocument.h"
#include "picture/mapgeometry.h"

namespace {

// The handlers' masks happen to match Qt's button bits, but they are fixed by the handlers'
// contract, so they are spelled out.
std::int16_t buttonMask(Qt::MouseButtons buttons)
{
    return static_cast<std::int16_t>((buttons.testFlag(Qt::LeftButton) ? 1 : 0) |
                                     (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
                                     (buttons.testFlag(Qt::MiddleButton) ? 4 : 0));
}

std::int16_t shiftMask(Qt::KeyboardModifiers keys)
{
    return static_cast<std::int16_t>((keys.testFlag(Qt::ShiftModifier) ? 1 : 0) |
                                     (keys.testFlag(Qt::ControlModifier) ? 2 : 0) |
                                     (keys.testFlag(Qt::AltModifier) ? 4 : 0));
}

} // namespace

MapCanvas::MapCanvas(const MapDocument& shown, QWidget* parent) : QWidget(parent), document(shown)
{
    connect(&document, &MapDocument::squaresRepainted, this, &MapCanvas::markChanged);
    setFixedSize(image().size());
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

const QImage& MapCanvas::image() const { return document.image(); }

void MapCanvas::markChanged(const QRect& squares)
{
    using MapView::CellSize;
    const QRect pixels =
        QRect(QPoint(CellSize * squares.left(), CellSize * squares.top()),
              QPoint(CellSize * squares.right() + CellSize - 1, CellSize * squares.bottom() + CellSize - 1)) &
        image().rect();
    // Thousands of separate cells between two repaints would make the widget's dirty region a
    // long list of rectangles that is slow to merge; one growing rectangle stays cheap, and it
    // is handed on only when it grows.
    const bool inside = changed.isValid() && pixels.left() >= changed.left() &&
                        pixels.right() <= changed.right() && pixels.top() >= changed.top() &&
                        pixels.bottom() <= changed.bottom();
    if (inside)
        return;
    changed |= pixels;
    update(changed);
}

void MapCanvas::paintEvent(QPaintEvent* event)
{
    changed = QRect();
    QPainter painter(this);
    // On a denser screen each picture pixel becomes a block of whole device pixels: no smoothing,
    // so grid lines and cell edges stay sharp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(event->rect(), image(), event->rect());
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    emit mouseMoved(buttonMask(event->buttons()), shiftMask(event->modifiers()), static_cast<float>(at.x()),
                    static_cast<float>(at.y()));
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* /*event*/) { emit buttonReleased(); }
