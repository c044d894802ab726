// What a run of routeseer-map is asked to do: the job, its files and the options it takes,
// read from the command line and checked before any file is touched.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "cli/benchmarkmap.h"
#include "map/routeseer.h"
#include "searches/methods.h"

namespace CommandLine {

struct Request {
    using Run = int (*)(const Request&);
    QString job;                    // "text", "make", "solve", "compare", "scen" or "png"
    Run run = nullptr;              // the job itself: its exit status
    std::vector<std::string> files; // the job's files as given, bytes in any encoding, in usage order
    Routeseer::PathStep from;
    Routeseer::PathStep to;
    bool fromGiven = false; // --from and --to given: they win over the ends a map's text marks
    bool toGiven = false;
    bool json = false;
    bool rings = false;
    bool route = false;
    int scale = 1;
    bool shadeByDistance = false; // png --shade distance: reached squares in the ramp of their distance
    bool marks = false;           // png: the start and the finish marked as the lesson view marks them
    bool benchmark = false;       // make: TEXT is a benchmark map
    BenchmarkMap::Corner at;      // make --benchmark: the benchmark square at (0, 0) here
    std::optional<Searches::Method> search; // solve, scen, png: as given; each job has its own default
    std::optional<Searches::Moves> moves;   // solve, compare, png
    std::string map;                        // scen: the benchmark map its queries are on
};

// A file name as a message shows it.
QString shown(const std::string& path);

// Reads the program's arguments as main() has them. --help and --version print and end the run;
// anything else that cannot be done is described in `problem`.
std::optional<Request> read(int argc, char** argv, QString* problem);

} // namespace CommandLine
