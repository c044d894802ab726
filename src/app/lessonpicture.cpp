#include "app/lessonpicture.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <utility>

#include "document/mapdocument.h"
#include "picture/distanceshades.h"
#include "picture/endmarks.h"
#include "picture/mapgeometry.h"

using MapView::CellSize;
using Routeseer::GridLast;

namespace {

constexpr QRgb Surround = qRgb(40, 40, 40);
// Twenty-five repaints a second show the rings spread smoothly, and each costs the screen the
// whole area painted since the one before.
constexpr int RepaintMilliseconds = 40;
// Below this a square's inside would vanish.
constexpr int SmallestSquare = 2;

QRgb opaque(QRgb colour) { return colour | 0xff000000u; }

// The part of the widget on its screen: a view made larger than the screen shows no more, and
// rendering the rest would cost memory and time for nothing.
QRect onScreen(const QWidget& widget)
{
    const QScreen* screen = widget.screen();
    if (!screen)
        return widget.rect();
    const QRect shown =
        widget.rect() & QRect(widget.mapFromGlobal(screen->geometry().topLeft()), screen->size());
    return shown.isEmpty() ? QRect(QPoint(), widget.size().boundedTo(screen->size())) : shown;
}

} // namespace

LessonPicture::LessonPicture(const MapDocument& shown, QWidget* parent) : QWidget(parent), document(shown)
{
    setObjectName(QStringLiteral("lessonPicture"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(3 * (GridLast + 1), 3 * (GridLast + 1));
    repaintSoon.setSingleShot(true);
    repaintSoon.setInterval(RepaintMilliseconds);
    connect(&repaintSoon, &QTimer::timeout, this, &LessonPicture::renderPainted);
    connect(&document, &MapDocument::squaresRepainted, this, &LessonPicture::painted);
    connect(&document, &MapDocument::searched, this, &LessonPicture::searched);
    searched(document.lastSearch());
    toRender.assign(Routeseer::SquareCount, false);
    renderAll();
}

void LessonPicture::setDistanceShades(bool on)
{
    byDistance = on;
    renderAll();
    update();
}

QRect LessonPicture::mapArea() const { return placed; }

void LessonPicture::resizeEvent(QResizeEvent* /*event*/) { renderAll(); }

void LessonPicture::renderAll()
{
    // The picture ends on the grid line of column 100: a hundred whole squares and one more line.
    const QRect shown = onScreen(*this);
    const int side = std::min(shown.width(), shown.height());
    square = std::max(SmallestSquare, (side - 1) / GridLast);
    // The grid line grows with the square as in the window's picture, one part in five.
    gridLine = std::max(1, (square + CellSize / 2) / CellSize);
    scaled = QImage(GridLast * square + gridLine, GridLast * square + gridLine, QImage::Format_RGB32);
    placed = QRect(QPoint(), scaled.size());
    placed.moveCenter(shown.center());
    // Each screen pixel takes the colour of the picture pixel it stands for: the grid line's own,
    // or the inside's, which a painter always fills whole.
    pictureOffset.resize(std::size_t(square));
    for (int offset = 0; offset < square; ++offset)
        pictureOffset[std::size_t(offset)] =
            offset < gridLine ? 0 : 1 + (offset - gridLine) * (CellSize - 1) / (square - gridLine);
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x)
            renderSquare(x, y);
    startMark = EndMarks::draw(EndMarks::End::Start, square);
    finishMark = EndMarks::draw(EndMarks::End::Finish, square);
}

void LessonPicture::searched(const std::shared_ptr<const Routeseer::Exploration>& record)
{
    distances.assign(Routeseer::SquareCount, 0);
    for (const Routeseer::Exploration::Step& step : record->steps)
        if (step.event == Routeseer::Exploration::Event::Discovered && step.square < distances.size())
            distances[step.square] = static_cast<std::int16_t>(step.cost);
    farthest = DistanceShades::farthest(*record);
}

void LessonPicture::painted(const QRect& squares)
{
    for (int y = squares.top(); y <= squares.bottom(); ++y)
        for (int x = squares.left(); x <= squares.right(); ++x) {
            const int number = x + Routeseer::GridSide * y;
            if (!toRender[number]) {
                toRender[number] = true;
                toRenderList.push_back(number);
            }
        }
    if (!repaintSoon.isActive())
        repaintSoon.start();
}

void LessonPicture::renderPainted()
{
    QRect changed;
    for (const int number : toRenderList) {
        const int x = number % Routeseer::GridSide, y = number / Routeseer::GridSide;
        renderSquare(x, y);
        toRender[number] = false;
        changed |= QRect(x * square, y * square, square, square);
    }
    toRenderList.clear();
    update(changed.translated(mapArea().topLeft()));
}

void LessonPicture::renderSquare(int x, int y)
{
    const QImage& picture = document.image();
    const int left = x * square, top = y * square;
    const int pictureLeft = x * CellSize, pictureTop = y * CellSize;
    // Column and row 100 show only their grid line, as in the window.
    const int across = std::min(square, scaled.width() - left);
    const int down = std::min(square, scaled.height() - top);
    const auto pictureRow = [&picture](int row) {
        return reinterpret_cast<const QRgb*>(picture.constScanLine(row));
    };
    const bool hasInside = x < GridLast && y < GridLast;
    QRgb inside = hasInside ? opaque(pictureRow(pictureTop + 1)[pictureLeft + 1]) : 0;
    // What the square shows is the picture's to say, and its distance the last search's record's.
    if (hasInside && byDistance && document.picture().look(x, y) == MapPicture::Look::Ring) {
        const std::int16_t distance = distances[std::size_t(x + Routeseer::GridSide * y)];
        if (distance > 0)
            inside = DistanceShades::shade(distance, farthest);
    }
    // Written straight into the image: the animation renders a square at every step.
    uchar* const bits = scaled.bits();
    const qsizetype rowBytes = scaled.bytesPerLine();
    const int line = std::min(gridLine, across);
    for (int dy = 0; dy < down; ++dy) {
        auto* row = reinterpret_cast<QRgb*>(bits + (top + dy) * rowBytes) + left;
        const QRgb* source = pictureRow(pictureTop + pictureOffset[std::size_t(dy)]) + pictureLeft;
        if (dy < gridLine) {
            for (int dx = 0; dx < across; ++dx)
                row[dx] = opaque(source[pictureOffset[std::size_t(dx)]]);
            continue;
        }
        std::fill_n(row, line, opaque(source[0]));
        std::fill_n(row + line, across - line, inside);
    }
}

void LessonPicture::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = mapArea();
    for (const QRect& around : QRegion(event->rect()) - area)
        painter.fillRect(around, QColor(Surround));
    painter.drawImage(area.topLeft(), scaled);
    paintMarks(painter, event->rect());
}

// Marked through the rings and the route too, which paint over the yellow until the end.
void LessonPicture::paintMarks(QPainter& painter, const QRect& shown) const
{
    const std::optional<MapDocument::Ends>& ends = document.markedEnds();
    if (!ends)
        return;
    const QRect area = mapArea();
    for (const auto& [at, mark] :
         {std::pair{ends->start, &startMark}, std::pair{ends->finish, &finishMark}}) {
        if (at.x >= GridLast || at.y >= GridLast)
            continue;
        const QPoint corner =
            EndMarks::corner(*mark, area.topLeft() + QPoint(at.x * square, at.y * square), square, gridLine);
        if (shown.intersects(QRect(corner, mark->size())))
            painter.drawImage(corner, *mark);
    }
}
