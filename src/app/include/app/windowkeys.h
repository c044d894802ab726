// The keys of the window: none sits on a menu item, and each works whichever control has the
// focus. The help window lists them from here.
#pragma once

#include <QKeySequence>
#include <QList>
#include <vector>

class Form1;

enum class KeyScope {
    Always,
    // Only while an animation runs: at other times the key does what it does to the focused
    // control (Space clicks a button or ticks a box).
    WhileAnimating,
    WhilePaused,
};

struct WindowKey {
    QList<QKeySequence> keys;
    KeyScope scope;
    void (Form1::*handler)();
    const char* does; // for a person, as the help window shows it
};

const std::vector<WindowKey>& windowKeys();
