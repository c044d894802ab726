#include "app/comparisonview.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSlider>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/comparepane.h"
#include "app/form1.h"
#include "app/mapmouse.h"
#include "app/pseudocode.h"
#include "document/mapdocument.h"
#include "searches/grid.h"
#include "searches/searcher.h"

using Routeseer::Timeline;
using Searches::Method;
using Searches::Moves;

namespace {

// A frame at the screen's pace: the replay shows what is due at each.
constexpr int FrameMilliseconds = 16;
// Entries of the frontier listed beside the map.
constexpr std::size_t FrontierShown = 8;
// The chooser's entry for the window's own flood, and for a pane left empty.
constexpr int WindowFlood = -1;
constexpr int NoSearch = -2;

QString longNameOf(Method method)
{
    switch (method) {
    case Method::Bfs:
        return QStringLiteral("breadth-first");
    case Method::Dfs:
        return QStringLiteral("depth-first");
    case Method::Dijkstra:
        return QStringLiteral("Dijkstra");
    case Method::Greedy:
        return QStringLiteral("greedy best-first");
    case Method::AStar:
        return QStringLiteral("A*");
    case Method::Bidirectional:
        return QStringLiteral("breadth-first from both ends");
    case Method::Jps:
        return QStringLiteral("Jump Point Search");
    }
    return {};
}

QString textOf(Method method) { return QString::fromLatin1(Searches::nameOf(method).data()); }
QString textOf(Moves moves) { return QString::fromLatin1(Searches::nameOf(moves).data()); }

// Searches that expand whole rings of equal cost, one after the other, on each side.
bool expandsInRings(Method method)
{
    return method == Method::Bfs || method == Method::Dijkstra || method == Method::Bidirectional;
}

Timeline::Order orderOf(Method method)
{
    switch (method) {
    case Method::Bfs:
    case Method::Bidirectional:
        return Timeline::Order::Oldest;
    case Method::Dfs:
        return Timeline::Order::Newest;
    default:
        return Timeline::Order::Priority;
    }
}

QString squareText(const Routeseer::Exploration& record, Routeseer::SquareNumber square)
{
    return QStringLiteral("(%1, %2)").arg(record.xOf(square)).arg(record.yOf(square));
}

} // namespace

