// The legend of the lesson view's distance shades: a band for every distance of the last search,
// counted every ten.
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
