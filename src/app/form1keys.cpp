// The window's keys, each a shortcut of the whole window, and which of them are live.
#include <QShortcut>

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
    };
    return keys;
}

void Form1::createKeys()
{
    for (const WindowKey& key : windowKeys()) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(key.keys);
        shortcut->setContext(Qt::WindowShortcut);
        // Held down, Space would pause and resume over and over.
        shortcut->setAutoRepeat(key.scope != KeyScope::WhileAnimating);
        connect(shortcut, &QShortcut::activated, this, key.handler);
        windowShortcuts.push_back(shortcut);
    }
    connect(&map->animations(), &AnimationControl::changed, this, &Form1::animationChanged);
    animationChanged();
}

void Form1::animationChanged()
{
    const AnimationControl& animations = map->animations();
    for (std::size_t i = 0; i < windowShortcuts.size(); ++i) {
        const KeyScope scope = windowKeys()[i].scope;
        windowShortcuts[i]->setEnabled(scope == KeyScope::Always ||
                                       (scope == KeyScope::WhileAnimating && animations.running()) ||
                                       (scope == KeyScope::WhilePaused && animations.paused()));
    }
    refreshCaption();
}
