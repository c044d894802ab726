// Saving the map under a typed name and loading one from the list of map files: in the program
// folder, or beside it in the user's own maps folder where the program folder cannot be written.
#include <QListWidget>
#include <QPushButton>

#include "app/form1.h"
#include "app/mapfileboxes.h"
#include "document/mapnames.h"
#include "platform/platform.h"
#include "platform/qtboxes.h"
#include "storage/programfiles.h"

namespace {

// Each entry shows a map's file name and keeps the file it loads from.
constexpr int MapPathRole = Qt::UserRole;

// Reads the map files into the list again, keeping the chosen entry chosen if its file is still
// there.
void refillLoadList(QListWidget& list)
{
    const QList<QListWidgetItem*> chosen = list.selectedItems();
    const QString kept = chosen.isEmpty() ? QString() : chosen.front()->text();
    list.clear();
    for (const ProgramFiles::ListedMap& map : ProgramFiles::listedMaps()) {
        auto* entry = new QListWidgetItem(MapNames::shown(map.name), &list);
        entry->setData(MapPathRole, QByteArray::fromStdString(map.path));
    }
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
    if (const QString refusal = MapFileBoxes::refusal(name, ProgramFiles::saveFolder()); !refusal.isEmpty()) {
        Platform::showMessage(refusal.toStdString());
        return;
    }
    MapFileBoxes::saveAs(*map, name + QLatin1String(ProgramFiles::MapExtension));
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
    const QList<QListWidgetItem*> chosen = File1->selectedItems();
    if (chosen.isEmpty())
        return;
    const QString name = chosen.front()->text();
    Platform::showMessage(
        QStringLiteral("Attempted to load %1.").arg(Platform::fitForBox(name)).toStdString());
    // The new walls go over the old picture: walls that the new map opens stay painted until the
    // picture is redrawn. A failed load has shown its box and left the map as it was.
    if (MapFileBoxes::load(*map, chosen.front()->data(MapPathRole).toByteArray().toStdString()))
        paintWalls();
}

void Form1::Save_Click() { Command4_Click(); }

void Form1::Load_Click() { Command5_Click(); }
