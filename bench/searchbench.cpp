// Times the searches library's A* and Jump Point Search (and Dijkstra for scale) under the octile
// rule on generated maps of the public benchmarks' kinds, a query per iteration, cycling through
// the same queries; reports the squares expanded per query beside the time. Before timing, every
// query's cost is checked to be the same for the three.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "benchmaps.h"
#include "searches/searcher.h"

namespace {

using namespace Searches;

constexpr int QueriesPerMap = 256;
constexpr Method Timed[] = {Method::AStar, Method::Jps, Method::Dijkstra};

struct Contest {
    explicit Contest(BenchMaps::Kind made) : kind(std::move(made)) {}
    BenchMaps::Kind kind;
    std::vector<BenchMaps::Query> queries = BenchMaps::queries(kind.grid, QueriesPerMap, 7);
    Searcher searcher{kind.grid};
};

void checkAgreement(Contest& contest)
{
    for (const auto& [start, finish] : contest.queries) {
        const double least =
            contest.searcher.find(Method::Dijkstra, Moves::Octile, start, finish).figures.routeCost;
        for (Method method : Timed) {
            const double cost = contest.searcher.find(method, Moves::Octile, start, finish).figures.routeCost;
            if (std::abs(cost - least) > 1e-9) {
                std::fprintf(stderr, "%s: %s costs %.8f from %d,%d to %d,%d, Dijkstra %.8f\n",
                             contest.kind.name.c_str(), nameOf(method).data(), cost, start.x, start.y,
                             finish.x, finish.y, least);
                std::exit(1);
            }
        }
    }
}

void timeSearch(benchmark::State& state, Contest& contest, Method method)
{
    std::size_t next = 0;
    std::int64_t expanded = 0;
    for (auto _ : state) {
        const auto& [start, finish] = contest.queries[next];
        next = (next + 1) % contest.queries.size();
        expanded += contest.searcher.find(method, Moves::Octile, start, finish).figures.expanded;
    }
    state.counters["expanded"] = benchmark::Counter(double(expanded), benchmark::Counter::kAvgIterations);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    std::vector<std::unique_ptr<Contest>> contests;
    for (BenchMaps::Kind& kind : BenchMaps::kinds()) {
        Contest& contest = *contests.emplace_back(std::make_unique<Contest>(std::move(kind)));
        checkAgreement(contest);
        for (Method method : Timed)
            benchmark::RegisterBenchmark(
                ("BM_" + std::string(nameOf(method)) + "/" + contest.kind.name).c_str(),
                [&contest, method](benchmark::State& state) { timeSearch(state, contest, method); })
                ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
