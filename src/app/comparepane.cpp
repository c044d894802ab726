#include "app/comparepane.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/groupednumber.h"
#include "map/routeseer.h"
#include "picture/endmarks.h"
#include "picture/searchshades.h"

using Routeseer::NoSquare;
using Routeseer::SquareNumber;
using Routeseer::Timeline;

namespace {

constexpr QRgb GridColour = 0xffc8c8c8;
// Below this the grid line would take the square's inside.
constexpr int GridLineFrom = 6;
// Arrows get heads where a square has room for one.
constexpr int ArrowHeadFrom = 8;

} // namespace

ComparePane::ComparePane(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("comparePane"));
    setMinimumSize(2 * Routeseer::GridSide, 2 * Routeseer::GridSide);
}

void ComparePane::showSearch(const QString& title, std::shared_ptr<Timeline> timeline, std::vector<bool> open,
                             const QString& why)
{
    heading = title;
    refused = why;
    replay = std::move(timeline);
    openSquares = std::move(open);
    columns = replay ? replay->record().width : Routeseer::GridSide;
    rows = replay ? replay->record().height : Routeseer::GridSide;
    if (replay) {
        figuresAtEnd = Routeseer::figuresOf(replay->record());
        replay->takeChanged();
    }
    lastCurrent = NoSquare;
    resizeEvent(nullptr);
    update();
}

void ComparePane::setArrows(bool on)
{
    arrows = on;
    update();
}

void ComparePane::setSelected(bool on)
{
    selected = on;
    update();
}

void ComparePane::resizeEvent(QResizeEvent* /*event*/)
{
    // Readable from the back of a room, yet never wider than the pane allows.
    QFont text = font();
    text.setPixelSize(std::clamp(std::min(height() / 26, width() / 28), 11, 26));
    setFont(text);
    textHeight = QFontMetrics(text).lineSpacing();
    const int across = (width() - 8) / std::max(1, columns);
    const int down = (height() - 2 * textHeight - 12) / std::max(1, rows);
    square = std::max(1, std::min(across, down));
    gridLine = square >= GridLineFrom ? 1 : 0;
    startMark = EndMarks::draw(EndMarks::End::Start, square);
    finishMark = EndMarks::draw(EndMarks::End::Finish, square);
    image = QImage(columns * square + gridLine, rows * square + gridLine, QImage::Format_RGB32);
    const int spare = std::max(0, height() - 2 * textHeight - 12 - image.height());
    origin = QPoint((width() - image.width()) / 2, textHeight + 6 + spare / 2);
    renderAll();
}

void ComparePane::renderAll()
{
    image.fill(GridColour);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            renderSquare(static_cast<SquareNumber>(y * columns + x));
    if (replay)
        replay->takeChanged();
    lastCurrent = currentShown();
}

SquareNumber ComparePane::currentShown() const
{
    // At the end the route is the story: no square is being expanded.
    return replay && !replay->atEnd() ? replay->current() : NoSquare;
}

void ComparePane::refresh()
{
    if (!replay)
        return;
    const std::vector<SquareNumber> changed = replay->takeChanged();
    if (changed.size() > static_cast<std::size_t>(columns * rows) / 4) {
        renderAll();
    } else {
        for (const SquareNumber number : changed)
            renderSquare(number);
        const SquareNumber current = currentShown();
        if (lastCurrent != NoSquare)
            renderSquare(lastCurrent);
        if (current != NoSquare)
            renderSquare(current);
        lastCurrent = current;
    }
    update();
}

QRgb ComparePane::shadeOf(SquareNumber number) const
{
    if (number >= openSquares.size() || !openSquares[number])
        return SearchShades::Wall;
    if (!replay)
        return SearchShades::Open;
    if (number == currentShown())
        return SearchShades::Current;
    switch (replay->state(number)) {
    case Timeline::State::Unreached:
        return SearchShades::Open;
    case Timeline::State::Frontier:
        return SearchShades::Frontier;
    case Timeline::State::Done:
        return SearchShades::Done;
    }
    return SearchShades::Open;
}

void ComparePane::renderSquare(SquareNumber number)
{
    const int x = static_cast<int>(number % static_cast<SquareNumber>(columns));
    const int y = static_cast<int>(number / static_cast<SquareNumber>(columns));
    if (y >= rows)
        return;
    const QRgb shade = shadeOf(number);
    const int inside = square - gridLine;
    for (int dy = 0; dy < inside; ++dy) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y * square + gridLine + dy));
        std::fill_n(row + x * square + gridLine, inside, shade);
    }
}

QPointF ComparePane::centreOf(SquareNumber number) const
{
    const int x = static_cast<int>(number % static_cast<SquareNumber>(columns));
    const int y = static_cast<int>(number / static_cast<SquareNumber>(columns));
    const double middle = gridLine + (square - gridLine) / 2.0;
    return QPointF(origin.x() + x * square + middle, origin.y() + y * square + middle);
}

std::optional<QPoint> ComparePane::squareAt(QPoint point) const
{
    const QPoint inside = point - origin;
    if (inside.x() < 0 || inside.y() < 0)
        return std::nullopt;
    const QPoint at(inside.x() / square, inside.y() / square);
    if (at.x() >= columns || at.y() >= rows)
        return std::nullopt;
    return at;
}

