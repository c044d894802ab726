#include "picture/mappicture.h"

#include <QPainter>
#include <QRegion>
#include <algorithm>
#include <utility>

#include "picture/mapgeometry.h"

namespace {

// -1, 0 or 1: the direction from one coordinate to another.
int stepTowards(int from, int to) { return (to > from) - (to < from); }

} // namespace

MapPicture::MapPicture()
    : pixels(MapView::PictureSide, MapView::PictureSide, QImage::Format_RGB32),
      looks(Routeseer::SquareCount, Look::Background)
{
    pixels.fill(MapView::Background);
}

void MapPicture::clear()
{
    pixels.fill(MapView::Background);
    std::fill(looks.begin(), looks.end(), Look::Background);
    changed(pixels.rect());
}

MapPicture::Look MapPicture::look(int x, int y) const
{
    return Routeseer::onMap(x, y) ? looks[std::size_t(x + Routeseer::GridSide * y)] : Look::Background;
}

void MapPicture::painted(int X, int Y, Look look)
{
    // Column and row 100 lie beyond the picture's last grid line: nothing of their insides shows.
    const int x = X / MapView::CellSize, y = Y / MapView::CellSize;
    if (X >= 0 && Y >= 0 && x < Routeseer::GridLast && y < Routeseer::GridLast)
        looks[std::size_t(x + Routeseer::GridSide * y)] = look;
}

void MapPicture::line(QPoint from, QPoint to, QRgb colour)
{
    if (from == to)
        return;
    if (from.x() == to.x() || from.y() == to.y()) {
        // Across or down, the line is a row or a column of pixels that stops one short of `to`.
        const QPoint last = to - QPoint(stepTowards(from.x(), to.x()), stepTowards(from.y(), to.y()));
        fill(QRect::span(from, last), colour);
        return;
    }
    QPainter painter(&pixels);
    // Qt draws both ends of a line; clip the end point away.
    painter.setClipRegion(QRegion(pixels.rect()) - QRegion(QRect(to, QSize(1, 1))));
    painter.setPen(QColor(colour));
    painter.drawLine(from, to);
    changed(QRect::span(from, to) & pixels.rect());
}

void MapPicture::fill(const QRect& area, QRgb colour)
{
    // Written straight into the image: a painter per line would cost more than the few pixels
    // of a cell's line, and a redraw of the whole map draws forty thousand of them.
    const QRect inside = area & pixels.rect();
    if (inside.isEmpty())
        return;
    // The picture holds opaque pixels only, whatever alpha the colour carries.
    const QRgb pixel = qRgb(qRed(colour), qGreen(colour), qBlue(colour));
    uchar* const first = pixels.bits();
    const qsizetype rowBytes = pixels.bytesPerLine();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(first + y * rowBytes);
        std::fill(row + inside.left(), row + inside.right() + 1, pixel);
    }
    changed(inside);
}

void MapPicture::changed(const QRect& area)
{
    if (gathering > 0)
        gathered |= area;
    else if (changeListener && !area.isEmpty())
        changeListener(area);
}

MapPicture::OneChange::~OneChange()
{
    if (--picture.gathering == 0 && picture.gathered.isValid())
        picture.changed(std::exchange(picture.gathered, QRect()));
}
