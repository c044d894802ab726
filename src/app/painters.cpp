// The window's cell painters: the shared painters, on the map canvas.
#include "app/form1.h"
#include "document/mapdocument.h"
#include "picture/cellpainters.h"

void Form1::colorsquare(const std::int16_t& X, const std::int16_t& Y, const std::int16_t& increment)
{
    CellPainters::colorsquare(map->picture(), X, Y, increment);
}

void Form1::colorsquaregreen(const std::int16_t& X, const std::int16_t& Y)
{
    CellPainters::colorsquaregreen(map->picture(), X, Y);
}

void Form1::colorsquareblue(const std::int16_t& X, const std::int16_t& Y)
{
    CellPainters::colorsquareblue(map->picture(), X, Y);
}

void Form1::colorsquareyellow(const std::int16_t& X, const std::int16_t& Y)
{
    CellPainters::colorsquareyellow(map->picture(), X, Y);
}