ComparisonView::ComparisonView(Form1& shown, QWidget* parent) : QWidget(parent), window(shown)
{
    setObjectName(QStringLiteral("comparisonView"));
    auto* choices = new QHBoxLayout;
    for (int index = 0; index < Panes; ++index) {
        auto* chooser = new QComboBox;
        chooser->setObjectName(QStringLiteral("search%1").arg(index + 1));
        chooser->setFocusPolicy(Qt::ClickFocus);
        // The row of choosers fits a small projector's width too.
        chooser->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        chooser->setMinimumContentsLength(10);
        if (index == 0)
            chooser->addItem(QStringLiteral("the window's flood"), WindowFlood);
        else
            chooser->addItem(QStringLiteral("none"), NoSearch);
        for (std::size_t method = 0; method < Searches::AllMethods.size(); ++method)
            chooser->addItem(
                QStringLiteral("%1 \u00b7 %2")
                    .arg(textOf(Searches::AllMethods[method]), longNameOf(Searches::AllMethods[method])),
                int(method));
        choosers[index] = chooser;
        choices->addWidget(new QLabel(QStringLiteral("%1:").arg(index + 1)));
        choices->addWidget(chooser, 1);
    }
    choosers[1]->setCurrentIndex(choosers[1]->findData(int(Method::AStar)));
    moves = new QComboBox;
    moves->setObjectName(QStringLiteral("moves"));
    moves->setFocusPolicy(Qt::ClickFocus);
    for (const Moves rule : Searches::AllMoves)
        moves->addItem(textOf(rule), int(rule));
    choices->addWidget(new QLabel(QStringLiteral("moves:")));
    choices->addWidget(moves);

    paneGrid = new QGridLayout;
    for (int index = 0; index < Panes; ++index) {
        panes[index] = new ComparePane(this);
        panes[index]->setObjectName(QStringLiteral("comparePane%1").arg(index + 1));
        auto* mouse = new MapMouse(window, *panes[index],
                                   [pane = panes[index]](QPoint point) { return pane->squareAt(point); });
        connect(mouse, &MapMouse::endsMoved, this, &ComparisonView::searchAgain);
    }

    code = new QLabel;
    code->setObjectName(QStringLiteral("pseudocode"));
    code->setTextFormat(Qt::RichText);
    code->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    frontier = new QLabel;
    frontier->setObjectName(QStringLiteral("frontierList"));
    frontier->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    table = new QTableWidget(0, 6);
    table->setObjectName(QStringLiteral("figuresTable"));
    table->setHorizontalHeaderLabels({QStringLiteral("search"), QStringLiteral("expanded"),
                                      QStringLiteral("discovered"), QStringLiteral("largest frontier"),
                                      QStringLiteral("route steps"), QStringLiteral("cost")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setFocusPolicy(Qt::NoFocus);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    table->setWordWrap(false);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->hide();
    side = new QWidget;
    auto* panel = new QVBoxLayout(side);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(code);
    panel->addWidget(frontier, 1);

    auto* middle = new QHBoxLayout;
    middle->addLayout(paneGrid, 3);
    middle->addWidget(side, 1);

    slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(QStringLiteral("timelineSlider"));
    slider->setFocusPolicy(Qt::NoFocus);
    connect(slider, &QSlider::valueChanged, this, &ComparisonView::seek);
    statusLine = new QLabel;
    statusLine->setObjectName(QStringLiteral("compareStatus"));
    auto* keys = new QLabel(QStringLiteral("Space play or pause \u00b7 \u2190 \u2192 one expansion \u00b7 "
                                           "PgUp PgDn one ring \u00b7 Home End \u00b7 "
                                           "+ \u2212 speed \u00b7 A arrows to parents \u00b7 1\u20134 pane "
                                           "\u00b7 G search again \u00b7 Ctrl+C figures "
                                           "\u00b7 C the map"));
    keys->setObjectName(QStringLiteral("compareKeys"));
    keys->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addLayout(middle, 1);
    layout->addWidget(table);
    layout->addWidget(slider);
    layout->addWidget(statusLine);
    layout->addWidget(keys);

    ticking.setInterval(FrameMilliseconds);
    connect(&ticking, &QTimer::timeout, this, &ComparisonView::tick);
    // Edits come a brush step at a time: the searches run again once the step's events are done.
    searchSoon.setSingleShot(true);
    searchSoon.setInterval(0);
    connect(&searchSoon, &QTimer::timeout, this, &ComparisonView::searchAgain);
    connect(&window.document(), &MapDocument::wallsChanged, &searchSoon, qOverload<>(&QTimer::start));
    for (QComboBox* chooser : choosers)
        connect(chooser, &QComboBox::currentIndexChanged, this, &ComparisonView::searchAgain);
    connect(moves, &QComboBox::currentIndexChanged, this, &ComparisonView::searchAgain);
    searchAgain();
}

void ComparisonView::searchAgain()
{
    searchSoon.stop();
    const Searches::Grid grid = Searches::Grid::fromWindowMap();
    std::vector<bool> open(static_cast<std::size_t>(grid.width() * grid.height()));
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x)
            open[grid.numberOf({x, y})] = grid.open({x, y});
    Searches::Searcher searcher(grid);
    const Searches::Square start{window.startpoint.x, window.startpoint.y};
    const Searches::Square finish{window.finishpoint.x, window.finishpoint.y};
    const Moves rule = static_cast<Moves>(moves->currentData().toInt());
    for (int index = 0; index < Panes; ++index) {
        const int chosen = choosers[index]->currentData().toInt();
        Search& search = searches[index];
        search = {};
        if (chosen == NoSearch) {
            panes[index]->showSearch({}, nullptr, open);
            continue;
        }
        const bool flood = chosen == WindowFlood;
        search.method = flood ? Method::Bfs : Searches::AllMethods[std::size_t(chosen)];
        search.moves = flood ? Moves::Window : rule;
        search.order = orderOf(*search.method);
        const QString title =
            flood ? QStringLiteral("the window's flood (bfs, window moves)")
                  : QStringLiteral("%1 (%2, %3 moves)")
                        .arg(longNameOf(*search.method), textOf(*search.method), textOf(rule));
        if (const std::string refused = Searches::refusal(*search.method, search.moves); !refused.empty()) {
            panes[index]->showSearch(title, nullptr, open, QString::fromStdString(refused));
            continue;
        }
        auto record = std::make_shared<Routeseer::Exploration>();
        searcher.find(*search.method, search.moves, start, finish, record.get());
        auto timeline = std::make_shared<Timeline>(std::move(record), expandsInRings(*search.method));
        timeline->seek(shown);
        panes[index]->showSearch(title, std::move(timeline), open);
        panes[index]->setArrows(arrows);
    }
    arrangePanes();
    if (!selectedPane())
        select(0);
    {
        const QSignalBlocker quiet(slider);
        slider->setRange(0, longest());
    }
    seek(std::min(shown, longest()));
}

void ComparisonView::resizeEvent(QResizeEvent* event)
{
    // The side panel and the lines below are read from the back of the room too.
    QFont text = font();
    text.setPixelSize(std::clamp(height() / 56, 12, 22));
    if (text != font())
        setFont(text);
    // The panel keeps to a quarter of the width, a third on a small screen; its pseudocode gets
    // smaller rather than cut.
    const int panelWidth = std::max(width() / 4, std::min(360, width() / 3));
    side->setFixedWidth(panelWidth);
    QFont lines = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    lines.setPixelSize(text.pixelSize());
    const auto widest = [&lines] {
        int most = 0;
        for (const Method method : Searches::AllMethods)
            for (const QString& line : Pseudocode::linesOf(method))
                most = std::max(most, QFontMetrics(lines).horizontalAdvance(line));
        return most;
    };
    while (lines.pixelSize() > 9 && widest() > panelWidth - 8)
        lines.setPixelSize(lines.pixelSize() - 1);
    code->setFont(lines);
    showPanel();
    QWidget::resizeEvent(event);
}

void ComparisonView::arrangePanes()
{
    std::vector<ComparePane*> used;
    for (int index = 0; index < Panes; ++index) {
        paneGrid->removeWidget(panes[index]);
        if (searches[index].method)
            used.push_back(panes[index]);
        else
            panes[index]->hide();
    }
    // One pane whole, two side by side, three or four in a square.
    const int across = 2;
    for (std::size_t at = 0; at < used.size(); ++at) {
        paneGrid->addWidget(used[at], int(at) / across, int(at) % across);
        used[at]->show();
    }
}

int ComparisonView::longest() const
{
    int most = 0;
    for (const ComparePane* pane : panes)
        if (pane->timeline())
            most = std::max(most, pane->timeline()->expansions());
    return most;
}

ComparePane* ComparisonView::selectedPane() const
{
    ComparePane* pane = panes[selected];
    return searches[selected].method ? pane : nullptr;
}

void ComparisonView::select(int index)
{
    if (index < 0 || index >= Panes || !searches[index].method)
        return;
    selected = index;
    for (int at = 0; at < Panes; ++at)
        panes[at]->setSelected(at == selected);
    showPanel();
}

void ComparisonView::seek(int position)
{
    shown = std::clamp(position, 0, longest());
    // Each search stands where the shared count of expansions has got to, or at its own end.
    for (ComparePane* pane : panes)
        if (Timeline* timeline = pane->timeline()) {
            timeline->seek(std::min(shown, timeline->expansions()));
            pane->refresh();
        }
    {
        const QSignalBlocker quiet(slider);
        slider->setValue(shown);
    }
    if (shown >= longest())
        ticking.stop();
    showPanel();
    showStatus();
}

void ComparisonView::tick()
{
    // What is due since the last frame, whatever the timer's lateness: a slow frame skips ahead
    // rather than falling behind.
    owed += static_cast<double>(sinceTick.restart()) * speed() / 1000.0;
    const auto due = static_cast<int>(std::floor(owed));
    if (due == 0)
        return;
    owed -= due;
    seek(shown + due);
}

void ComparisonView::togglePlaying()
{
    if (ticking.isActive()) {
        ticking.stop();
    } else {
        if (shown >= longest())
            seek(0);
        owed = 0;
        sinceTick.start();
        ticking.start();
    }
    showStatus();
}

void ComparisonView::stepBy(int expansions)
{
    ticking.stop();
    seek(shown + expansions);
}

void ComparisonView::ringForward()
{
    ticking.stop();
    const Timeline* timeline = selectedPane() ? selectedPane()->timeline() : nullptr;
    if (timeline && shown < timeline->expansions())
        seek(timeline->nextStop());
    else
        seek(shown + std::max(1, (longest() + 9) / 10));
}

void ComparisonView::ringBack()
{
    ticking.stop();
    const Timeline* timeline = selectedPane() ? selectedPane()->timeline() : nullptr;
    if (timeline && shown <= timeline->expansions())
        seek(timeline->previousStop());
    else
        seek(shown - std::max(1, (longest() + 9) / 10));
}

void ComparisonView::toStart() { stepBy(-shown); }

void ComparisonView::toEnd() { stepBy(longest() - shown); }

void ComparisonView::faster()
{
    speedIndex = std::min(speedIndex + 1, Speeds.size() - 1);
    showStatus();
}

void ComparisonView::slower()
{
    speedIndex = speedIndex > 0 ? speedIndex - 1 : 0;
    showStatus();
}

void ComparisonView::toggleArrows()
{
    arrows = !arrows;
    for (ComparePane* pane : panes)
        pane->setArrows(arrows);
}

void ComparisonView::showPanel()
{
    const ComparePane* pane = selectedPane();
    const Timeline* timeline = pane ? pane->timeline() : nullptr;
    if (!timeline) {
        code->setText(pane ? pane->title() : QString());
        frontier->clear();
    } else {
        const QStringList lines = Pseudocode::linesOf(*searches[selected].method);
        const int current = Pseudocode::lineAt(timeline->moment());
        QString html = QStringLiteral("<b>%1</b><pre style=\"font-size:%2px\">")
                           .arg(pane->title().toHtmlEscaped())
                           .arg(code->font().pixelSize());
        for (int line = 0; line < lines.size(); ++line) {
            const QString text = lines[line].toHtmlEscaped();
            html +=
                line == current
                    ? QStringLiteral("<span style=\"background-color:#6a1b9a; color:#ffffff\">%1</span>\n")
                          .arg(text)
                    : text + QLatin1Char('\n');
        }
        code->setText(html + QStringLiteral("</pre>"));
        const Routeseer::Exploration& record = timeline->record();
        QStringList listed{
            QStringLiteral("Frontier, next out first (%1 squares):").arg(timeline->frontierSize())};
        for (const Routeseer::SquareNumber square :
             timeline->frontierFirst(FrontierShown, searches[selected].order))
            listed << QStringLiteral("  %1  cost %2  from %3")
                          .arg(squareText(record, square))
                          .arg(static_cast<double>(timeline->cost(square)), 0, 'f', 1)
                          .arg(timeline->parent(square) == Routeseer::NoSquare
                                   ? QStringLiteral("-")
                                   : squareText(record, timeline->parent(square)));
        frontier->setText(listed.join(QLatin1Char('\n')));
    }
    const bool atEnd = shown >= longest();
    if (atEnd)
        fillTable();
    table->setVisible(atEnd);
}

void ComparisonView::showStatus()
{
    statusLine->setText(QStringLiteral("expansion %1 of %2 \u00b7 %3 a second \u00b7 %4")
                            .arg(shown)
                            .arg(longest())
                            .arg(speed())
                            .arg(ticking.isActive() ? QStringLiteral("playing") : QStringLiteral("paused")));
}

QString ComparisonView::status() const { return statusLine->text(); }

void ComparisonView::fillTable()
{
    const QStringList lines = figuresTable().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    table->setRowCount(int(lines.size()) - 1);
    for (int row = 1; row < lines.size(); ++row) {
        const QStringList cells = lines[row].split(QLatin1Char('\t'));
        // The pane's title, then the figures; the search's and the rule's names are in the title.
        const QStringList shownCells{cells[0], cells[3], cells[4], cells[5], cells[6], cells[7]};
        for (int column = 0; column < shownCells.size(); ++column) {
            auto* item = new QTableWidgetItem(shownCells[column]);
            if (column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row - 1, column, item);
        }
    }
    // Every row in sight, no scrolling, the rest left to the maps.
    table->resizeRowsToContents();
    int rowsHeight = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int row = 0; row < table->rowCount(); ++row)
        rowsHeight += table->rowHeight(row);
    table->setFixedHeight(rowsHeight);
}

QString ComparisonView::figuresTable() const
{
    QString text =
        QStringLiteral("pane\tsearch\tmoves\texpanded\tdiscovered\tlargest frontier\troute steps\tcost\n");
    for (int index = 0; index < Panes; ++index) {
        const Search& search = searches[index];
        if (!search.method)
            continue;
        QStringList cells{panes[index]->title(), textOf(*search.method), textOf(search.moves)};
        if (const Timeline* timeline = panes[index]->timeline()) {
            const Routeseer::ExplorationFigures figures = Routeseer::figuresOf(timeline->record());
            cells << QString::number(figures.expanded) << QString::number(figures.discovered)
                  << QString::number(figures.largestFrontier)
                  << (figures.found ? QString::number(figures.routeSteps) : QStringLiteral("none"))
                  << (figures.found ? QString::number(figures.routeCost, 'f', 3) : QStringLiteral("none"));
        } else {
            cells << QStringLiteral("refused") << QString() << QString() << QString() << QString();
        }
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

void ComparisonView::copyFigures() const { QApplication::clipboard()->setText(figuresTable()); }
