// Writes the generated maps as benchmark map files with scenarios of queries between squares that
// connect, bucketed by their least cost (by Dijkstra) as the benchmarks' are, for trying
// routeseer-map scen by hand:
//   routeseer_scenario_files FOLDER [BENCHMARK.map...]
// The maze of corridors one square wide gets 12,000 queries, a game map 4,096 squares a side 10.
// Each benchmark map named gets a scenario of its own beside it in FOLDER, NAME.own.scen.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "benchmaps.h"
#include "search/exploration.h"
#include "searches/benchmarkfiles.h"
#include "searches/searcher.h"

namespace {

using namespace Searches;

constexpr double BucketWidth = 4;
constexpr int QueriesPerBucket = 10;

struct Query {
    Square start;
    Square goal;
    double least;
};

// As the benchmarks choose theirs: ten queries for each bucket of four length units, up to
// `buckets`. Each start's costs to every square (read from Dijkstra's record of a search that
// cannot end) give a goal for every bucket that still needs one.
std::vector<Query> bucketed(const Grid& grid, int buckets)
{
    Searcher searcher(grid);
    std::vector<std::vector<Query>> filled(static_cast<std::size_t>(buckets));
    int missing = buckets * QueriesPerBucket;
    Routeseer::Exploration record;
    Square wall{0, 0}; // a finish no search reaches, so that Dijkstra costs every square
    while (grid.open(wall))
        wall = grid.squareOf(grid.numberOf(wall) + 1);
    for (unsigned seed = 1; missing > 0 && seed < 20000; ++seed) {
        const Square start = BenchMaps::queries(grid, 1, seed).front().first;
        searcher.find(Method::Dijkstra, Moves::Octile, start, wall, &record);
        std::vector<bool> wanted(static_cast<std::size_t>(buckets), true);
        for (const auto& step : record.steps) {
            const auto bucket = static_cast<std::size_t>(step.cost / BucketWidth);
            if (step.event != Routeseer::Exploration::Event::Discovered || bucket >= filled.size() ||
                !wanted[bucket] || filled[bucket].size() == QueriesPerBucket)
                continue;
            const Square goal = grid.squareOf(step.square);
            const double least =
                searcher.find(Method::Dijkstra, Moves::Octile, start, goal).figures.routeCost;
            if (static_cast<std::size_t>(least / BucketWidth) != bucket)
                continue; // the record's float cost fell into the bucket beside
            filled[bucket].push_back({start, goal, least});
            wanted[bucket] = false;
            --missing;
        }
    }
    std::vector<Query> all;
    for (const std::vector<Query>& bucket : filled)
        all.insert(all.end(), bucket.begin(), bucket.end());
    return all;
}

void writeScenario(const std::filesystem::path& path, const std::string& name, const Grid& grid, int queries)
{
    std::ofstream scenario(path);
    scenario << "version 1\n";
    const std::vector<Query> chosen = bucketed(grid, queries / QueriesPerBucket);
    for (const Query& query : chosen) {
        char line[256];
        std::snprintf(line, sizeof line, "%d\t%s\t%d\t%d\t%d\t%d\t%d\t%d\t%.8f\n",
                      int(query.least / BucketWidth), name.c_str(), grid.width(), grid.height(),
                      query.start.x, query.start.y, query.goal.x, query.goal.y, query.least);
        scenario << line;
    }
    std::printf("%s: %zu queries\n", path.c_str(), chosen.size());
}

void write(const std::filesystem::path& folder, const std::string& name, const Grid& grid, int queries)
{
    std::ofstream map(folder / (name + ".map"));
    map << "type octile\nheight " << grid.height() << "\nwidth " << grid.width() << "\nmap\n";
    for (int y = 0; y < grid.height(); ++y) {
        std::string row(static_cast<std::size_t>(grid.width()), '@');
        for (int x = 0; x < grid.width(); ++x)
            if (grid.open({x, y}))
                row[static_cast<std::size_t>(x)] = '.';
        map << row << '\n';
    }
    writeScenario(folder / (name + ".map.scen"), name + ".map", grid, queries);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: routeseer_scenario_files FOLDER [BENCHMARK.map...]\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    for (int i = 2; i < argc; ++i) {
        std::ifstream in(argv[i], std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        Searches::TextLines lines(text);
        std::optional<Grid> grid;
        if (const auto problem = Searches::readMap(lines, grid)) {
            std::fprintf(stderr, "%s:%d: %s\n", argv[i], problem->line, problem->what.c_str());
            return 1;
        }
        const std::string name = std::filesystem::path(argv[i]).filename().string();
        writeScenario(folder / (std::filesystem::path(argv[i]).stem().string() + ".own.scen"), name, *grid,
                      1000);
    }
    if (argc > 2)
        return 0;
    for (const BenchMaps::Kind& kind : BenchMaps::kinds())
        write(folder, kind.name, kind.grid, kind.name == "maze1" ? 12000 : 1000);
    write(folder, "game4096", BenchMaps::gameMap(8, Searches::LargestSide), 10);
    return 0;
}
