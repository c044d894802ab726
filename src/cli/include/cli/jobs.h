// The jobs of routeseer-map. Each returns the run's exit status (cli/exitstatus.h) and has
// told the person what went wrong when it is not Done.
#pragma once

#include "cli/commandline.h"
#include "cli/maptext.h"

#include <optional>

namespace Jobs {

int text(const CommandLine::Request& request);
int make(const CommandLine::Request& request);
int solve(const CommandLine::Request& request);
int compare(const CommandLine::Request& request);
int scen(const CommandLine::Request& request);
int png(const CommandLine::Request& request);

// Shared by the jobs that read a map file: loads it into MapGrid, or says why not.
bool loadMapFile(const std::string& path);
// Reads a map's text into MapGrid, and the ends it marks into `ends`; its exit status.
int readMapText(const std::string& source, MapText::Ends* ends);
// Loads the request's map, a map file or, named *.txt, a map's text, and gives the request with
// the start and the finish the text marks where --from and --to are not given, once both are
// found open; or says why not.
std::optional<CommandLine::Request> loadMap(const CommandLine::Request& request);
// Tells where `source` is not what it should be, "FILE:LINE:COLUMN: what" (line 0: the what alone);
// gives BadInput.
int problemAt(const std::string& source, const MapText::Problem& problem);
// Whether the request's start and finish are open squares of the loaded map; says which is not.
bool endsOpen(const CommandLine::Request& request);
// The window's search on the loaded map: findpath from the request's start to its finish.
// Returns whether it found a route; if not, the search's own message is on the error output.
bool search(const CommandLine::Request& request);
// Tells on the error output that a search of the searches library found no route.
void tellNoRoute(const CommandLine::Request& request);
// solve with a search of the searches library or a move rule other than the window's.
int solveWithSearches(const CommandLine::Request& request);

} // namespace Jobs
