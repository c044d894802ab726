// The window's keys, each a shortcut of the whole window, and which of them are live.
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <algorithm>

#include "app/form1.h"
#include "app/windowkeys.h"
#include "document/mapdocument.h"

const std::vector<WindowKey>& windowKeys()
{
    static const std::vector<WindowKey> keys = {
        {{QKeySequence(Qt::Key_Space)},
         KeyScope::WhileAnimating,
         &Form1::pauseAnimation,
         "Pauses the running animation, or lets it go on."},
        {{QKeySequence(Qt::Key_Right)},
         KeyScope::WhilePaused,
         &Form1::stepAnimation,
         "While paused: one more square of the rings or the route."},
        {{QKeySequence(Qt::Key_Escape)},
         KeyScope::WhileAnimating,
         &Form1::finishAnimations,
         "Finishes every running animation at once."},
        {{QKeySequence(Qt::CTRL | Qt::Key_Z)},
         KeyScope::Always,
         &Form1::undoWalls,
         "Undoes the last change of the walls: a stroke, noise, blocks, inversion, Clear Walls, a start or "
         "finish bar, a loaded map."},
        {{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
         KeyScope::Always,
         &Form1::redoWalls,
         "Does the change undone last again."},
        {{QKeySequence(Qt::CTRL | Qt::Key_C)},
         KeyScope::Always,
         &Form1::copyPicture,
         "Copies the map picture to the clipboard."},
        {{QKeySequence(Qt::CTRL | Qt::Key_E)},
         KeyScope::Always,
         &Form1::savePicture,
         "Saves the map picture as a PNG file."},
        {{QKeySequence(Qt::Key_F1)}, KeyScope::Always, &Form1::showHelp, "Opens this help."},
        {{QKeySequence(Qt::Key_F5)},
         KeyScope::Always,
         &Form1::showLessonView,
         "Opens the lesson view: the map as large as its own window, for a class."},
        {{QKeySequence(Qt::Key_F10)},
         KeyScope::Always,
         &Form1::openMenus,
         "Opens the first menu; the arrow keys go on from there."},
    };
    return keys;
}

void Form1::createKeys()
{
    addWindowKeys(this, {});
    connect(&map->animations(), &AnimationControl::changed, this, &Form1::animationChanged);
    animationChanged();
}

void Form1::addWindowKeys(QWidget* window, const QList<QKeySequence>& keptThere)
{
    for (const WindowKey& key : windowKeys()) {
        if (std::any_of(key.keys.begin(), key.keys.end(),
                        [&keptThere](const QKeySequence& keys) { return keptThere.contains(keys); }))
            continue;
        auto* shortcut = new QShortcut(window);
        shortcut->setKeys(key.keys);
        shortcut->setContext(Qt::WindowShortcut);
        // Held down, Space would pause and resume over and over.
        shortcut->setAutoRepeat(key.scope != KeyScope::WhileAnimating);
        connect(shortcut, &QShortcut::activated, this, key.handler);
        windowShortcuts.push_back({shortcut, key.scope});
    }
    enableKeys();
}

void Form1::enableKeys()
{
    const AnimationControl& animations = map->animations();
    for (const auto& [shortcut, scope] : windowShortcuts)
        if (shortcut)
            shortcut->setEnabled(scope == KeyScope::Always ||
                                 (scope == KeyScope::WhileAnimating && animations.running()) ||
                                 (scope == KeyScope::WhilePaused && animations.paused()));
}

void Form1::animationChanged()
{
    enableKeys();
    refreshCaption();
}

void Form1::openMenus()
{
    // The first menu opens as a click on its title opens it; the menus' texts carry no access
    // keys, so this is the keyboard's way in.
    menuBar()->setActiveAction(File->menuAction());
}
