// Undo and redo of the walls from the keyboard, and the end of a mouse stroke.
#include "app/form1.h"
#include "document/mapdocument.h"

void Form1::undoWalls() { whenAnimationsEnd(&Form1::undoNow); }

void Form1::redoWalls() { whenAnimationsEnd(&Form1::redoNow); }

void Form1::undoNow()
{
    if (map->undo())
        Command3_Click();
}

void Form1::redoNow()
{
    if (map->redo())
        Command3_Click();
}

void Form1::endStroke() { map->endStroke(); }
