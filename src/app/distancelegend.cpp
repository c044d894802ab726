#include "app/distancelegend.h"

#include <QPainter>
#include <algorithm>

#include "picture/distanceshades.h"

DistanceLegend::DistanceLegend(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("distanceLegend"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void DistanceLegend::searched(const std::shared_ptr<const Routeseer::Exploration>& record)
{
    farthest = 0;
    for (const Routeseer::Exploration::Step& step : record->steps)
        farthest = std::max(farthest, static_cast<int>(step.cost));
    update();
}

QSize DistanceLegend::sizeHint() const { return {400, 2 * fontMetrics().height() + 8}; }

void DistanceLegend::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QString title = QStringLiteral("Steps from the start: ");
    const int titleWidth = fontMetrics().horizontalAdvance(title);
    const int bandHeight = height() / 2;
    painter.drawText(QRect(0, 0, titleWidth, bandHeight), Qt::AlignVCenter, title);
    const int last = std::max(1, farthest);
    // Ring squares lie one step from the start or more.
    const double band = std::min(16.0, double(width() - titleWidth - 8) / last);
    for (int distance = 1; distance <= last; ++distance) {
        const QRectF area(titleWidth + (distance - 1) * band, 2, band, bandHeight - 2);
        painter.fillRect(area, QColor(DistanceShades::shade(distance)));
        if (distance == 1 || distance % DistanceShades::Cycle == 0) {
            painter.drawLine(area.topLeft(), area.bottomLeft() + QPointF(0, 4));
            painter.drawText(QPointF(area.left(), bandHeight + fontMetrics().ascent() + 4),
                             QString::number(distance));
        }
    }
}
