#include "app/distancelegend.h"

#include <QPainter>
#include <algorithm>

#include "picture/distanceshades.h"

namespace {

// Room between two labels, so that neighbouring numbers never read as one.
constexpr int LabelGap = 8;
// A short scale is drawn no wider than this a distance, so its steps do not look like bands.
constexpr int WidestStep = 16;

} // namespace

DistanceLegend::DistanceLegend(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("distanceLegend"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void DistanceLegend::searched(const std::shared_ptr<const Routeseer::Exploration>& record)
{
    farthest = DistanceShades::farthest(*record);
    update();
}

QSize DistanceLegend::sizeHint() const { return {400, 2 * fontMetrics().height() + 8}; }

void DistanceLegend::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const QString title = QStringLiteral("Steps from the start: ");
    const int titleWidth = fontMetrics().horizontalAdvance(title);
    const int barHeight = height() / 2;
    painter.drawText(QRect(0, 0, titleWidth, barHeight), Qt::AlignVCenter, title);
    // Ring squares lie one step from the start or more.
    const int last = std::max(1, farthest);
    const int barWidth = std::max(1, std::min(WidestStep * last, width() - titleWidth - LabelGap));
    for (int x = 0; x < barWidth; ++x) {
        const int distance = 1 + x * last / barWidth;
        painter.fillRect(QRect(titleWidth + x, 2, 1, barHeight - 2),
                         QColor(DistanceShades::shade(distance, last)));
    }
    const QFontMetrics metrics = fontMetrics();
    const auto textWidth = [&metrics](int distance) {
        return metrics.horizontalAdvance(QString::number(distance));
    };
    for (const DistanceShades::Label& label :
         DistanceShades::labels(last, titleWidth, barWidth, width(), textWidth, LabelGap)) {
        const double middle = DistanceShades::middleOf(label.distance, last, titleWidth, barWidth);
        painter.drawLine(QPointF(middle, barHeight - 2), QPointF(middle, barHeight + 2));
        painter.drawText(QPoint(label.left, barHeight + metrics.ascent() + 4),
                         QString::number(label.distance));
    }
}
