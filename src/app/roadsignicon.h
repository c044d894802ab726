// The window's icon: a yellow diamond road sign with a black turning arrow.
#pragma once

#include <QIcon>
#include <QImage>

// The sign drawn `side` pixels square on a transparent ground.
QImage roadSignImage(int side);

// The sign at the sizes desktops ask for, 16 x 16 and 32 x 32 among them.
QIcon roadSignIcon();
