// Every control of the window at its place and size, with its text, tool tip and state at start.
// Places are client-area pixels; those of controls inside a frame count from the frame's corner.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "app/form1.h"
#include "app/mapcanvas.h"
#include "picture/mapgeometry.h"

namespace {

// The four start/finish bars hold one coordinate each; 2..97 keeps both ends off the walled edge.
constexpr int BarLowest = 2;
constexpr int BarHighest = 97;
constexpr int StartCoordinate = MapView::OpeningStart.x;
constexpr int FinishCoordinate = MapView::OpeningFinish.x;
static_assert(MapView::OpeningStart.x == MapView::OpeningStart.y &&
                  MapView::OpeningFinish.x == MapView::OpeningFinish.y,
              "one bar value serves both coordinates");

// Names the control, places it, and gives it the name screen readers say and its tool tip.
template <class Control>
Control* place(Control* control, const char* name, QRect geometry, const QString& accessibleName,
               const char* tip = "")
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(geometry);
    control->setAccessibleName(accessibleName);
    control->setToolTip(QString::fromUtf8(tip));
    return control;
}

QPushButton* button(QWidget* parent, const char* name, const char* text, QRect geometry, const char* tip = "")
{
    const QString caption = QString::fromUtf8(text);
    return place(new QPushButton(caption, parent), name, geometry, caption, tip);
}

QCheckBox* checkBox(QWidget* parent, const char* name, const char* text, QRect geometry, bool ticked,
                    const char* tip)
{
    const QString caption = QString::fromUtf8(text);
    auto* box = place(new QCheckBox(caption, parent), name, geometry, caption, tip);
    box->setChecked(ticked);
    return box;
}

QLabel* label(QWidget* parent, const char* name, const char* text, QRect geometry, const char* tip = "")
{
    const QString caption = QString::fromUtf8(text);
    auto* label = place(new QLabel(caption, parent), name, geometry, caption, tip);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QGroupBox* frame(QWidget* parent, const char* name, const char* title, QRect geometry)
{
    const QString caption = QString::fromUtf8(title);
    return place(new QGroupBox(caption, parent), name, geometry, caption);
}

QScrollBar* bar(QWidget* parent, const char* name, Qt::Orientation orientation, QRect geometry, int value,
                const char* role)
{
    auto* bar = place(new QScrollBar(orientation, parent), name, geometry, QString::fromUtf8(role));
    bar->setRange(BarLowest, BarHighest);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(value);
    // A bar's change handler reloads the map, so it runs when a move is complete: after an arrow
    // or trough click at once, after a thumb drag only when the thumb is released.
    bar->setTracking(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    bar->hide();
    return bar;
}

} // namespace

void Form1::createControls()
{
    QWidget* client = centralWidget();
    Picture1 = place(new MapCanvas(*map, client), "Picture1",
                     {14, 14, MapView::PictureSide, MapView::PictureSide}, QStringLiteral("Map"));

    Command1 = button(client, "Command1", "Pathfind!", {546, 273, 225, 50},
                      "Click here to make the algorithm find a path from the startpoint to the endpoint.");

    Frame1 = frame(client, "Frame1", "Options", {539, 14, 232, 113});
    Text1 =
        place(new QLineEdit(client), "Text1", {539, 28, 36, 22}, QStringLiteral("Distance from the start"));
    Text1->hide();
    Frame2 = frame(client, "Frame2", "Path Statistics", {539, 133, 232, 64});
    createFrameControls();

    Label3 = label(client, "Label3",
                   "Use the mouse to draw new walls in the pathfinding area. Compute a path by clicking the "
                   "Pathfind button below.",
                   {546, 210, 218, 43});
    Label3->setWordWrap(true);

    HScroll1 = bar(client, "HScroll1", Qt::Horizontal, {14, 0, 505, 15}, StartCoordinate, "Start column");
    HScroll2 = bar(client, "HScroll2", Qt::Vertical, {0, 14, 15, 505}, StartCoordinate, "Start row");
    VScroll1 = bar(client, "VScroll1", Qt::Vertical, {518, 14, 15, 505}, FinishCoordinate, "Finish row");
    VScroll2 = bar(client, "VScroll2", Qt::Horizontal, {14, 518, 505, 15}, FinishCoordinate, "Finish column");

    File1 = place(new QListWidget(client), "File1", {546, 329, 225, 162}, QStringLiteral("Map files"));
    File1->hide();
    Command6 = button(client, "Command6", "Close load list", {679, 497, 92, 22});
    Command6->hide();

    // The distance readout follows the pointer over the map and the frames: keep it on top. It is
    // a readout only: it takes no key and no click, so the check box it covers at start, and
    // whatever it passes over, stays usable through it. Refusing the focus only once the tab order
    // is arranged keeps its place in the order.
    Text1->raise();
    arrangeTabOrder();
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);
    Text1->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Form1::createFrameControls()
{
    Check1 = checkBox(Frame1, "Check1", "Show node distance next to mouse cursor", {7, 21, 218, 15}, false,
                      "When checked, a box showing a square's distance from the start will be shown when you "
                      "drag the mouse over the map.");
    Check2 = checkBox(Frame1, "Check2", "Show path", {7, 42, 78, 15}, true,
                      "When checked, the final path will be shown in blue");
    Check3 = checkBox(Frame1, "Check3", "Show distance rings", {7, 63, 120, 15}, false,
                      "When checked, the red distance rings, showing each square's distance from the start, "
                      "will be shown.");
    Check4 = checkBox(Frame1, "Check4", "Clear paths and rings automatically", {7, 84, 211, 15}, true,
                      "When checked, the map will clear any paths and rings before it makes new ones.");

    Command4 =
        button(Frame1, "Command4", "Save this map", {7, 140, 106, 22}, "Click here to save the current map.");
    Command5 =
        button(Frame1, "Command5", "Load a map", {119, 140, 106, 22}, "Click here to load a different map.");
    Command2 = button(Frame1, "Command2", "Clear any user-created walls", {7, 175, 218, 29},
                      "Click here to erase any walls you drew.");
    Command3 = button(Frame1, "Command3", "Clear any paths and rings", {7, 217, 218, 29},
                      "Click here to clear any paths or rings that were drawn on the map.");
    for (QPushButton* neverShown : {Command4, Command5, Command2, Command3})
        neverShown->hide();

    Label1 = label(Frame2, "Label1", "Time to compute:", {14, 21, 190, 15},
                   "This area shows how long the algorithm took to compute the path.");
    Label2 = label(Frame2, "Label2", "Path length:", {14, 35, 197, 15},
                   "This area shows the length, in grid squares, of the path the algorithm found.");
    // Without a name of their own, screen readers read the labels' current text, which every search
    // replaces.
    Label1->setAccessibleName(QString());
    Label2->setAccessibleName(QString());
}

void Form1::arrangeTabOrder()
{
    // Frames and labels take no focus; hidden controls keep their place for when they show.
    QWidget* const order[] = {Picture1, Command1, Check1,   Check2, Check3,   Command3,
                              Command4, Command2, Text1,    Check4, Command5, HScroll1,
                              HScroll2, VScroll1, VScroll2, File1,  Command6};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
