// Undo and redo of the map's walls, on Qt's undo stack. Each change is kept as the squares it
// changed, whole records before and after, so the bytes a map file carries come back too; a change
// that touches most of the map keeps the two whole maps instead, which is then smaller.
#pragma once

#include <QObject>
#include <QUndoStack>
#include <vector>

#include "map/routeseer.h"

class WallHistory : public QObject {
    Q_OBJECT

  public:
    // How many changes can be undone; the oldest is forgotten beyond that.
    static constexpr int Levels = 100;

    explicit WallHistory(QObject* parent = nullptr);

    // Records what one command does to the map while it lives. A command run inside another one
    // (in one of its event passes) belongs to the outer one's change.
    class Recording {
      public:
        explicit Recording(WallHistory& history);
        ~Recording();
        Recording(const Recording&) = delete;
        Recording& operator=(const Recording&) = delete;

      private:
        WallHistory& history;
    };

    // A stroke of the mouse is one change: it opens just before the first square it walls and
    // closes when a button is let go, or when any other change or an undo comes first.
    void strokeWillDraw();
    void strokeEnded();

    // Put the map back as it was before the last change, or as it was after the last one undone;
    // false when there is nothing to do.
    bool undo();
    bool redo();

    const QUndoStack& stack() const { return changes; }

  private:
    bool readyToMove();
    void takeSnapshot();
    void recordSinceSnapshot();

    QUndoStack changes;
    std::vector<::Routeseer::MapSquare> snapshot; // the map when the open change began
    int recordingDepth = 0;
    bool strokeOpen = false;
};
