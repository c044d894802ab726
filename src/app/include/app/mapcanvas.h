// The map's drawing surface, Picture1: the map document's picture on the window. The picture is
// its memory: whatever was painted stays until it is painted over or cleared, while the window is
// covered or minimised, and it is shown pixel for pixel (whole device pixels, never smoothed) on
// screens of any density.
#pragma once

#include <QWidget>
#include <cstdint>

class MapDocument;

class MapCanvas : public QWidget {
    Q_OBJECT

  public:
    explicit MapCanvas(const MapDocument& document, QWidget* parent = nullptr);

    // What the canvas shows; whatever the document paints appears at the next repaint.
    const QImage& image() const;

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
    void markChanged(const QRect& squares);

    const MapDocument& document;
    QRect changed; // what was painted since the last repaint
};
