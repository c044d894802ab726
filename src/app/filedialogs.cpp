// Saving the map under a typed name and loading one from the list of map files.
#include "app/form1.h"

void Form1::Command4_Click()
{
    // Not built yet.
}

void Form1::Command5_Click()
{
    // Not built yet.
}

void Form1::Command6_Click()
{
    // Not built yet.
}

void Form1::File1_DblClick()
{
    // Not built yet.
}

void Form1::Save_Click()
{
    // Not built yet.
}

void Form1::Load_Click()
{
    // Not built yet.
}
