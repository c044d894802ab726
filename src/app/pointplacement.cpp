// Moving the start and the finish with the four bars around the map.
#include <QAction>
#include <QScrollBar>

#include "app/form1.h"

namespace {

// The bars' range lies within 0..100, so every value fits a byte.
std::uint8_t coordinateOf(const QScrollBar& bar) { return static_cast<std::uint8_t>(bar.value()); }

} // namespace

// Every move of a bar starts again from the default map, then takes the bar's value.
void Form1::HScroll1_Change()
{
    Command2_Click();
    startpoint.x = coordinateOf(*HScroll1);
}

void Form1::HScroll2_Change()
{
    Command2_Click();
    startpoint.y = coordinateOf(*HScroll2);
}

void Form1::VScroll1_Change()
{
    Command2_Click();
    finishpoint.y = coordinateOf(*VScroll1);
}

void Form1::VScroll2_Change()
{
    Command2_Click();
    finishpoint.x = coordinateOf(*VScroll2);
}

void Form1::movepoints_Click()
{
    // A click in the menu has already flipped Qt's own check mark by the time this runs; the bars
    // still show the mark as it was before the click, and the two always change together.
    const bool ticked = !HScroll1->isHidden();
    if (!ticked) {
        showpointbars(::Routeseer::True);
        movepoints->setChecked(true);
    } else {
        showpointbars(::Routeseer::False);
        movepoints->setChecked(false);
    }
}

void Form1::showpointbars(const std::int16_t& visible)
{
    for (QScrollBar* bar : {VScroll1, VScroll2, HScroll1, HScroll2})
        bar->setVisible(visible != ::Routeseer::False);
}
