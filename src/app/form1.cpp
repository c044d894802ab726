#include "app/form1.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include "document/mapdocument.h"
#include "icon/roadsignicon.h"

namespace {
// The client area below the menu bar, in pixels; no control moves or grows, so neither does it.
constexpr QSize ClientSize{777, 537};
} // namespace

Form1::Form1()
{
    setWindowIcon(roadSignIcon());
    map = new MapDocument(this);
    refreshCaption();

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ClientSize);
    setCentralWidget(client);

    createControls();
    createMenus();
    connectHandlers();
    createKeys();

    // The window takes exactly the menu bar and the client area, and starts centred on the screen.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect placed(QPoint(), size());
        placed.moveCenter(screen->availableGeometry().center());
        setGeometry(placed);
    }
}
