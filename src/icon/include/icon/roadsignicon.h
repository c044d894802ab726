// The window's icon: a yellow diamond road sign with a black turning arrow.
#pragma once

#include <QIcon>
#include <QImage>
#include <array>

// The sign drawn `side` pixels square on a transparent ground.
QImage roadSignImage(int side);

// The sizes desktops ask for, 16 x 16 and 32 x 32 among them: the window's icon carries each, and
// the install puts each in the desktop's icon theme.
inline constexpr std::array RoadSignSides{16, 24, 32, 48, 64, 128, 256};

// The sign at every one of those sizes.
QIcon roadSignIcon();
