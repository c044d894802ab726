// The legend of the lesson view's distance shades: a band for every distance of the last search,
// counted every ten.
#pragma once

#include <QWidget>

class DistanceLegend : public QWidget {
    Q_OBJECT

  public:
    explicit DistanceLegend(QWidget* parent = nullptr);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};
