// The map's drawing surface, Picture1. Its image is its memory: whatever was drawn stays until it
// is drawn over or cleared, while the window is covered or minimised, and it is shown pixel for
// pixel (whole device pixels, never smoothed) on screens of any density.
#pragma once

#include <QWidget>
#include <cstdint>

#include "picture/mappicture.h"

class MapCanvas : public QWidget {
    Q_OBJECT

  public:
    explicit MapCanvas(QWidget* parent = nullptr);

    // What the canvas shows; whatever is drawn on it appears at the next repaint.
    MapPicture& picture() { return drawing; }
    const QImage& image() const { return drawing.image(); }

    void clear() { drawing.clear(); }
    void line(QPoint from, QPoint to, QRgb colour) { drawing.line(from, to, colour); }

  signals:
    // A pointer move in the handler's terms: buttons held (1 left, 2 right, 4 middle), keys held
    // (1 Shift, 2 Ctrl, 4 Alt) and the position in picture pixels. While a button is held the
    // picture keeps reporting moves outside itself, with coordinates beyond 0..500.
    void mouseMoved(std::int16_t button, std::int16_t shift, float x, float y);
    // A mouse button was let go over the picture, or after a press on it.
    void buttonReleased();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void markChanged(const QRect& pixels);

    MapPicture drawing;
    QRect changed; // what was drawn since the last repaint
};
