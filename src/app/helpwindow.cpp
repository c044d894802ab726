// The help page is a document of its own (help.html, in the program's resources); the colour
// swatches and the key table are made from the program's own colours and keys as it opens.
#include "app/helpwindow.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStringList>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "app/form1.h"
#include "app/windowkeys.h"
#include "picture/cellpainters.h"
#include "picture/mapgeometry.h"
#include "picture/resultpainter.h"

namespace {

constexpr int PageWidth = 520;
constexpr QSize SwatchSize{30, 16};
// Enough ring places for two whole bands, so the fall back to black shows.
constexpr int BandPlaces = 600;

// A swatch in the picture's own colours: the colour inside a black grid line, like a square.
QImage swatch(QRgb colour)
{
    QImage image(SwatchSize, QImage::Format_RGB32);
    image.fill(MapView::GridColour);
    QPainter(&image).fillRect(QRect(QPoint(1, 1), SwatchSize - QSize(2, 2)), QColor(colour));
    return image;
}

// The ring shades of the first BandPlaces squares the search reaches, left to right.
QImage ringBand()
{
    QImage image(SwatchSize.width() * 4, SwatchSize.height(), QImage::Format_RGB32);
    image.fill(MapView::GridColour);
    QPainter painter(&image);
    const int inside = image.width() - 2;
    for (int x = 0; x < inside; ++x) {
        const int place = x * BandPlaces / inside;
        painter.fillRect(1 + x, 1, 1, image.height() - 2,
                         QColor(CellPainters::ringColour(ResultPainter::ringShade(place))));
    }
    return image;
}

QString keyRows()
{
    QString rows;
    for (const WindowKey& key : windowKeys()) {
        QStringList names;
        for (const QKeySequence& keys : key.keys)
            names << keys.toString(QKeySequence::NativeText).toHtmlEscaped();
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>\n")
                    .arg(names.join(QStringLiteral(" or ")), QString::fromUtf8(key.does).toHtmlEscaped());
    }
    return rows;
}

QTextBrowser* helpPage()
{
    auto* page = new QTextBrowser;
    page->setObjectName(QStringLiteral("helpPage"));
    page->setFrameShape(QFrame::NoFrame);
    page->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QTextDocument* document = page->document();
    const struct {
        const char* name;
        QImage image;
    } swatches[] = {
        {"wall", swatch(MapView::WallColour)},     {"open", swatch(MapView::Background)},
        {"marker", swatch(MapView::MarkerColour)}, {"rings", ringBand()},
        {"route", swatch(MapView::RouteColour)},
    };
    for (const auto& [name, image] : swatches)
        document->addResource(QTextDocument::ImageResource,
                              QUrl(QStringLiteral("swatch:%1").arg(QLatin1String(name))), image);
    QFile html(QStringLiteral(":/help.html"));
    html.open(QIODevice::ReadOnly);
    page->setHtml(QString::fromUtf8(html.readAll()).replace(QLatin1String("<!--keys-->"), keyRows()));
    return page;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("Help - routeseer"));
    QTextBrowser* page = helpPage();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);

    // The whole page where the screen is tall enough, else as much as fits, scrolled; placed in the
    // middle of the screen's free area, so that no part of the window falls off it.
    // Measured on a copy: the page itself keeps setting its text's width to its own.
    const int textWidth = PageWidth - page->verticalScrollBar()->sizeHint().width();
    const std::unique_ptr<QTextDocument> measured(page->document()->clone());
    measured->setDefaultFont(page->font());
    measured->setTextWidth(textWidth);
    const int pageHeight = static_cast<int>(measured->size().height());
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, PageWidth, pageHeight);
    // The window manager's frame and title take some of the room too.
    constexpr int FrameRoom = 60;
    QRect placed(QPoint(), QSize(PageWidth, std::min(pageHeight, room.height() - FrameRoom)));
    placed.moveCenter(room.center());
    setGeometry(placed);

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
