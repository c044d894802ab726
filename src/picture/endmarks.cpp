#include "picture/endmarks.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <utility>

namespace EndMarks {

QImage draw(End end, int square)
{
    const int frameSide = std::max(3 * square, 21);
    QFont font(QString::fromLatin1(LetterFamily));
    font.setBold(true);
    font.setPixelSize(std::max(4 * square, 24));
    QPainterPath text;
    text.addText(0, 0, font, QString(QLatin1Char(end == End::Start ? 'S' : 'F')));
    const QRectF bounds = text.boundingRect();
    // Room for the frame, the letter beside its upper right corner and the white edges.
    const int edge = 4;
    const int side = frameSide + 2 * edge;
    QImage image(side + int(bounds.width()) + 2 * edge, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect frame(edge, edge, frameSide, frameSide);
    QPainterPath outline;
    if (end == End::Start)
        outline.addEllipse(frame);
    else
        outline.addRect(frame);
    text.translate(frame.right() + edge - bounds.left(), frame.top() + edge - bounds.top());
    for (const auto& [colour, width] : {std::pair{Qt::white, 6}, std::pair{Qt::black, 2}}) {
        painter.setPen(QPen(colour, width));
        painter.drawPath(outline);
    }
    painter.strokePath(text, QPen(Qt::white, 5));
    painter.fillPath(text, Qt::black);
    return image;
}

QPoint corner(const QImage& mark, QPoint squareCorner, int square, int gridLine)
{
    // The mark's image has the square's middle at the middle of its left part.
    const QPoint centre = squareCorner + QPoint((square + gridLine) / 2, (square + gridLine) / 2);
    return centre - QPoint(mark.height() / 2, mark.height() / 2);
}

} // namespace EndMarks
