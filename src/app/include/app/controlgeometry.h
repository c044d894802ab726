// Where every named control of the window lies, for the scripts that drive the real program with
// real input: they read the places from the running program instead of keeping copies of them.
#pragma once

#include <QString>

class QMainWindow;

namespace ControlGeometry {

// The environment variable that names the file to write; unset, nothing is written.
inline constexpr const char* FileVariable = "ROUTESEER_CONTROL_GEOMETRY";

// Writes one line per control, "NAME X Y WIDTH HEIGHT" in pixels from the top-left corner of the
// window's inside (below its frame, above its menu bar), shown or hidden, and "menu:NAME ..." for
// each title of the menu bar. The file appears whole, under its name, once written.
bool write(const QMainWindow& window, const QString& path);

// Writes the file the environment asks for, if any.
void writeIfAsked(const QMainWindow& window);

} // namespace ControlGeometry
