// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z over every kind of change to the walls: the map's bytes come back
// whole, the picture is redrawn clean, and the start, the finish and the delay stay as they are.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QUndoStack>

#include "app/mapcanvas.h"
#include "document/mapdocument.h"
#include "document/randomdraw.h"
#include "edittest.h"
#include "guitest.h"

using EditTest::changedSquares;
using EditTest::isWall;
using EditTest::mapBytes;
using EditTest::over;
using GuiTest::pressKey;
using namespace Routeseer;

namespace {

// Press, a drag along a row of squares, release: one stroke.
void stroke(Form1& window, int fromX, int toX, int y)
{
    QTest::mousePress(window.Picture1, Qt::LeftButton, {}, over(fromX, y).toPoint());
    for (int x = fromX; x <= toX; ++x)
        GuiTest::moveMouseOverMap(window, over(x, y), Qt::LeftButton);
    QTest::mouseRelease(window.Picture1, Qt::LeftButton, {}, over(toX, y).toPoint());
}

// A map file that differs from the default map in walls and in the bytes a map carries.
void writeMarkedMap(const QString& path)
{
    std::vector<std::byte> bytes = mapBytes();
    auto* squares = reinterpret_cast<MapSquare*>(bytes.data());
    for (int i = 2000; i < 2100; ++i) {
        squares[i].passable = Wall;
        squares[i].carried[3] = std::uint8_t(i);
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

// Squares that differ from the picture a clean redraw of the map makes now.
QString differenceFromCleanRedraw(Form1& window)
{
    const QImage shown = window.Picture1->image().copy();
    window.Command3_Click();
    return EditTest::describe(changedSquares(shown, window.Picture1->image()));
}

// Rings and a route on the picture, for the redraw after an undo to clear.
void paintResult(Form1& window)
{
    window.colorsquare(MapView::cellCorner(30), MapView::cellCorner(30), 77);
    window.colorsquareblue(MapView::cellCorner(31), MapView::cellCorner(30));
}

} // namespace

class WallUndoTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Form1> window;
    std::unique_ptr<GuiTest::ProgramFolder> folder;
    std::unique_ptr<GuiTest::ModalBoxes> boxes;

    void change(const QString& kind)
    {
        if (kind == QLatin1String("stroke")) {
            stroke(*window, 20, 30, 40);
        } else if (kind == QLatin1String("noise")) {
            window->noise->trigger();
        } else if (kind == QLatin1String("blocks")) {
            window->blocks->trigger();
        } else if (kind == QLatin1String("invert")) {
            window->invert->trigger();
        } else if (kind == QLatin1String("Clear Walls")) {
            window->Clearwalls->trigger();
        } else if (kind == QLatin1String("bar move")) {
            window->HScroll1->setValue(window->HScroll1->value() + 1);
        } else if (kind == QLatin1String("map load")) {
            writeMarkedMap(folder->path(QStringLiteral("marked.map")));
            window->Load->trigger();
            window->File1->setCurrentItem(
                window->File1->findItems(QStringLiteral("marked.map"), Qt::MatchExactly).value(0));
            boxes->answerOk();
            window->File1_DblClick();
        }
    }

  private slots:
    void init()
    {
        folder = std::make_unique<GuiTest::ProgramFolder>();
        boxes = std::make_unique<GuiTest::ModalBoxes>();
        window = GuiTest::startProgram();
        QVERIFY(GuiTest::activate(*window));
    }
    void cleanup()
    {
        window.reset();
        boxes.reset();
        folder.reset();
    }

    void undoAndRedoEveryKindOfChange_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind :
             {"stroke", "noise", "blocks", "invert", "Clear Walls", "bar move", "map load"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }

    void undoAndRedoEveryKindOfChange()
    {
        QFETCH(QString, kind);
        // Walls the reloads of the default map take away; written directly, so not undoable.
        for (int y = 60; y <= 70; ++y)
            MapGrid(50, y).passable = Wall;
        const std::vector<std::byte> before = mapBytes();
        const int recorded = window->document().history().count();

        change(kind);
        const std::vector<std::byte> after = mapBytes();
        QVERIFY(after != before);
        QCOMPARE(window->document().history().count(), recorded + 1);
        window->Slow->trigger();
        const PathStep start = window->startpoint, finish = window->finishpoint;

        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            const std::vector<std::byte>& map;
        } presses[] = {
            {Qt::Key_Z, Qt::ControlModifier, before},
            {Qt::Key_Y, Qt::ControlModifier, after},
            {Qt::Key_Z, Qt::ControlModifier, before},
            {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, after},
        };
        for (const auto& press : presses) {
            paintResult(*window);
            pressKey(*window, press.key, press.modifiers);
            QVERIFY(mapBytes() == press.map);
            QCOMPARE(differenceFromCleanRedraw(*window), QString());
            QVERIFY(window->startpoint == start && window->finishpoint == finish);
            QCOMPARE(window->delayms, 5);
        }
    }

    void aHundredChangesCanBeUndoneAndNoMore()
    {
        const std::vector<std::byte> atStart = mapBytes();
        constexpr int Strokes = WallHistory::Levels + 1;
        // Square pairs apart from each other, 45 to a row.
        auto place = [](int i) { return QPoint(4 + 2 * (i % 45), 10 + 3 * (i / 45)); };
        for (int i = 0; i < Strokes; ++i)
            stroke(*window, place(i).x(), place(i).x(), place(i).y());
        const std::vector<std::byte> drawn = mapBytes();
        QCOMPARE(window->document().history().count(), WallHistory::Levels);

        int undone = 0;
        while (window->document().history().canUndo() && undone <= Strokes) {
            pressKey(*window, Qt::Key_Z, Qt::ControlModifier);
            ++undone;
        }
        QCOMPARE(undone, WallHistory::Levels);
        // The oldest stroke was forgotten: its walls stay, every later one is gone.
        QVERIFY(isWall(place(0).x(), place(0).y()) && !isWall(place(1).x(), place(1).y()));
        QVERIFY(mapBytes() != atStart);
        for (int i = 0; i < WallHistory::Levels; ++i)
            pressKey(*window, Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(mapBytes() == drawn);
    }

    void changesThatChangeNoSquareRecordNothing()
    {
        stroke(*window, 20, 25, 40);
        const int recorded = window->document().history().count();
        stroke(*window, 21, 24, 40);
        RandomDraw::useDraws([] { return 0.99; }); // no square turns into a wall
        window->noise->trigger();
        RandomDraw::useDraws({});
        window->File1->addItem(QStringLiteral("missing.map"));
        window->File1->setCurrentRow(window->File1->count() - 1);
        boxes->answerOk(); // "Attempted to load missing.map."
        boxes->answerOk(); // the box naming the missing file
        window->File1_DblClick();
        QCOMPARE(window->document().history().count(), recorded);
    }
};

QTEST_MAIN(WallUndoTest)
#include "wallundo_test.moc"
