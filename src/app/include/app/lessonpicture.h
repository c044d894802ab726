// The map picture of the lesson view: the document's picture as large as the widget allows, every
// square a block of whole screen pixels (its grid line too), so that squares and lines stay even at
// any size; the start and the finish marked with shapes and letters around their yellow; and on
// request the rings in the shade of their distance on the legend's ramp instead of the window's shades.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <vector>

#include "search/exploration.h"

class MapDocument;

class LessonPicture : public QWidget {
    Q_OBJECT

  public:
    explicit LessonPicture(const MapDocument& document, QWidget* parent = nullptr);

    // Whether ring squares show their distance's shade rather than the window's.
    bool distanceShades() const { return byDistance; }
    void setDistanceShades(bool on);

    // Screen pixels per square, and where the map lies in the widget.
    int squareSize() const { return square; }
    QRect mapArea() const;
    // The map as the widget shows it, without the marks of the start and the finish.
    const QImage& scaledMap() const { return scaled; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void renderAll();
    void renderSquare(int x, int y);
    // Notes the squares repainted, to render and show them at the next repaint.
    void painted(const QRect& squares);
    void searched(const std::shared_ptr<const Routeseer::Exploration>& record);
    void renderPainted();
    void paintMarks(QPainter& painter, const QRect& shown) const;

    const MapDocument& document;
    QImage scaled;
    QRect placed;     // where `scaled` lies: in the middle of the part on screen when it was rendered
    int square = 5;   // screen pixels per square
    int gridLine = 1; // of which the square's grid line takes this many
    std::vector<int> pictureOffset; // the picture pixel of a square each screen pixel of it stands for
    // The marks of the start and the finish, drawn once for the square size: text drawn as paths
    // costs more than the rest of a repaint.
    QImage startMark;
    QImage finishMark;
    bool byDistance = false;
    std::vector<std::int16_t> distances; // of the last search, by square number
    int farthest = 0;                    // the last search's, where the shades end, as the legend's do
    // The animation paints thousands of squares a second: they are rendered and shown at most at
    // the screen's pace.
    std::vector<bool> toRender; // by square number, x + 101 y
    std::vector<int> toRenderList;
    QTimer repaintSoon;
};
