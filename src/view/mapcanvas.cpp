#include "view/mapcanvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <algorithm>

#include "view/mapgeometry.h"

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

// -1, 0 or 1: the direction from one coordinate to another.
int stepTowards(int from, int to) { return (to > from) - (to < from); }

} // namespace

MapCanvas::MapCanvas(QWidget* parent)
    : QWidget(parent), picture(MapView::PictureSide, MapView::PictureSide, QImage::Format_RGB32)
{
    picture.fill(MapView::Background);
    setFixedSize(picture.size());
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void MapCanvas::clear()
{
    picture.fill(MapView::Background);
    update();
}

void MapCanvas::line(QPoint from, QPoint to, QRgb colour)
{
    if (from == to)
        return;
    if (from.x() == to.x() || from.y() == to.y()) {
        // Across or down, the line is a row or a column of pixels that stops one short of `to`.
        const QPoint last = to - QPoint(stepTowards(from.x(), to.x()), stepTowards(from.y(), to.y()));
        fill(QRect::span(from, last), colour);
        return;
    }
    QPainter painter(&picture);
    // Qt draws both ends of a line; clip the end point away.
    painter.setClipRegion(QRegion(picture.rect()) - QRegion(QRect(to, QSize(1, 1))));
    painter.setPen(QColor(colour));
    painter.drawLine(from, to);
    markChanged(QRect::span(from, to));
}

void MapCanvas::fill(const QRect& pixels, QRgb colour)
{
    // Written straight into the image: a painter per line would cost more than the few pixels
    // of a cell's line, and a redraw of the whole map draws forty thousand of them.
    const int left = std::max(pixels.left(), 0);
    const int right = std::min(pixels.right(), picture.width() - 1);
    const int top = std::max(pixels.top(), 0);
    const int bottom = std::min(pixels.bottom(), picture.height() - 1);
    if (left > right || top > bottom)
        return;
    // The picture holds opaque pixels only, whatever alpha the colour carries.
    const QRgb pixel = qRgb(qRed(colour), qGreen(colour), qBlue(colour));
    uchar* const first = picture.bits();
    const qsizetype rowBytes = picture.bytesPerLine();
    for (int y = top; y <= bottom; ++y) {
        auto* row = reinterpret_cast<QRgb*>(first + y * rowBytes);
        std::fill(row + left, row + right + 1, pixel);
    }
    markChanged(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void MapCanvas::markChanged(const QRect& pixels)
{
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
    painter.drawImage(event->rect(), picture, event->rect());
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    emit mouseMoved(buttonMask(event->buttons()), shiftMask(event->modifiers()), static_cast<float>(at.x()),
                    static_cast<float>(at.y()));
}
