// Wall drawing with the mouse and the distance readout that follows the pointer.
#include "app/form1.h"

void Form1::Picture1_MouseMove(std::int16_t /*Button*/, std::int16_t /*Shift*/, float /*X*/, float /*Y*/)
{
    // Not built yet.
}

void Form1::Check1_Click()
{
    // Not built yet.
}
