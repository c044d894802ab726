// The search command: search from the start to the finish, report its time and length, animate the result.
#include "app/form1.h"

void Form1::Command1_Click()
{
    // Not built yet.
}

void Form1::go_Click()
{
    // Not built yet.
}
