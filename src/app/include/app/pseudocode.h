// The few lines of a search's pseudocode the lesson view's comparison shows, and the line the
// replay is at: every search here is the same loop, told apart by which square it takes from its
// frontier and what it puts back.
#pragma once

#include <QStringList>

#include "search/timeline.h"
#include "searches/methods.h"

namespace Pseudocode {

QStringList linesOf(Searches::Method method);
// The line that the moment of the replay carries out.
int lineAt(Routeseer::Timeline::Moment moment);

} // namespace Pseudocode
