// The mouse on a map of the lesson view, as in the window and a little more: the left button
// draws walls and the right button erases them, each stroke one change to undo; a press on the
// start or the finish drags it instead, over open squares within the window's bars.
#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>

class Form1;
class QMouseEvent;

class MapMouse : public QObject {
    Q_OBJECT

  public:
    using SquareAt = std::function<std::optional<QPoint>(QPoint)>;
    // Follows the mouse on `map`, `squareAt` telling the square under a point of it.
    MapMouse(Form1& window, QWidget& map, SquareAt squareAt);

  signals:
    // The start or the finish moved.
    void endsMoved();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Dragging : std::uint8_t { Nothing, Walls, Openings, Start, Finish };
    void press(const QMouseEvent& event);
    void move(const QMouseEvent& event);
    void release();
    void moveEnd(QPoint square);

    Form1& window;
    SquareAt squareAt;
    Dragging dragging = Dragging::Nothing;
};
