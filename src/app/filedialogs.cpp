// Saving the map under a typed name and loading one from the list of map files, both in the
// program folder.
#include <QListWidget>
#include <QPushButton>

#include "app/form1.h"
#include "app/mapnames.h"
#include "app/programfiles.h"
#include "edit/wallundo.h"
#include "platform/platform.h"
#include "platform/qtboxes.h"

namespace {

// Reads the program folder's map files into the list again, keeping the chosen entry chosen if
// its file is still there.
void refillLoadList(QListWidget& list)
{
    const QList<QListWidgetItem*> chosen = list.selectedItems();
    const QString kept = chosen.isEmpty() ? QString() : chosen.front()->text();
    list.clear();
    list.addItems(MapNames::inFolder(ProgramFiles::folder()));
    if (kept.isEmpty())
        return;
    if (const QList<QListWidgetItem*> found = list.findItems(kept, Qt::MatchExactly); !found.isEmpty())
        list.setCurrentItem(found.front());
}

void showLoadList(Form1& window, bool visible)
{
    window.File1->setVisible(visible);
    window.Command6->setVisible(visible);
}

} // namespace

void Form1::Command4_Click()
{
    if (!Platform::askYesNo(QStringLiteral("Are you sure you want to save this map?"),
                            QStringLiteral("Save map?")))
        return;
    const QSize screen = Platform::screenSize();
    const QString name =
        Platform::askText(QStringLiteral("Enter a name for your map:"), QStringLiteral("Enter map name"),
                          QString(), {screen.width() / 2, screen.height() / 2});
    // Cancel gives an empty name: like a blank one, it saves nothing.
    if (name.trimmed().isEmpty())
        return;
    if (const QString refusal = MapNames::refusal(name); !refusal.isEmpty()) {
        Platform::showMessage(refusal.toStdString());
        return;
    }
    ProgramFiles::saveMap(ProgramFiles::path(name + QLatin1String(MapNames::Extension)));
    refillLoadList(*File1);
}

void Form1::Command5_Click()
{
    refillLoadList(*File1);
    showLoadList(*this, true);
}

void Form1::Command6_Click() { showLoadList(*this, false); }

void Form1::File1_DblClick()
{
    const WallHistory::Recording recording(*wallHistory);
    const QList<QListWidgetItem*> chosen = File1->selectedItems();
    if (chosen.isEmpty())
        return;
    const QString name = chosen.front()->text();
    Platform::showMessage(QStringLiteral("Attempted to load %1.").arg(name).toStdString());
    // The new walls go over the old picture: walls that the new map opens stay painted until the
    // picture is redrawn. A failed load has shown its box and left the map as it was.
    if (ProgramFiles::loadMap(ProgramFiles::path(name)))
        paintWalls();
}

void Form1::Save_Click() { Command4_Click(); }

void Form1::Load_Click() { Command5_Click(); }
