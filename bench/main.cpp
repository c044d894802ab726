// Times findpath against the plainest fast flood (a padded grid worked one ring at a time), a
// textbook breadth-first search and the Boost Graph Library's, on an open map, the default map, a
// map of random walls and a map whose finish is walled in. Every contender's work is checked against
// findpath's before the clock starts.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "agreement.h"
#include "benchcases.h"
#include "boostbfs.h"
#include "platform/headless.h"
#include "ringflood.h"
#include "textbookbfs.h"

namespace {

using namespace Bench;

// Where the bundled maps were copied: beside this program, wherever it is started from.
std::filesystem::path programFolder(const char* argv0)
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::absolute(argv0).parent_path() : self.parent_path();
}

Square squareOf(const Routeseer::PathStep& step) { return {step.x, step.y}; }

WallGrid wallsOf(const SearchCase& searchCase)
{
    WallGrid walls(Routeseer::GridSide, std::vector<char>(Routeseer::GridSide));
    for (int y = 0; y <= Routeseer::GridLast; ++y)
        for (int x = 0; x <= Routeseer::GridLast; ++x)
            walls[y][x] = !searchCase.open(x, y);
    return walls;
}

// One case and what its contenders build before the clock runs.
struct Contest {
    const SearchCase& searchCase;
    WallGrid walls{wallsOf(searchCase)};
    BoostSearch boost{searchCase};

    Route textbook() const
    {
        return textbookSearch(walls, squareOf(searchCase.start), squareOf(searchCase.target));
    }
};

// findpath's own route, and a check that it shows the "no path" box exactly when it should.
Route findpathRoute(const SearchCase& searchCase)
{
    installMap(searchCase);
    Platform::Headless::resetRecords();
    Routeseer::findpath(searchCase.start, searchCase.target);
    if (Platform::Headless::shownMessages().empty() == searchCase.sealed)
        abortSetUp(searchCase.name + ", findpath: " +
                   (searchCase.sealed ? "no \"no path\" box for a walled-in finish"
                                      : "a \"no path\" box, yet a route exists"));
    Platform::Headless::resetRecords();
    Route route;
    for (const Routeseer::PathStep& step : Routeseer::PathSteps)
        route.push_back(squareOf(step));
    return route;
}

void checkContest(Contest& contest)
{
    const SearchCase& searchCase = contest.searchCase;
    const Route reference = findpathRoute(searchCase);
    const std::size_t steps = static_cast<std::size_t>(Routeseer::pathlength);
    checkRoute(searchCase, "findpath", reference, steps);
    RingFlood::search(searchCase);
    checkSameRecords(searchCase);
    checkRoute(searchCase, "textbook", contest.textbook(), steps);
    checkRoute(searchCase, "boost", contest.boost.search(), steps);
}

[[gnu::noinline]] void timeFindpath(benchmark::State& state, const SearchCase& searchCase)
{
    installMap(searchCase);
    for (auto _ : state) {
        Routeseer::findpath(searchCase.start, searchCase.target);
        // A sealed finish records one "no path" box per search; dropping the record every time
        // keeps memory flat and costs nothing measurable (the same instruction count as never).
        Platform::Headless::resetRecords();
    }
}

[[gnu::noinline]] void timeRingFlood(benchmark::State& state, const SearchCase& searchCase)
{
    for (auto _ : state) {
        RingFlood::search(searchCase);
        benchmark::DoNotOptimize(RingFlood::route().data());
    }
}

[[gnu::noinline]] void timeTextbook(benchmark::State& state, const Contest& contest)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(contest.textbook());
}

[[gnu::noinline]] void timeBoost(benchmark::State& state, Contest& contest)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(contest.boost.search());
}

void registerContest(Contest& contest)
{
    const std::string& name = contest.searchCase.name;
    const SearchCase& searchCase = contest.searchCase;
    benchmark::RegisterBenchmark(("BM_findpath/" + name).c_str(), [&searchCase](benchmark::State& state) {
        timeFindpath(state, searchCase);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("BM_ringflood/" + name).c_str(), [&searchCase](benchmark::State& state) {
        timeRingFlood(state, searchCase);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("BM_textbook/" + name).c_str(), [&contest](benchmark::State& state) {
        timeTextbook(state, contest);
    })->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("BM_boost/" + name).c_str(), [&contest](benchmark::State& state) {
        timeBoost(state, contest);
    })->Unit(benchmark::kMicrosecond);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const std::vector<SearchCase> cases = makeCases(programFolder(argv[0]));
    std::vector<std::unique_ptr<Contest>> contests;
    for (const SearchCase& searchCase : cases) {
        Contest& contest = *contests.emplace_back(std::make_unique<Contest>(Contest{searchCase}));
        checkContest(contest);
        registerContest(contest);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
