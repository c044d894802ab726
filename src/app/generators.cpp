// Random noise, random blocks, map inversion and the wall reset.
#include "app/form1.h"
#include "document/mapdocument.h"

void Form1::noise_Click() { map->noise(); }

void Form1::blocks_Click() { map->blocks(); }

void Form1::invert_Click() { map->invert(); }

void Form1::Command2_Click()
{
    Form_Load();
    Command3_Click();
}

void Form1::Clearwalls_Click() { Command2_Click(); }
