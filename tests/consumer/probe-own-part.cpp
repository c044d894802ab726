// Compiles for a project that links routeseer::core.
#include "map/routeseer.h"

int main() { return Routeseer::GridSide == 101 ? 0 : 1; }
