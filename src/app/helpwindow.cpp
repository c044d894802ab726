#include "app/helpwindow.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStringList>
#include <QVBoxLayout>
#include <algorithm>

#include "app/form1.h"
#include "app/windowkeys.h"
#include "picture/cellpainters.h"
#include "picture/mapdrawing.h"
#include "picture/mapgeometry.h"

namespace {

constexpr int TextWidth = 480;
constexpr QSize SwatchSize{30, 16};
// Enough ring places for two whole bands, so the fall back to black shows.
constexpr int BandPlaces = 600;

// A swatch in the picture's own colours: the colour inside a black grid line, like a square.
QPixmap swatch(QRgb colour)
{
    QPixmap pixmap(SwatchSize);
    pixmap.fill(QColor(MapView::GridColour));
    QPainter(&pixmap).fillRect(QRect(QPoint(1, 1), SwatchSize - QSize(2, 2)), QColor(colour));
    return pixmap;
}

// The ring shades of the first BandPlaces squares the search reaches, left to right.
QPixmap ringBand()
{
    QPixmap pixmap(SwatchSize.width() * 4, SwatchSize.height());
    pixmap.fill(QColor(MapView::GridColour));
    QPainter painter(&pixmap);
    const int inside = pixmap.width() - 2;
    for (int x = 0; x < inside; ++x) {
        const int place = x * BandPlaces / inside;
        painter.fillRect(1 + x, 1, 1, pixmap.height() - 2,
                         QColor(CellPainters::ringColour(MapDrawing::ringShade(place))));
    }
    return pixmap;
}

QLabel* paragraph(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* heading(const char* text)
{
    auto* label = new QLabel(QString::fromUtf8(text));
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* picture(const QPixmap& pixmap)
{
    auto* label = new QLabel;
    label->setPixmap(pixmap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QGridLayout* colourLegend()
{
    const struct {
        QPixmap sample;
        const char* meaning;
    } rows[] = {
        {swatch(MapView::WallColour), "Wall"},
        {swatch(MapView::Background), "Open square"},
        {swatch(MapView::MarkerColour), "Start and finish"},
        {ringBand(),
         "Distance rings: the squares in the order the search reached them, red rising from black with each "
         "square and falling back to black every 255 squares, so a band is 255 discoveries, not one "
         "distance"},
        {swatch(MapView::RouteColour), "Route"},
    };
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    for (int row = 0; row < int(std::size(rows)); ++row) {
        grid->addWidget(picture(rows[row].sample), row, 0);
        grid->addWidget(paragraph(QString::fromUtf8(rows[row].meaning)), row, 1);
    }
    return grid;
}

QGridLayout* keyList()
{
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    int row = 0;
    for (const WindowKey& key : windowKeys()) {
        QStringList names;
        for (const QKeySequence& keys : key.keys)
            names << keys.toString(QKeySequence::NativeText);
        grid->addWidget(paragraph(names.join(QStringLiteral(" or "))), row, 0);
        grid->addWidget(paragraph(QString::fromUtf8(key.does)), row, 1);
        ++row;
    }
    return grid;
}

const char* const Spreading =
    "From the start the search floods the map one step at a time, over all eight neighbours of every "
    "square it reaches; a diagonal step counts one, like any other. It stops when it finds the finish, "
    "then walks back to the start, each time taking the first neighbour one step nearer in this order: "
    "upper left (NW), left (W), lower left (SW), down (S), lower right (SE), right (E), upper right (NE), "
    "up (N). Among equally short routes it so always takes the same one, bent towards the upper left as "
    "seen from the finish.";

const char* const Corners =
    "A diagonal step between two walls that touch only at their corners is allowed: the "
    "search squeezes through.";

const char* const Surprises[] = {
    "After a search the start reads distance 2 in the distance box, not 0: the flood finds the start "
    "again from its neighbours.",
    "Loading a map paints its walls over the current picture: walls the new map does not have stay "
    "painted until the next clean redraw.",
    "Moving a start or finish bar reloads the default map first: drawn, generated and loaded walls are "
    "discarded (Ctrl+Z brings them back), and the delay returns to Normal.",
};

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("Help - routeseer"));

    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(heading("Colours"));
    layout->addLayout(colourLegend());
    layout->addSpacing(6);
    layout->addWidget(heading("How the search spreads"));
    layout->addWidget(paragraph(QString::fromUtf8(Spreading)));
    layout->addWidget(paragraph(QString::fromUtf8(Corners)));
    layout->addSpacing(6);
    layout->addWidget(heading("Keys"));
    layout->addLayout(keyList());
    layout->addSpacing(6);
    layout->addWidget(heading("What may surprise you"));
    for (const char* surprise : Surprises)
        layout->addWidget(paragraph(QString::fromUtf8(surprise)));
    layout->addStretch();
    // A widget's own size ignores how its wrapped texts grow in height as they narrow: ask the
    // layout for the height every text needs at this width.
    page->setFixedSize(TextWidth, layout->totalHeightForWidth(TextWidth));

    // The whole page where the screen is tall enough; on a smaller screen it scrolls.
    auto* scroller = new QScrollArea;
    scroller->setObjectName(QStringLiteral("helpPage"));
    scroller->setWidget(page);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(scroller);
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().height() * 9 / 10 : page->height();
    const int scrollBar = scroller->verticalScrollBar()->sizeHint().width();
    resize(page->width() + (page->height() > room ? scrollBar : 0), std::min(page->height(), room));

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void HelpWindow::closeEvent(QCloseEvent* event)
{
    // The keys of the main window work again at once, even where no window manager hands it back
    // the focus.
    if (parentWidget())
        parentWidget()->window()->activateWindow();
    QWidget::closeEvent(event);
}

void Form1::showHelp()
{
    if (!help)
        help = new HelpWindow(this);
    help->show();
    help->raise();
    help->activateWindow();
}
