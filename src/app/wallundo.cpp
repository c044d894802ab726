// Undo and redo of the walls from the keyboard, and the end of a mouse stroke.
#include "app/form1.h"
#include "document/wallhistory.h"

void Form1::undoWalls()
{
    if (wallHistory->undo())
        Command3_Click();
}

void Form1::redoWalls()
{
    if (wallHistory->redo())
        Command3_Click();
}

void Form1::endStroke() { wallHistory->strokeEnded(); }
