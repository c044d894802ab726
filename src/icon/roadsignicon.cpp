#include "icon/roadsignicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace {

// The sign is drawn on a 64 x 64 grid and scaled to the size asked for.
constexpr qreal Grid = 64;
const QColor SignYellow{255, 210, 0};

void drawDiamond(QPainter& painter, int side)
{
    const QPolygonF outline{{32, 1.5}, {62.5, 32}, {32, 62.5}, {1.5, 32}};
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(SignYellow);
    painter.drawPolygon(outline);
    // The thin inner border of a real sign only shows from medium sizes up.
    if (side >= 32) {
        const QPolygonF inner{{32, 7}, {57, 32}, {32, 57}, {7, 32}};
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(inner);
    }
}

// A right turn: a stem rising from the bottom that bends to the right into an arrow head.
void drawArrow(QPainter& painter)
{
    QPainterPath stem;
    stem.moveTo(23, 48);
    stem.lineTo(23, 33);
    stem.quadTo(23, 25, 31, 25);
    stem.lineTo(35, 25);
    painter.setPen(QPen(Qt::black, 6, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(stem);

    const QPolygonF head{{34, 15}, {45, 25}, {34, 35}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(head);
}

} // namespace

QImage roadSignImage(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / Grid, side / Grid);
    drawDiamond(painter, side);
    drawArrow(painter);
    return image;
}

QIcon roadSignIcon()
{
    QIcon icon;
    for (const int side : RoadSignSides)
        icon.addPixmap(QPixmap::fromImage(roadSignImage(side)));
    return icon;
}
