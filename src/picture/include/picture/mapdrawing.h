// What the map picture shows and in which order it is painted: the grid, the walls, the start and
// finish, and the search's rings and route step by step. The window's redraws and animation and
// the command-line picture share these, so they paint the same pixels.
#pragma once

#include "map/routeseer.h"

class MapPicture;

namespace MapDrawing {

void drawGrid(MapPicture& picture);
// Every wall of the map, row by row.
void paintWalls(MapPicture& picture);
// The start, then the finish, in yellow.
void paintMarkers(MapPicture& picture, const Routeseer::PathStep& start, const Routeseer::PathStep& finish);

// The picture a clean redraw leaves: grid, markers, then walls over them, so a start or finish
// on a wall shows as a wall.
void paintCleanMap(MapPicture& picture, const Routeseer::PathStep& start, const Routeseer::PathStep& finish);

// The shade of the ring square at place `index` of the search queue: it climbs from black with
// every discovery and falls back to black every 255, so the bands count discoveries, not steps.
std::int16_t ringShade(int index);

// One step of the ring display: the search queue's entry `index` in its shade, unless the entry
// holds no distance (the start's first entry, or one the last search never filled). Whether it
// painted a square.
bool paintRing(MapPicture& picture, int index);
// One step of the route display: square `k` of the route in place, if the route has one. Whether
// it painted a square.
bool paintRouteSquare(MapPicture& picture, int k);

} // namespace MapDrawing
