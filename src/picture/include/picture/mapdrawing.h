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

} // namespace MapDrawing
