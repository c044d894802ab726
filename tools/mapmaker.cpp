// Writes the maps that ship beside the program into the folder named on the command line.
#include <cstdio>
#include <filesystem>
#include <string>

#include "map/routeseer.h"

using namespace Routeseer;

namespace {

void fillMap(std::int16_t passable)
{
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x)
            MapGrid(x, y) = MapSquare{passable, {}};
}

// The default map: open inside, walled all round, so a search never runs off the grid.
void makeBlankMap()
{
    fillMap(Open);
    for (int i = 0; i <= GridLast; ++i) {
        MapGrid(i, 0).passable = Wall;
        MapGrid(i, GridLast).passable = Wall;
        MapGrid(0, i).passable = Wall;
        MapGrid(GridLast, i).passable = Wall;
    }
}

bool write(const std::filesystem::path& folder, const char* name)
{
    std::string why;
    if (savemap((folder / name).string(), &why))
        return true;
    std::fprintf(stderr, "mapmaker: cannot write %s: %s\n", name, why.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mapmaker FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder{argv[1]};
    makeBlankMap();
    return write(folder, "blankmap.map") ? 0 : 1;
}
