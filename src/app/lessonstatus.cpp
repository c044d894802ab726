#include "app/lessonstatus.h"

#include "app/groupednumber.h"
#include "map/routeseer.h"

namespace {

QString result(const AnimationMoment& moment)
{
    return QStringLiteral("%1 squares reached, %2")
        .arg(groupedNumber(moment.squaresReached),
             moment.routeFound ? QStringLiteral("route %1 steps").arg(groupedNumber(moment.routeLength))
                               : QStringLiteral("no route"));
}

// The rest of the queue after its last filled entry: every entry still takes its step and its
// pause, and paints nothing, so without this the picture seems to hang.
QString emptyWalk(const AnimationMoment& moment)
{
    const long long left = Routeseer::NodeQueueSize - 1 - moment.index;
    const long long milliseconds = left * moment.delayms.value_or(0);
    const QString time = milliseconds < 1000
                             ? QStringLiteral("under a second")
                             : QStringLiteral("about %1 s").arg(groupedNumber((milliseconds + 999) / 1000));
    return QStringLiteral("Rings done. Passing the %1 queue entries the search did not fill: %2 left at this "
                          "delay. Esc finishes.")
        .arg(groupedNumber(left), time);
}

QString step(const AnimationMoment& moment)
{
    if (moment.part == ResultPainter::Part::Route)
        return QStringLiteral("Route: %1 of %2 steps")
            .arg(groupedNumber(moment.index), groupedNumber(moment.routeLength));
    if (moment.index > moment.queueTail)
        return emptyWalk(moment);
    return QStringLiteral("Rings: %1 of %2 squares painted, in the order the search reached them")
        .arg(groupedNumber(moment.index), groupedNumber(moment.queueTail));
}

} // namespace

QString lessonStatus(const AnimationMoment& moment)
{
    if (moment.running && moment.paused)
        return QStringLiteral("Paused (Space goes on, Right steps). ") + step(moment);
    if (moment.running)
        return step(moment);
    if (moment.shownOne)
        return QStringLiteral("Done: ") + result(moment) + QLatin1Char('.');
    return QStringLiteral(
        "Ready: \u201cPathfind!\u201d shows its search here. D: rings by distance. F11: full "
        "screen.");
}
