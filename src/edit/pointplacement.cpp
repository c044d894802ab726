// Moving the start and the finish with the four bars around the map.
#include "app/form1.h"

void Form1::HScroll1_Change()
{
    // Not built yet.
}

void Form1::HScroll2_Change()
{
    // Not built yet.
}

void Form1::VScroll1_Change()
{
    // Not built yet.
}

void Form1::VScroll2_Change()
{
    // Not built yet.
}

void Form1::movepoints_Click()
{
    // Not built yet.
}

void Form1::showpointbars(const std::int16_t& /*visible*/)
{
    // Not built yet.
}
