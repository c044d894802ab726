// Putting the map on the picture: the start-up load (run again by every map reset) and the clean
// redraw that wipes paths and rings, with the grid, marker and wall drawing they share.
#include <QScrollBar>

#include "app/form1.h"
#include "app/mapfileboxes.h"
#include "document/mapdocument.h"
#include "platform/platform.h"
#include "storage/programfiles.h"

namespace {

::Routeseer::PathStep pointFromBars(const QScrollBar& column, const QScrollBar& row)
{
    // The bars' range lies within 0..100, so both values fit a byte.
    return {static_cast<std::uint8_t>(column.value()), static_cast<std::uint8_t>(row.value())};
}

} // namespace

void Form1::drawGrid() { map->drawGrid(); }

void Form1::paintMarkers() { map->paintMarkers(startpoint, finishpoint); }

void Form1::paintWalls() { map->paintWalls(); }

void Form1::loadDefaultMap()
{
    // A broken default map (a teacher's cut short, say) is named in its box and passed over for the
    // next one, so a reset never leaves a map of walls.
    std::vector<std::string> candidates = ProgramFiles::mapPaths(ProgramFiles::DefaultMapName);
    if (candidates.empty()) // its box names the missing file
        candidates.push_back(ProgramFiles::path(ProgramFiles::DefaultMapName));
    for (const std::string& candidate : candidates)
        if (MapFileBoxes::load(*map, candidate))
            return;
}

void Form1::Form_Load()
{
    delayms = 0;
    show();
    Platform::processEvents();
    drawGrid();
    startpoint = pointFromBars(*HScroll1, *HScroll2);
    finishpoint = pointFromBars(*VScroll2, *VScroll1);
    // Markers go on before the walls, so a start or finish on a wall shows as a wall.
    paintMarkers();
    // A save killed in an earlier run left its temporary file; none of this run's is under way yet.
    ProgramFiles::clearLeftovers();
    loadDefaultMap();
    // Nothing of this search is drawn and nothing of it reported: it fills the distances that the
    // readout shows.
    map->search(startpoint, finishpoint);
    paintWalls();
}

void Form1::Command3_Click() { map->paintCleanMap(startpoint, finishpoint); }

void Form1::clearpaths_Click() { Command3_Click(); }
