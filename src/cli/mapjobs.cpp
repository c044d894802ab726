// text and make: a map file as text, and text (or a benchmark map) as a map file.
#include "cli/benchmarkmap.h"
#include "cli/boundedinput.h"
#include "cli/exitstatus.h"
#include "cli/jobs.h"
#include "cli/maptext.h"
#include "cli/outputfile.h"
#include "map/routeseer.h"

namespace Jobs {

namespace {

using CommandLine::shown;

// Reads the source into MapGrid: a map's text, or a benchmark map's window.
int readSource(const CommandLine::Request& request)
{
    const std::string& source = request.files[0];
    if (!request.benchmark)
        return readMapText(source, nullptr);
    BoundedInput::Reader input(source);
    std::string why;
    if (!input.opened(&why))
        return ExitStatus::fail(QStringLiteral("%1: %2").arg(shown(source), QString::fromStdString(why)));
    const std::optional<MapText::Problem> problem = BenchmarkMap::read(input, request.at);
    return problem ? problemAt(source, *problem) : ExitStatus::Done;
}

} // namespace

int text(const CommandLine::Request& request)
{
    if (!loadMapFile(request.files[0]))
        return ExitStatus::BadInput;
    return ExitStatus::print(QByteArray::fromStdString(MapText::fromMap()));
}

int make(const CommandLine::Request& request)
{
    const std::string& target = request.files[1];
    if (const QString over = OutputFile::overInput(request.files[0], target); !over.isEmpty())
        return ExitStatus::fail(over);
    if (const int read = readSource(request); read != ExitStatus::Done)
        return read;
    // Saved as the window saves: the whole file at once, through a temporary file and a rename.
    if (QString why; !OutputFile::writeMap(target, &why))
        return ExitStatus::fail(QStringLiteral("%1: %2").arg(shown(target), why));
    return ExitStatus::Done;
}

} // namespace Jobs
