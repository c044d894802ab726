#include "app/lessonview.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/distancelegend.h"
#include "app/form1.h"
#include "app/lessonpicture.h"
#include "document/mapdocument.h"
#include "search/exploration.h"

namespace {

// The line changes with every step; a few times a second is as fast as anyone reads.
constexpr int StatusMilliseconds = 150;

} // namespace

LessonView::LessonView(Form1& window) : QWidget(&window, Qt::Window), document(window.document())
{
    setObjectName(QStringLiteral("lessonView"));
    setWindowTitle(QStringLiteral("Lesson view - routeseer"));
    map = new LessonPicture(document);
    statusLine = new QLabel;
    statusLine->setObjectName(QStringLiteral("lessonStatus"));
    statusLine->setWordWrap(true);
    legend = new DistanceLegend;
    legend->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(map, 1);
    layout->addWidget(legend);
    layout->addWidget(statusLine);

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
    const QKeySequence fullScreen(Qt::Key_F11), escape(Qt::Key_Escape), shades(Qt::Key_D);
    window.addWindowKeys(this, {escape});
    connect(new QShortcut(fullScreen, this), &QShortcut::activated, this, &LessonView::toggleFullScreen);
    connect(new QShortcut(escape, this), &QShortcut::activated, this, &LessonView::escape);
    connect(new QShortcut(shades, this), &QShortcut::activated, this, &LessonView::toggleDistanceShades);
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
