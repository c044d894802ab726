// The window caption after the title: the figures of the last search, and whether the animation
// waits, paused, for the user.
#include <chrono>

#include "app/form1.h"
#include "app/groupednumber.h"
#include "document/mapdocument.h"
#include "platform/platform.h"
#include "search/searchstats.h"

namespace {

QString counted(long long number, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(groupedNumber(number), QString::fromLatin1(number == 1 ? one : many));
}

} // namespace

void Form1::showSearchInCaption()
{
    using namespace ::Routeseer;
    const auto micro = std::chrono::round<std::chrono::microseconds>(searchtime).count();
    const QString route = PathSteps.empty()
                              ? QStringLiteral("no route")
                              : QStringLiteral("route %1").arg(counted(pathlength, "step", "steps"));
    lastSearch =
        QStringLiteral("%1 reached, search %2 \u00b5s, %3")
            .arg(counted(squaresReached(startpoint), "square", "squares"), groupedNumber(micro), route);
    refreshCaption();
}

void Form1::refreshCaption()
{
    QString caption = QStringLiteral("%1 - routeseer").arg(QString::fromUtf8(Platform::ApplicationTitle));
    if (!lastSearch.isEmpty())
        caption += QStringLiteral(" \u2014 ") + lastSearch;
    if (map->animations().paused())
        caption += QStringLiteral(" (paused)");
    setWindowTitle(caption);
}
