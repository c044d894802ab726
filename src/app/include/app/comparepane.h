// One search of the lesson view's comparison: the map as the search saw it, every square in the
// shade of its state at the replay's moment (reached and done, in the frontier, being expanded),
// on request an arrow from each reached square to the square it was reached from, the route over
// them at the end, the start and the finish marked, and the search's figures of the moment.
#pragma once

#include <QImage>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "search/timeline.h"

class ComparePane : public QWidget {
    Q_OBJECT

  public:
    explicit ComparePane(QWidget* parent = nullptr);

    // A search to show, on the walls it searched (by square number, true where open); or, with
    // no timeline, only the title and why there is nothing to show.
    void showSearch(const QString& title, std::shared_ptr<Routeseer::Timeline> timeline,
                    std::vector<bool> open, const QString& why = {});
    Routeseer::Timeline* timeline() const { return replay.get(); }
    const QString& title() const { return heading; }

    // Renders what the timeline changed since the last call.
    void refresh();
    void setArrows(bool on);
    void setSelected(bool on);

    // The map square under a point of the widget, if any.
    std::optional<QPoint> squareAt(QPoint point) const;
    // The figures line as shown.
    QString figures() const;
    // For the tests: the map as rendered, without the marks drawn over it.
    const QImage& rendered() const { return image; }
    int squareSize() const { return square; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void renderAll();
    void renderSquare(Routeseer::SquareNumber number);
    QRgb shadeOf(Routeseer::SquareNumber number) const;
    QPointF centreOf(Routeseer::SquareNumber number) const;
    void paintArrows(QPainter& painter) const;
    void paintRoute(QPainter& painter) const;
    void paintEnds(QPainter& painter) const;
    void drawFitted(QPainter& painter, const QRect& line, const QString& text) const;
    Routeseer::SquareNumber currentShown() const;

    QString heading;
    QString refused;
    std::shared_ptr<Routeseer::Timeline> replay;
    std::vector<bool> openSquares;
    Routeseer::ExplorationFigures figuresAtEnd;
    Routeseer::SquareNumber lastCurrent = Routeseer::NoSquare;
    int columns = 0;
    int rows = 0;
    QImage image;
    QImage startMark;
    QImage finishMark;
    QPoint origin; // of the map in the widget
    int square = 1;
    int gridLine = 0;
    int textHeight = 0;
    bool arrows = false;
    bool selected = false;
};
