// The lesson view (F5): a window of its own for a class and a projector. It shows the map picture
// live, as large as the window allows with crisp squares, the start and the finish told apart
// without colour, and one line on what the animation is doing; D shades the rings by distance,
// with a legend; F11 goes full screen and back, as Esc does too; G searches as "Pathfind!" does; the
// mouse draws and erases walls and drags the start and the finish. C turns to the comparison of
// searches and back. The main window's keys work here as there, but for those the view keeps.
#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <memory>

#include "app/lessonstatus.h"

class ComparisonView;
class DistanceLegend;
class Form1;
class LessonPicture;
class MapDocument;
class QLabel;
class QStackedWidget;

class LessonView : public QWidget {
    Q_OBJECT

  public:
    explicit LessonView(Form1& window);

    LessonPicture& picture() const { return *map; }
    QString status() const;
    // The comparison of searches (C), made when first shown.
    ComparisonView* comparisonView() const { return comparison; }
    bool comparing() const;
    void showComparison(bool on);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void createKeys(Form1& window);
    void toggleFullScreen();
    void escape();
    void toggleDistanceShades();
    void stepped(const ResultPainter::Step& step);
    void searched(const std::shared_ptr<const Routeseer::Exploration>& record);
    void showStatus();

    Form1& form;
    MapDocument& document;
    QStackedWidget* pages = nullptr;
    ComparisonView* comparison = nullptr;
    LessonPicture* map = nullptr;
    QLabel* statusLine = nullptr;
    DistanceLegend* legend = nullptr;
    AnimationMoment moment;
    QElapsedTimer sinceStatus;
};
