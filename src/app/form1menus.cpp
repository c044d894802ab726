// The menu bar: four menus, thirteen items, each item connected to its handler. No item has a
// shortcut or an access key, and none carries a check mark at start.
#include <QMenu>
#include <QMenuBar>
#include <vector>

#include "app/form1.h"

namespace {

struct MenuItem {
    QAction* Form1::*action;
    const char* name;
    const char* caption;
    void (Form1::*handler)();
};

struct Menu {
    QMenu* Form1::*menu;
    const char* name;
    const char* caption;
    std::vector<MenuItem> items;
};

} // namespace

void Form1::createMenus()
{
    const Menu menus[] = {
        {&Form1::File,
         "File",
         "File",
         {{&Form1::Load, "Load", "Load Map", &Form1::Load_Click},
          {&Form1::Save, "Save", "Save Map", &Form1::Save_Click},
          {&Form1::Quit, "Quit", "Quit", &Form1::Quit_Click}}},
        {&Form1::Routeseer,
         "Routeseer",
         "Pathfind",
         {{&Form1::go, "go", "Go!", &Form1::go_Click},
          {&Form1::clearpaths, "clearpaths", "Clear Paths and Rings", &Form1::clearpaths_Click},
          {&Form1::Clearwalls, "Clearwalls", "Clear Walls", &Form1::Clearwalls_Click},
          {&Form1::movepoints, "movepoints", "Move Start/Finish", &Form1::movepoints_Click}}},
        {&Form1::extras,
         "extras",
         "Extras",
         {{&Form1::noise, "noise", "Insert random noise", &Form1::noise_Click},
          {&Form1::blocks, "blocks", "Insert random blocks", &Form1::blocks_Click},
          {&Form1::invert, "invert", "Invert Map", &Form1::invert_Click}}},
        {&Form1::delay,
         "delay",
         "Delay",
         {{&Form1::normal, "normal", "Normal", &Form1::normal_Click},
          {&Form1::Slow, "Slow", "Medium", &Form1::Slow_Click},
          {&Form1::tectonic, "tectonic", "Very Slow", &Form1::tectonic_Click}}},
    };
    for (const Menu& entry : menus) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(entry.caption));
        menu->setObjectName(QString::fromLatin1(entry.name));
        this->*entry.menu = menu;
        for (const MenuItem& item : entry.items) {
            QAction* action = menu->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            connect(action, &QAction::triggered, this, item.handler);
            this->*item.action = action;
        }
    }
    // The one item whose check mark changes: it says whether the start/finish bars are out.
    movepoints->setCheckable(true);
}
