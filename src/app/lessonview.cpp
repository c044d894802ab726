#include "app/lessonview.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "app/comparisonview.h"
#include "app/distancelegend.h"
#include "app/form1.h"
#include "app/lessonpicture.h"
#include "app/mapmouse.h"
#include "document/mapdocument.h"
#include "search/exploration.h"

namespace {

// The line changes with every step; a few times a second is as fast as anyone reads.
constexpr int StatusMilliseconds = 150;

} // namespace

LessonView::LessonView(Form1& window)
    : QWidget(&window, Qt::Window), form(window), document(window.document())
{
    setObjectName(QStringLiteral("lessonView"));
    setWindowTitle(QStringLiteral("Lesson view - routeseer"));
    map = new LessonPicture(document);
    statusLine = new QLabel;
    statusLine->setObjectName(QStringLiteral("lessonStatus"));
    statusLine->setWordWrap(true);
    legend = new DistanceLegend;
    legend->hide();
    auto* live = new QWidget;
    auto* layout = new QVBoxLayout(live);
    layout->setContentsMargins({});
    layout->addWidget(map, 1);
    layout->addWidget(legend);
    layout->addWidget(statusLine);
    pages = new QStackedWidget;
    pages->addWidget(live);
    (new QVBoxLayout(this))->addWidget(pages);
    new MapMouse(window, *map, [this](QPoint point) -> std::optional<QPoint> {
        const QPoint inside = point - map->mapArea().topLeft();
        if (inside.x() < 0 || inside.y() < 0)
            return std::nullopt;
        const QPoint square(inside.x() / map->squareSize(), inside.y() / map->squareSize());
        if (square.x() > Routeseer::GridLast || square.y() > Routeseer::GridLast)
            return std::nullopt;
        return square;
    });

    createKeys(window);
    connect(&document, &MapDocument::stepped, this, &LessonView::stepped);
    connect(&document.animations(), &AnimationControl::changed, this, &LessonView::showStatus);
    connect(&document, &MapDocument::searched, this, &LessonView::searched);
    searched(document.lastSearch());
    showStatus();

    // Two thirds of the screen's height, square but for the lines below the map.
    if (const QScreen* screen = window.screen()) {
        const QRect room = screen->availableGeometry();
        const int side = room.height() * 2 / 3;
        QRect placed(QPoint(), QSize(side, side + 3 * statusLine->fontMetrics().height()));
        placed.moveCenter(room.center());
        setGeometry(placed);
    }
}

void LessonView::createKeys(Form1& window)
{
    // The window's keys that mean more here: on the comparison they drive its replay.
    const QKeySequence space(Qt::Key_Space), right(Qt::Key_Right), escapeKey(Qt::Key_Escape),
        copy(Qt::CTRL | Qt::Key_C);
    window.addWindowKeys(this, {escapeKey, space, right, copy});
    const auto key = [this](const QList<QKeySequence>& keys, auto onMap, auto onComparison) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, [this, onMap, onComparison] {
            if (comparing())
                onComparison(*comparison);
            else
                onMap();
        });
    };
    const auto nothing = [] {};
    const auto none = [](ComparisonView&) {};
    key(
        {QKeySequence(Qt::Key_F11)}, [this] { toggleFullScreen(); },
        [this](ComparisonView&) { toggleFullScreen(); });
    key(
        {escapeKey}, [this] { escape(); }, [this](ComparisonView&) { escape(); });
    key(
        {QKeySequence(Qt::Key_D)}, [this] { toggleDistanceShades(); }, none);
    key(
        {QKeySequence(Qt::Key_C)}, [this] { showComparison(true); },
        [this](ComparisonView&) { showComparison(false); });
    key(
        {QKeySequence(Qt::Key_G)}, [&window] { window.Command1_Click(); },
        [](ComparisonView& view) { view.searchAgain(); });
    key(
        {space},
        [this] {
            if (document.animations().running())
                form.pauseAnimation();
        },
        [](ComparisonView& view) { view.togglePlaying(); });
    key(
        {right},
        [this] {
            if (document.animations().paused())
                form.stepAnimation();
        },
        [](ComparisonView& view) { view.stepBy(1); });
    key(
        {copy}, [this] { form.copyPicture(); }, [](ComparisonView& view) { view.copyFigures(); });
    key({QKeySequence(Qt::Key_Left)}, nothing, [](ComparisonView& view) { view.stepBy(-1); });
    key({QKeySequence(Qt::Key_PageDown)}, nothing, [](ComparisonView& view) { view.ringForward(); });
    key({QKeySequence(Qt::Key_PageUp)}, nothing, [](ComparisonView& view) { view.ringBack(); });
    key({QKeySequence(Qt::Key_Home)}, nothing, [](ComparisonView& view) { view.toStart(); });
    key({QKeySequence(Qt::Key_End)}, nothing, [](ComparisonView& view) { view.toEnd(); });
    key({QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal)}, nothing,
        [](ComparisonView& view) { view.faster(); });
    key({QKeySequence(Qt::Key_Minus)}, nothing, [](ComparisonView& view) { view.slower(); });
    key({QKeySequence(Qt::Key_A)}, nothing, [](ComparisonView& view) { view.toggleArrows(); });
    for (int pane = 0; pane < ComparisonView::Panes; ++pane)
        key({QKeySequence(Qt::Key_1 + pane)}, nothing, [pane](ComparisonView& view) { view.select(pane); });
}