void ComparePane::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (selected) {
        // The pane the side panel speaks of.
        painter.setPen(QPen(palette().highlight(), 4));
        painter.drawRect(rect().adjusted(2, 2, -2, -2));
    }
    painter.setPen(palette().windowText().color());
    drawFitted(painter, QRect(0, origin.y() - textHeight - 3, width(), textHeight), heading);
    painter.drawImage(origin, image);
    if (replay) {
        if (arrows)
            paintArrows(painter);
        if (replay->atEnd())
            paintRoute(painter);
    }
    paintEnds(painter);
    const QRect figuresLine(0, origin.y() + image.height() + 3, width(), textHeight);
    painter.setPen(palette().windowText().color());
    drawFitted(painter, figuresLine, refused.isEmpty() ? figures() : refused);
}

void ComparePane::drawFitted(QPainter& painter, const QRect& line, const QString& text) const
{
    // A smaller font before an elided line: the figures are what the class reads.
    QFont fitted = font();
    const int room = line.width() - 8;
    while (fitted.pixelSize() > 9 && QFontMetrics(fitted).horizontalAdvance(text) > room)
        fitted.setPixelSize(fitted.pixelSize() - 1);
    painter.save();
    painter.setFont(fitted);
    painter.drawText(line, Qt::AlignCenter, QFontMetrics(fitted).elidedText(text, Qt::ElideRight, room));
    painter.restore();
}

void ComparePane::paintArrows(QPainter& painter) const
{
    // From each reached square towards the square it was reached from, stopping short of it so
    // that neighbouring arrows do not run into one another.
    QVector<QLineF> lines;
    QPainterPath heads;
    const double headLength = square * 0.3;
    for (SquareNumber number = 0; number < static_cast<SquareNumber>(columns * rows); ++number) {
        if (replay->state(number) == Timeline::State::Unreached)
            continue;
        const SquareNumber parent = replay->parent(number);
        if (parent == NoSquare)
            continue;
        const QPointF from = centreOf(number), towards = centreOf(parent);
        const QPointF along = towards - from;
        const double length = std::hypot(along.x(), along.y());
        if (length <= 0)
            continue;
        const QPointF unit = along / length;
        const QPointF tip = from + unit * std::min(length, square * 0.85);
        lines.append(QLineF(from, tip));
        if (square >= ArrowHeadFrom) {
            const QPointF side(-unit.y(), unit.x());
            heads.moveTo(tip);
            heads.lineTo(tip - unit * headLength + side * headLength * 0.5);
            heads.lineTo(tip - unit * headLength - side * headLength * 0.5);
            heads.closeSubpath();
        }
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, square >= ArrowHeadFrom);
    painter.setPen(QPen(QColor::fromRgb(SearchShades::Arrow), std::max(1.0, square / 10.0)));
    painter.drawLines(lines);
    painter.fillPath(heads, QColor::fromRgb(SearchShades::Arrow));
    painter.restore();
}

void ComparePane::paintRoute(QPainter& painter) const
{
    const std::vector<SquareNumber>& route = replay->record().route;
    if (route.empty())
        return;
    QPolygonF line;
    for (const SquareNumber number : route)
        line.append(centreOf(number));
    const double width = std::max(2.0, square * 0.4);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // An edge of white keeps the line apart from every shade under it.
    painter.setPen(
        QPen(QColor::fromRgb(SearchShades::Open), width + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(line);
    painter.setPen(
        QPen(QColor::fromRgb(SearchShades::Route), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(line);
    painter.restore();
}

void ComparePane::paintEnds(QPainter& painter) const
{
    if (!replay)
        return;
    const Routeseer::Exploration& record = replay->record();
    for (const auto& [number, mark] :
         {std::pair{record.start, &startMark}, std::pair{record.finish, &finishMark}}) {
        if (number == NoSquare || number >= static_cast<SquareNumber>(columns * rows))
            continue;
        const QPoint corner = origin + QPoint(record.xOf(number) * square, record.yOf(number) * square);
        painter.drawImage(EndMarks::corner(*mark, corner, square, gridLine), *mark);
    }
}

QString ComparePane::figures() const
{
    if (!replay)
        return {};
    const auto number = [](std::int64_t value) { return groupedNumber(value); };
    QString line =
        QStringLiteral("expanded %1 \u00b7 frontier %2 \u00b7 reached %3")
            .arg(number(replay->position()), number(replay->frontierSize()), number(replay->reached()));
    if (replay->atEnd()) {
        if (figuresAtEnd.found)
            return line + QStringLiteral(" \u00b7 route %1 steps, cost %2")
                              .arg(number(figuresAtEnd.routeSteps))
                              .arg(figuresAtEnd.routeCost, 0, 'f', 1);
        return line + QStringLiteral(" \u00b7 no route");
    }
    // The way the search knows to the square it expands: what the route would be if it ended here.
    const SquareNumber current = replay->current();
    if (current == NoSquare)
        return line;
    std::int64_t steps = 0;
    // The window's flood reaches its start a second time: the way back ends at the start itself.
    const SquareNumber start = replay->record().start;
    for (SquareNumber at = current; at != start && replay->parent(at) != NoSquare && steps <= columns * rows;
         at = replay->parent(at))
        ++steps;
    return line + QStringLiteral(" \u00b7 path here %1 steps, cost %2")
                      .arg(number(steps))
                      .arg(static_cast<double>(replay->cost(current)), 0, 'f', 1);
}
