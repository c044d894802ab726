// What a run of routeseer-map is asked to do: the job, its files and the options it takes,
// read from the command line and checked before any file is touched.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "map/routeseer.h"

namespace CommandLine {

struct Request {
    using Run = int (*)(const Request&);
    QString job;       // "text", "make", "solve" or "png"
    Run run = nullptr; // the job itself: its exit status
    QStringList files; // the job's files, in the order its usage names them
    Routeseer::PathStep from;
    Routeseer::PathStep to;
    bool json = false;
    bool rings = false;
    bool route = false;
    int scale = 1;
};

// Reads the arguments of the running application. --help and --version print and end the run;
// anything else that cannot be done is described in `problem`.
std::optional<Request> read(const QStringList& arguments, QString* problem);

} // namespace CommandLine
