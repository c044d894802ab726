// The legend of the lesson view's distance shades: the ramp from one step to the last search's
// farthest as a continuous bar, with as many round labels under it as fit.
#pragma once

#include <QWidget>
#include <memory>

#include "search/exploration.h"

class DistanceLegend : public QWidget {
    Q_OBJECT

  public:
    explicit DistanceLegend(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // The scale follows every search at once.
    void searched(const std::shared_ptr<const Routeseer::Exploration>& record);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int farthest = 0;
};
