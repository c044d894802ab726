// Random noise, random blocks, map inversion and the wall reset.
#include "app/form1.h"

void Form1::noise_Click()
{
    // Not built yet.
}

void Form1::blocks_Click()
{
    // Not built yet.
}

void Form1::invert_Click()
{
    // Not built yet.
}

void Form1::Command2_Click()
{
    // Not built yet.
}

void Form1::Clearwalls_Click()
{
    // Not built yet.
}
