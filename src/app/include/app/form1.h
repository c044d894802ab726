// The program's one window. This declaration is the table of contents of the whole user
// interface: every control, every handler and the window's own variables, grouped by the part of
// the program that defines them; each group's comment names the file that holds its definitions.
// What the window shows and edits is its map document (document/mapdocument.h): the handlers read
// the controls, call the document and show the boxes.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <cstdint>
#include <vector>

#include "app/windowkeys.h"
#include "map/routeseer.h"

class HelpWindow;
class LessonView;
class MapCanvas;
class MapDocument;
class QAction;
class QCheckBox;
class QCloseEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollBar;
class QShortcut;

class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    // Builds every control and menu in its state at start; the window shows in Form_Load.
    Form1();

    // The map document the window shows and edits.
    MapDocument& document() { return *map; }

    // Controls on the window, in tab order (app/form1controls.cpp). The four bars, File1,
    // Command6 and Text1 start hidden.
    MapCanvas* Picture1 = nullptr;
    QPushButton* Command1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label3 = nullptr;
    QScrollBar* HScroll1 = nullptr; // horizontal, above the map: start column
    QScrollBar* HScroll2 = nullptr; // vertical, left of the map: start row
    QScrollBar* VScroll1 = nullptr; // vertical, right of the map: finish row
    QScrollBar* VScroll2 = nullptr; // horizontal, below the map: finish column
    QListWidget* File1 = nullptr;
    QPushButton* Command6 = nullptr;

    // Inside Frame1 "Options": the four option boxes, and four command buttons that lie below
    // the frame's visible area and are never shown; their handlers are commands of the menus.
    QCheckBox* Check1 = nullptr;
    QCheckBox* Check2 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check4 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;

    // Inside Frame2 "Path Statistics".
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

    // The menu bar, left to right, each menu's items in order (app/form1menus.cpp, which also
    // connects each item to its handler). The search menu keeps its historical name, which is also
    // the name of the search module's namespace.
    QMenu* File = nullptr;
    QAction* Load = nullptr;
    QAction* Save = nullptr;
    QAction* Quit = nullptr;
    QMenu* Routeseer = nullptr;
    QAction* go = nullptr;
    QAction* clearpaths = nullptr;
    QAction* Clearwalls = nullptr;
    QAction* movepoints = nullptr;
    QMenu* extras = nullptr;
    QAction* noise = nullptr;
    QAction* blocks = nullptr;
    QAction* invert = nullptr;
    QMenu* delay = nullptr;
    QAction* normal = nullptr;
    QAction* Slow = nullptr;
    QAction* tectonic = nullptr;

    // The window's own variables: the search's two ends and the pause after each animation step.
    ::Routeseer::PathStep startpoint{};
    ::Routeseer::PathStep finishpoint{};
    std::int16_t delayms = 0;

    // Map display (app/painters.cpp): the only way a square gets its colour. X and Y are the
    // cell's top-left corner in picture pixels; the cell's grid lines are left alone.
    void colorsquare(const std::int16_t& X, const std::int16_t& Y, const std::int16_t& increment);
    void colorsquaregreen(const std::int16_t& X, const std::int16_t& Y);
    void colorsquareblue(const std::int16_t& X, const std::int16_t& Y);
    void colorsquareyellow(const std::int16_t& X, const std::int16_t& Y);

    // Map display (app/redraw.cpp): the start-up load, the clean redraw and its menu item.
    void Form_Load();
    void Command3_Click();
    void clearpaths_Click();

    // Path search (app/searchcommand.cpp): "Pathfind!" and "Go!".
    void Command1_Click();
    void go_Click();

    // Wall drawing and the distance readout (app/walldrawing.cpp).
    void Picture1_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Check1_Click();

    // Start and finish placement (app/pointplacement.cpp).
    void HScroll1_Change();
    void HScroll2_Change();
    void VScroll1_Change();
    void VScroll2_Change();
    void movepoints_Click();

    // Map generators and the wall reset (app/generators.cpp).
    void noise_Click();
    void blocks_Click();
    void invert_Click();
    void Command2_Click();
    void Clearwalls_Click();

    // Map file dialogs (app/filedialogs.cpp).
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void File1_DblClick();
    void Save_Click();
    void Load_Click();

    // Options, delay modes and quit (app/options.cpp).
    void normal_Click();
    void Slow_Click();
    void tectonic_Click();
    void Quit_Click();

  protected:
    // Closing the window (app/options.cpp).
    void closeEvent(QCloseEvent* event) override;

  private:
    friend const std::vector<WindowKey>& windowKeys();
    friend class LessonView;

    // Start and finish placement (app/pointplacement.cpp): shows or hides the four bars.
    void showpointbars(const std::int16_t& visible);

    // Map display helpers shared by every redraw (app/redraw.cpp).
    void drawGrid();
    void paintMarkers();
    void paintWalls();
    void loadDefaultMap();

    // The window's keys (app/form1keys.cpp): each a shortcut of the whole window, none on a menu
    // item; the animation keys are live only while there is an animation to act on. The lesson
    // view takes them too, but for those it keeps for itself. F10 opens the menus.
    void createKeys();
    void addWindowKeys(QWidget* window, const QList<QKeySequence>& keptThere);
    void enableKeys();
    void animationChanged();
    void openMenus();
    std::vector<std::pair<QPointer<QShortcut>, KeyScope>> windowShortcuts;
    // Space, Right and Esc on the running animations (app/searchcommand.cpp).
    void pauseAnimation();
    void stepAnimation();
    void finishAnimations();

    // The caption after the title (app/searchcaption.cpp): the figures of the search the panel
    // reports, its squares reached, its own time and its route, and "(paused)" while the
    // animation waits.
    void showSearchInCaption();
    void refreshCaption();
    QString lastSearch;

    // Undo and redo of the walls (app/wallundo.cpp): Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y, each after
    // the running animations are finished; a stroke of the mouse ends when its button is let go.
    void undoWalls();
    void redoWalls();
    void endStroke();

    // The map picture out (app/pictureout.cpp): Ctrl+C to the clipboard, Ctrl+E into a PNG file.
    void copyPicture();
    void savePicture();

    // Help (app/helpwindow.cpp): F1 opens the one help window.
    void showHelp();
    QPointer<HelpWindow> help;

    // The lesson view (app/lessonview.cpp): F5 opens the one lesson view.
    void showLessonView();
    QPointer<LessonView> lesson;

    // Construction: controls (app/form1controls.cpp), menus with their handlers
    // (app/form1menus.cpp), the controls' and the document's signals to their handlers
    // (app/form1wiring.cpp).
    void createControls();
    void createFrameControls();
    void arrangeTabOrder();
    void createMenus();
    void connectHandlers();

    MapDocument* map = nullptr;
};
