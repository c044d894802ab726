// Undo and redo of the walls from the keyboard, and the end of a mouse stroke.
#include "app/form1.h"
#include "document/mapdocument.h"

// The running animations are finished first, as Esc does, so that the clean picture of the walls
// put back is never painted over.
void Form1::undoWalls()
{
    map->animations().finishAll();
    if (map->undo())
        Command3_Click();
}

void Form1::redoWalls()
{
    map->animations().finishAll();
    if (map->redo())
        Command3_Click();
}

void Form1::endStroke() { map->endStroke(); }
