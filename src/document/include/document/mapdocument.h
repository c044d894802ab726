// The map document: what the window shows and edits. Its operations are the only way the map's
// walls change and a search runs, each wall change is recorded for undo by the operation itself,
// and the map picture is painted as the operation goes. Whoever follows it hears of every area
// painted, every change of the walls, every finished search and every step of an animation, so
// that the window and any other view show the same map.
#pragma once

#include <QObject>
#include <QRect>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "document/animationcontrol.h"
#include "document/wallhistory.h"
#include "map/routeseer.h"
#include "picture/mappicture.h"
#include "picture/resultpainter.h"

class MapDocument : public QObject {
    Q_OBJECT

  public:
    explicit MapDocument(QObject* parent = nullptr);

    // The picture every view shows. Whatever is painted on it, by the operations or directly, is
    // announced as painted.
    MapPicture& picture() { return drawing; }
    const QImage& image() const { return drawing.image(); }

    // Wall changes, each one change to undo. A stroke of brush steps is one change, closed by
    // endStroke() or by any other change or an undo, whichever comes first.
    void brush(int column, int row);
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
    // records; its box, if the finish is sealed off, through the platform.
    void search(const Routeseer::PathStep& start, const Routeseer::PathStep& finish);

    // Animates the last search's result: after each step the event pass, then the pause of
    // `delayms`, read afresh each time; Space, Right and Esc act through animations().
    void showResult(const ResultPainter::Parts& parts, const Routeseer::PathStep& start,
                    const Routeseer::PathStep& finish, const std::int16_t& delayms);
    AnimationControl& animations() { return animation; }
    const AnimationControl& animations() const { return animation; }
    // The pause after each step of the innermost running animation, in milliseconds, as it stands
    // now; nothing while none runs.
    std::optional<int> animationDelay() const;

  signals:
    // An area of the picture, in picture pixels, was painted.
    void painted(const QRect& pixels);
    // The walls changed: an operation, an undo or a redo.
    void wallsChanged();
    // A search ended; its records and figures are in place.
    void searched();
    // A step of the result animation was painted, just before its pause.
    void stepped(const ResultPainter::Step& step);

  private:
    // Runs `edit` as one change of the walls, recorded for undo, and announces it.
    void change(const std::function<void()>& edit);

    MapPicture drawing;
    WallHistory walls;
    AnimationControl animation;
    bool holdsMap = false;
    std::optional<Ends> marked;
    const std::int16_t* runningDelay = nullptr;
};