bool LessonView::comparing() const { return comparison && pages->currentWidget() == comparison; }

void LessonView::showComparison(bool on)
{
    if (on && !comparison) {
        comparison = new ComparisonView(form);
        pages->addWidget(comparison);
    }
    pages->setCurrentIndex(on ? 1 : 0);
    if (!on && comparison && comparison->playing())
        comparison->togglePlaying();
}

void LessonView::toggleFullScreen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

// Esc first leaves full screen; otherwise it finishes the animations, as in the main window.
void LessonView::escape()
{
    if (isFullScreen())
        showNormal();
    else
        document.animations().finishAll();
}

void LessonView::toggleDistanceShades()
{
    map->setDistanceShades(!map->distanceShades());
    legend->setVisible(map->distanceShades());
}

void LessonView::resizeEvent(QResizeEvent* event)
{
    // Large enough to read across a classroom: about a thirty-sixth of the window's height.
    QFont font = statusLine->font();
    font.setPixelSize(std::max(14, height() / 36));
    statusLine->setFont(font);
    legend->setFont(font);
    // Room for two lines whatever the line says, so that a longer text never shrinks the map,
    // which would then be drawn anew at every change of the text.
    statusLine->setFixedHeight(2 * QFontMetrics(font).lineSpacing() + 2);
    QWidget::resizeEvent(event);
}

void LessonView::stepped(const ResultPainter::Step& step)
{
    moment.shownOne = true;
    // The line changes at once where the animation starts another of its stretches.
    auto stretch = [this](const ResultPainter::Step& at) {
        return at.part == ResultPainter::Part::Route ? 2 : at.index > moment.queueTail ? 1 : 0;
    };
    const bool newStretch = stretch(step) != stretch({moment.part, moment.index, false}) || step.index == 0;
    moment.part = step.part;
    moment.index = step.index;
    if (newStretch || !sinceStatus.isValid() || sinceStatus.elapsed() >= StatusMilliseconds)
        showStatus();
}

QString LessonView::status() const { return statusLine->text(); }

void LessonView::searched(const std::shared_ptr<const Routeseer::Exploration>& record)
{
    const Routeseer::ExplorationFigures figures = Routeseer::figuresOf(*record);
    moment.queueTail = std::max<int>(0, ResultPainter::Result(*record).filledEntries() - 1);
    moment.routeFound = figures.found;
    moment.routeLength = static_cast<int>(figures.routeSteps);
    moment.squaresReached = static_cast<int>(figures.discovered);
    legend->searched(record);
    showStatus();
}

void LessonView::showStatus()
{
    const AnimationControl& animations = document.animations();
    moment.running = animations.running();
    moment.shownOne = moment.shownOne || moment.running;
    moment.paused = animations.paused();
    moment.delayms = animations.delay();
    statusLine->setText(lessonStatus(moment));
    sinceStatus.start();
}

void Form1::showLessonView()
{
    if (!lesson)
        lesson = new LessonView(*this);
    lesson->show();
    lesson->raise();
    lesson->activateWindow();
}
