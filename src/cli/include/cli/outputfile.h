// Where a job writes: never over its own input, and over an earlier file only when that file is
// what the job makes, so that a slip of the arguments cannot destroy a text, a picture or anything
// else. Paths are bytes in any encoding.
#pragma once

#include <QString>
#include <string>

namespace OutputFile {

// Why a job that reads `input` ("-": the standard input) may not write `output`, or an empty
// text where it may.
QString overInput(const std::string& input, const std::string& output);

// Writes MapGrid as a map file at `path`, replacing only a map file; `why` says why not.
bool writeMap(const std::string& path, QString* why);

} // namespace OutputFile
