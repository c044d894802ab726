#include "document/wallhistory.h"

#include <QUndoCommand>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>

using ::Routeseer::MapSquare;
using ::Routeseer::SquareCount;

namespace {

static_assert(SquareCount - 1 <= std::numeric_limits<std::uint16_t>::max(), "a square's number fits 16 bits");

MapSquare* mapRecords() { return &::Routeseer::MapGrid(0, 0); }

bool sameRecord(const MapSquare& a, const MapSquare& b)
{
    return std::memcmp(&a, &b, sizeof(MapSquare)) == 0;
}

// One change of the map: the changed squares' numbers with their records before and after, or,
// when no numbers are kept, the whole map before and after.
class WallChange : public QUndoCommand {
  public:
    // The change from `before` to the map as it is now, or nothing when no square changed.
    static std::unique_ptr<WallChange> since(const std::vector<MapSquare>& before)
    {
        const MapSquare* now = mapRecords();
        auto change = std::make_unique<WallChange>();
        for (int i = 0; i < SquareCount; ++i)
            if (!sameRecord(before[i], now[i]))
                change->squares.push_back(static_cast<std::uint16_t>(i));
        if (change->squares.empty())
            return nullptr;
        constexpr std::size_t PerSquare = sizeof(std::uint16_t) + 2 * sizeof(MapSquare);
        if (change->squares.size() * PerSquare >= 2 * ::Routeseer::MapFileBytes) {
            change->squares.clear();
            change->before = before;
            change->after.assign(now, now + SquareCount);
            return change;
        }
        for (const std::uint16_t i : change->squares) {
            change->before.push_back(before[i]);
            change->after.push_back(now[i]);
        }
        return change;
    }

    void undo() override { put(before); }
    void redo() override { put(after); }

  private:
    void put(const std::vector<MapSquare>& records) const
    {
        MapSquare* map = mapRecords();
        if (squares.empty()) {
            std::copy(records.begin(), records.end(), map);
            return;
        }
        for (std::size_t k = 0; k < squares.size(); ++k)
            map[squares[k]] = records[k];
    }

    std::vector<std::uint16_t> squares;
    std::vector<MapSquare> before;
    std::vector<MapSquare> after;
};

} // namespace

WallHistory::WallHistory(QObject* parent) : QObject(parent) { changes.setUndoLimit(Levels); }

WallHistory::Recording::Recording(WallHistory& owner) : history(owner)
{
    if (history.recordingDepth++ == 0) {
        history.strokeEnded();
        history.takeSnapshot();
    }
}

WallHistory::Recording::~Recording()
{
    if (--history.recordingDepth == 0)
        history.recordSinceSnapshot();
}

void WallHistory::strokeWillDraw()
{
    if (recordingDepth > 0 || strokeOpen)
        return;
    strokeOpen = true;
    takeSnapshot();
}

void WallHistory::strokeEnded()
{
    if (!strokeOpen)
        return;
    strokeOpen = false;
    recordSinceSnapshot();
}

bool WallHistory::undo()
{
    if (!readyToMove() || !changes.canUndo())
        return false;
    changes.undo();
    return true;
}

bool WallHistory::redo()
{
    if (!readyToMove() || !changes.canRedo())
        return false;
    changes.redo();
    return true;
}

bool WallHistory::readyToMove()
{
    // A command still in the middle of its change owns the map until it is done.
    if (recordingDepth > 0)
        return false;
    strokeEnded();
    return true;
}

void WallHistory::takeSnapshot()
{
    const MapSquare* map = mapRecords();
    snapshot.assign(map, map + SquareCount);
}

void WallHistory::recordSinceSnapshot()
{
    // Pushing does the change again, which leaves the map as it already is.
    if (std::unique_ptr<WallChange> change = WallChange::since(snapshot))
        changes.push(change.release());
}
