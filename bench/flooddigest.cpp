// Runs the search core over tens of thousands of cases and prints a digest of every record each
// case leaves: random maps of many densities, with and without a wall ring, starts and finishes
// anywhere on the map, on its edge or off it, the same square twice, walls at either end, walled-in
// finishes, single expansions and trace-back steps on whatever the searches left, and the bundled
// maps named on the command line (their text: '#' a wall). bench/digest.sh builds it against two
// versions of the core: equal digests mean they behaved alike on every case.
//   flooddigest [MAP.txt...]   one line per case (number and digest), then the count and the total
#include <algorithm>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#include "map/routeseer.h"
#include "platform/headless.h"

using namespace Routeseer;

namespace {

// FNV-1a over 64-bit words, so that the 60 kB of records per case cost little.
class Digest {
  public:
    void add(const void* data, std::size_t bytes)
    {
        const auto* byte = static_cast<const unsigned char*>(data);
        for (; bytes > 0; byte += sizeof(std::uint64_t), bytes -= std::min(bytes, sizeof(std::uint64_t))) {
            std::uint64_t word = 0;
            std::memcpy(&word, byte, std::min(bytes, sizeof word));
            value = (value ^ word) * 0x100000001b3u;
        }
    }
    template <typename T> void add(const T& record) { add(&record, sizeof record); }
    std::uint64_t value = 0xcbf29ce484222325u;
};

// The raw generator output decides everything, so both builds see the same cases.
using Random = std::mt19937_64;
Random randomness(20261208);
unsigned draw(unsigned below) { return static_cast<unsigned>(randomness() % below); }

Digest total;
long cases = 0;
// How the cases fell out, so that a change in the mix shows.
long searches = 0, routes = 0, expansions = 0, targetsFound = 0;

// Every record a search, an expansion or a trace-back step may write, what lies above the queue's
// tail included, and the boxes shown.
void record()
{
    Digest digest;
    digest.add(&DistanceGrid(0, 0), sizeof(std::int16_t) * SquareCount);
    digest.add(NodeQueue);
    digest.add(queuetail);
    digest.add(pathlength);
    digest.add(pathfound);
    digest.add(PathSteps.size());
    digest.add(PathSteps.data(), sizeof(PathStep) * PathSteps.size());
    for (const std::string& message : Platform::Headless::shownMessages())
        digest.add(message.data(), message.size() + 1);
    total.add(digest.value);
    std::printf("%ld %016" PRIx64 "\n", ++cases, digest.value);
}

// Mostly on the map, often on its edge, sometimes one square off it or further.
int coordinate()
{
    switch (draw(20)) {
    case 0:
        return 0;
    case 1:
        return GridLast;
    case 2:
        return GridSide;
    case 3:
        return GridSide + 1 + static_cast<int>(draw(255 - GridSide));
    default:
        return static_cast<int>(draw(GridSide));
    }
}

PathStep point()
{
    return {static_cast<std::uint8_t>(coordinate()), static_cast<std::uint8_t>(coordinate())};
}

void setSquare(int x, int y, std::int16_t passable)
{
    if (onMap(x, y))
        MapGrid(x, y).passable = passable;
}

void randomMap(unsigned wallPercent, bool ring)
{
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x) {
            const bool onRing = x == 0 || y == 0 || x == GridLast || y == GridLast;
            // Any value but 0 is open, as in a map file someone else wrote.
            const std::int16_t open = draw(16) == 0 ? static_cast<std::int16_t>(1 + draw(30000)) : Open;
            MapGrid(x, y).passable = (ring && onRing) || draw(100) < wallPercent ? Wall : open;
        }
}

void search()
{
    const PathStep start = point();
    const PathStep target = draw(10) == 0 ? start : point();
    switch (draw(10)) {
    case 0:
        setSquare(start.x, start.y, Wall);
        break;
    case 1:
        setSquare(target.x, target.y, Wall);
        break;
    case 2: // walled in
        for (int i = 0; i < NeighbourCount; ++i)
            setSquare(target.x + NeighbourDx[i], target.y + NeighbourDy[i], Wall);
        break;
    case 3:
        setSquare(start.x, start.y, Open);
        setSquare(target.x, target.y, Open);
        break;
    }
    Platform::Headless::resetRecords();
    findpath(start, target);
    ++searches;
    routes += pathfound == True;
    record();
}

// One expansion on the distances the last search left, a few of them changed around the entry, with
// tails that leave room for eight entries or not, and distances that wrap.
void expandAlone()
{
    const std::int16_t distances[] = {-1, 0, 32767, static_cast<std::int16_t>(draw(200))};
    const QueueEntry entry{static_cast<std::uint8_t>(coordinate()), static_cast<std::uint8_t>(coordinate()),
                           distances[draw(4)]};
    for (int i = 0; i < NeighbourCount; ++i)
        if (onMap(entry.x + NeighbourDx[i], entry.y + NeighbourDy[i]) && draw(3) == 0)
            DistanceGrid(entry.x + NeighbourDx[i], entry.y + NeighbourDy[i]) =
                draw(2) == 0 ? Unreached : static_cast<std::int16_t>(entry.distance + 1);
    const int direction = static_cast<int>(draw(NeighbourCount));
    const PathStep target = draw(2) == 0
                                ? point()
                                : PathStep{static_cast<std::uint8_t>(entry.x + NeighbourDx[direction]),
                                           static_cast<std::uint8_t>(entry.y + NeighbourDy[direction])};
    const int tails[] = {-1, NodeQueueSize - NeighbourCount - 1, NodeQueueSize - NeighbourCount,
                         NodeQueueSize};
    queuetail = draw(8) == 0 ? tails[draw(4)] : static_cast<int>(draw(NodeQueueSize - NeighbourCount));
    pathfound = False;
    Platform::Headless::resetRecords();
    expandnode(entry, target);
    ++expansions;
    targetsFound += pathfound == True;
    record();
}

void traceBackStep()
{
    const auto index =
        static_cast<std::int16_t>(static_cast<int>(draw(static_cast<unsigned>(PathSteps.size()) + 3)) - 1);
    backtrack(point(), index);
    record();
}

bool loadText(const char* path)
{
    std::ifstream text(path);
    std::string line;
    for (int y = 0; y <= GridLast; ++y) {
        if (!std::getline(text, line) || line.size() < GridSide)
            return false;
        for (int x = 0; x <= GridLast; ++x)
            MapGrid(x, y) = MapSquare{line[x] == '#' ? Wall : Open, {}};
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    const unsigned wallPercents[] = {0, 3, 10, 20, 30, 40, 50, 65, 85};
    for (int round = 0; round < 720; ++round) {
        randomMap(wallPercents[round % std::size(wallPercents)], round % 2 == 0);
        for (int k = 0; k < 50; ++k)
            search();
        for (int k = 0; k < 12; ++k)
            expandAlone();
        for (int k = 0; k < 4; ++k)
            traceBackStep();
    }
    for (int i = 1; i < argc; ++i) {
        if (!loadText(argv[i])) {
            std::fprintf(stderr, "flooddigest: cannot read the map text %s\n", argv[i]);
            return 1;
        }
        for (int k = 0; k < 400; ++k)
            search();
    }
    std::printf("cases %ld (searches %ld, %ld with a route; single expansions %ld, %ld reaching the target; "
                "trace-back steps %ld) digest %016" PRIx64 "\n",
                cases, searches, routes, expansions, targetsFound, cases - searches - expansions,
                total.value);
    return 0;
}
