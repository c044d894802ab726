// The map document: what the window shows and edits. Its operations are the only way the map's
// walls change and a search runs, each wall change is recorded for undo by the operation itself,
// and the map picture is painted as the operation goes. Whoever follows it hears, in the map's own
// terms, of every square repainted, every change of the walls, every search with its record and
// every step of an animation, so that the window and any other view show the same map.
#pragma once

#include <QObject>
#include <QRect>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "document/animationcontrol.h"
#include "document/wallhistory.h"
#include "map/routeseer.h"
#include "picture/mappicture.h"
#include "picture/resultpainter.h"
#include "search/exploration.h"

class MapDocument : public QObject {
    Q_OBJECT

  public:
    explicit MapDocument(QObject* parent = nullptr);

    // The picture every view shows. Whatever is painted on it, by the operations or directly, is
    // announced as the squares repainted.
    MapPicture& picture() { return drawing; }
    const MapPicture& picture() const { return drawing; }
    const QImage& image() const { return drawing.image(); }

    // Wall changes, each one change to undo. A stroke of brush steps is one change, closed by
    // endStroke() or by any other change or an undo, whichever comes first.
    void brush(int column, int row);
    // The same brush opening squares: the lesson view's right button.
    void erase(int column, int row);
    void endStroke();
    void noise();
    void blocks();
    void invert();
    // Loads a map file over the walls, leaving the picture alone. The first map the document
    // holds is no change: it is the map the document opens with. On failure the map stays as it
    // was and `why` says why, for a person.
    bool loadMap(const std::string& path, std::string* why);
    bool saveMap(const std::string& path, std::string* why) const;

    // Painting that changes no wall: the grid, every wall, the start and the finish over what is
    // there, and the clean map (grid, start and finish, then the walls over them).
    void drawGrid();
    void paintWalls();
    void paintMarkers(const Routeseer::PathStep& start, const Routeseer::PathStep& finish);
    void paintCleanMap(const Routeseer::PathStep& start, const Routeseer::PathStep& finish);
    // Where the start and the finish were last painted, for views that mark them in a way of their
    // own; nothing once the picture was cleared without them.
    struct Ends {
        Routeseer::PathStep start;
        Routeseer::PathStep finish;
    };
    const std::optional<Ends>& markedEnds() const { return marked; }

    // Puts the walls back as they were before the last change, or after the last undone one;
    // false when there is nothing to do or a change is still being made.
    bool undo();
    bool redo();
    const QUndoStack& history() const { return walls.stack(); }

    // The search from `start` to `finish`: the distances, the queue and the route in the search
    // records, and its record; its box, if the finish is sealed off, through the platform.
    void search(const Routeseer::PathStep& start, const Routeseer::PathStep& finish);
    // The record of the last search; an empty one before the first.
    const std::shared_ptr<const Routeseer::Exploration>& lastSearch() const { return record; }

    // Animates the last search's result, a step at a time from the event loop, each part and each
    // pause asked of `pacing` when it comes; Space, Right and Esc act through animations().
    void showResult(AnimationControl::Pacing pacing);
    AnimationControl& animations() { return animation; }
    const AnimationControl& animations() const { return animation; }

  signals:
    // The insides or grid lines of these squares (columns and rows of the map) were repainted.
    void squaresRepainted(const QRect& squares);
    // The walls changed: an operation, an undo or a redo.
    void wallsChanged();
    // A search ended; the search records are in place, and this is its record.
    void searched(const std::shared_ptr<const Routeseer::Exploration>& record);
    // A step of the result animation was painted, or passed where it paints nothing.
    void stepped(const ResultPainter::Step& step);

  private:
    void stroke(int column, int row, std::int16_t passable);
    // Runs `edit` as one change of the walls, recorded for undo, and announces it.
    void change(const std::function<void()>& edit);

    MapPicture drawing;
    WallHistory walls;
    std::shared_ptr<const Routeseer::Exploration> record = std::make_shared<Routeseer::Exploration>();
    ResultPainter::Result result;
    AnimationControl animation;
    bool holdsMap = false;
    std::optional<Ends> marked;
};
