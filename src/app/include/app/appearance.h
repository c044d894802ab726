// The look the window's fixed layout is measured for, the same on every machine: Qt's Fusion
// style and a small condensed sans font, application-wide.
#pragma once

#include <QFont>

// DejaVu Sans Condensed (Debian's fonts-dejavu-extra) at 10 pixels: the longest check box text
// and the three-line instructions fit their controls with a few pixels to spare.
inline constexpr const char* ApplicationFontFamily = "DejaVu Sans Condensed";
inline constexpr int ApplicationFontPixels = 10;

QFont applicationFont();

// Rounds a screen's scale to a whole number, so that each map pixel becomes an equal square block
// of device pixels; call before the application object exists.
void chooseScreenScaling();

// Has Qt send the window's pixels to an X server as plain image transfers; call before the
// application object exists. A person's own choice in the environment wins.
void chooseScreenTransfer();

// Sets the style and the font for every window; call once the application object exists.
void applyAppearance();
