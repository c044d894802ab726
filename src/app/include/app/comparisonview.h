// The lesson view's comparison: up to four searches under one move rule on the window's map, start
// and finish, side by side, replayed in step one expansion at a time on one timer, forwards and
// back; beside them the pseudocode of the chosen pane with the line being carried out, the first
// squares of its frontier, and at the end the figures of all side by side.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>

#include "search/timeline.h"
#include "searches/methods.h"

class ComparePane;
class Form1;
class QComboBox;
class QGridLayout;
class QLabel;
class QSlider;
class QTableWidget;

class ComparisonView : public QWidget {
    Q_OBJECT

  public:
    static constexpr int Panes = 4;
    // Expansions a second, slowest first.
    static constexpr std::array<int, 10> Speeds{1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};

    explicit ComparisonView(Form1& window, QWidget* parent = nullptr);

    // Runs the chosen searches again on the map as it is now, keeping the replay's place.
    void searchAgain();
    void togglePlaying();
    bool playing() const { return ticking.isActive(); }
    void stepBy(int expansions);
    void ringForward();
    void ringBack();
    void toStart();
    void toEnd();
    void faster();
    void slower();
    void toggleArrows();
    // The pane the side panel speaks of, 0 to Panes - 1; a pane showing nothing is not taken.
    void select(int pane);
    // The figures of every search as tab-separated lines, headed, as the end table shows them.
    QString figuresTable() const;
    void copyFigures() const;

    int position() const { return shown; }
    int longest() const;
    int speed() const { return Speeds[speedIndex]; }
    ComparePane& pane(int index) const { return *panes[index]; }
    QComboBox& chooser(int index) const { return *choosers[index]; }
    QComboBox& movesChooser() const { return *moves; }
    QString status() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void arrangePanes();
    void seek(int position);
    void tick();
    void showPanel();
    void showStatus();
    void fillTable();
    ComparePane* selectedPane() const;

    // What a pane shows: nothing, or a search under a rule.
    struct Search {
        std::optional<Searches::Method> method;
        Searches::Moves moves = Searches::Moves::Window;
        Routeseer::Timeline::Order order = Routeseer::Timeline::Order::Oldest;
    };

    Form1& window;
    std::array<Search, Panes> searches{};
    std::array<QComboBox*, Panes> choosers{};
    QComboBox* moves = nullptr;
    std::array<ComparePane*, Panes> panes{};
    QGridLayout* paneGrid = nullptr;
    QWidget* side = nullptr;
    QLabel* code = nullptr;
    QLabel* frontier = nullptr;
    QTableWidget* table = nullptr;
    QSlider* slider = nullptr;
    QLabel* statusLine = nullptr;
    QTimer ticking;
    QTimer searchSoon;
    QElapsedTimer sinceTick;
    double owed = 0; // expansions due but not yet shown, below one
    std::size_t speedIndex = 6;
    int shown = 0;
    int selected = 0;
    bool arrows = false;
};
