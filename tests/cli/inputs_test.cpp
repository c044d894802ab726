// What routeseer-map takes in and where it writes: editors' text habits, a start or finish that is
// no open square, outputs that are its input or not its kind of file, the picture format its name
// asks for, benchmark maps, names in any encoding, and inputs with no end. Run as a script runs it,
// with file names passed as bytes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include "map/routeseer.h"

using namespace Routeseer;
namespace fs = std::filesystem;

namespace {

struct Ran {
    int status;
    std::string said;
    long peakKilobytes;
};

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// routeseer-map in `folder`, its arguments passed as bytes; the watchdog (timeout) catches a job
// that reads forever. The peak is the largest of this test's children so far.
Ran run(const fs::path& folder, const std::vector<std::string>& arguments)
{
    std::string command = "cd '" + folder.string() + "' && timeout 10 " ROUTESEER_MAP;
    for (const std::string& argument : arguments)
        command += " '" + argument + "'";
    const int status = std::system((command + " 2>said >/dev/null").c_str());
    rusage used{};
    ::getrusage(RUSAGE_CHILDREN, &used);
    const std::string said = readFile(folder / "said");
    fs::remove(folder / "said");
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, said, used.ru_maxrss};
}

// The open squares of a map file among (x, y) for x, y in 0..7, as "x,y " text.
std::string openCorner(const fs::path& map)
{
    std::string open = loadmap(map) ? "" : "no map";
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (open != "no map" && MapGrid(x, y).passable != Wall)
                open += std::to_string(x) + "," + std::to_string(y) + " ";
    return open;
}

std::map<std::string, std::string> contents(const fs::path& folder)
{
    std::map<std::string, std::string> seen;
    for (const auto& entry : fs::directory_iterator(folder))
        seen[entry.path().filename()] = entry.is_regular_file() ? readFile(entry.path()) : "(not a file)";
    return seen;
}

struct Row {
    const char* label;
    std::vector<std::string> arguments;
    const char* said;            // a piece of the refusal (status 2, the folder unchanged); nullptr: done
    const char* file = nullptr;  // what a job that is done wrote, and the open squares of its
    const char* holds = nullptr; // corner (a map) or its first bytes
};

const Row rows[] = {
    {"ByteOrderMarkCrlfAndTrailingBlanks",
     {"make", "habits.txt", "out.map"},
     nullptr,
     "out.map",
     "1,0 2,0 0,1 "},
    {"StartOnAWall", {"solve", "blank.map", "--from", "0,3"}, "--from 0,3: the start is on a wall"},
    {"FinishOnAWall",
     {"png", "blank.map", "o.png", "--to", "100,100"},
     "--to 100,100: the finish is on a wall"},
    {"FinishOffTheMap", {"solve", "blank.map", "--to", "5,101"}, "the finish is no square on the map"},
    {"OwnInput", {"make", "notes.txt", "notes.txt"}, "is the input notes.txt itself"},
    {"OwnInputThroughALink", {"png", "blank.map", "blank.png"}, "is the input blank.map itself"},
    {"TextAtTheMapsName", {"make", "habits.txt", "notes.txt"}, "not a map file"},
    {"MapReplaced", {"make", "habits.txt", "blank.map"}, nullptr, "blank.map", "1,0 2,0 0,1 "},
    {"TextAtThePicturesName", {"png", "blank.map", "notes.png"}, "not a picture"},
    {"JpgIsJpeg", {"png", "blank.map", "out.JPG"}, nullptr, "out.JPG", "\xFF\xD8\xFF"},
    {"NoWriterForTheExtension", {"png", "blank.map", "out.gif"}, "the extensions are bmp,"},
    {"NamesThatAreNotUtf8", {"make", "\xfe.txt", "\xff\xfe.map"}, nullptr, "\xff\xfe.map", "1,0 2,0 0,1 "},
    // (0, 0) here is (2, 1) there: the ring is walled, beyond the map is wall.
    {"BenchmarkWindow",
     {"make", "--benchmark", "bench.txt", "out.map", "--at", "2,1"},
     nullptr,
     "out.map",
     "1,1 3,1 4,1 5,1 6,1 1,2 2,2 4,2 5,2 6,2 1,3 2,3 3,3 4,3 5,3 6,3 1,4 2,4 3,4 4,4 5,4 6,4 "},
    {"BenchmarkCornerOutside",
     {"make", "--benchmark", "bench.txt", "o.map", "--at", "9,0"},
     "outside the 9 x 6 map"},
    {"BenchmarkWithoutItsHeader", {"make", "--benchmark", "notes.txt", "o.map"}, "notes.txt:1:1: expected"},
    {"FinishTwice", {"solve", "blank.map", "--to", "1,1", "--to", "2,2"}, "--to is given more than once"},
    {"ScaleOverTheBound", {"png", "blank.map", "big.ppm", "--scale", "7"}, "at most 3006 x 3006 pixels"},
    // A FIFO is looked at before it is opened, so nothing waits for a writer.
    {"FifoAsText", {"make", "fifo", "o.map"}, "fifo: it is a named pipe"},
    {"FifoAsBenchmark", {"make", "--benchmark", "fifo", "o.map"}, "fifo: it is a named pipe"},
    {"LinkToAFifo", {"make", "fifo-link", "o.map"}, "fifo-link: it is a named pipe"},
    {"FifoAsScenario", {"scen", "fifo", "--map", "bench.txt"}, "fifo: it is a named pipe"},
    {"FifoAsScenariosMap", {"scen", "bench.scen", "--map", "fifo"}, "fifo: it is a named pipe"},
    {"ScenarioWithoutItsMap", {"scen", "bench.scen"}, "scen needs --map"},
    {"ScenarioCutShort", {"scen", "short.scen", "--map", "bench.txt"}, "short.scen:2:1: 5 fields"},
    {"ScenarioOnAMapOfAnotherSize",
     {"scen", "bench.scen", "--map", "bench8.txt"},
     "bench.scen:2:1: the query is on a map of 9 x 6, but bench8.txt is 8 x 6"},
    {"JpsByTheWindowRule", {"solve", "blank.map", "--search", "jps"}, "jps moves by the octile rule only"},
    {"NoSuchSearch", {"solve", "blank.map", "--search", "fastest"}, "the searches are bfs, dfs"},
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.label; }

struct Scratch {
    static fs::path made()
    {
        std::string pattern = (fs::temp_directory_path() / "routeseer-inputs-XXXXXX").string();
        return ::mkdtemp(pattern.data());
    }
    ~Scratch() { fs::remove_all(folder); }
    fs::path folder = made();
};

class Inputs : public ::testing::TestWithParam<Row> {};

} // namespace

TEST_P(Inputs, AreTakenOrRefusedWithAMessage)
{
    const Row& row = GetParam();
    const Scratch scratch;
    const fs::path& at = scratch.folder;
    fs::copy_file(BUNDLED_MAPS_DIR "/blankmap.map", at / "blank.map");
    writeFile(at / "notes.txt", "notes, not a map\n");
    writeFile(at / "notes.png", "notes, not a map\n");
    writeFile(at / "habits.txt", "\xEF\xBB\xBF#.. \t\r\n.\t\n");
    writeFile(at / "\xfe.txt", readFile(at / "habits.txt"));
    writeFile(at / "bench.txt", "type octile\r\nheight 6\nwidth 9\nmap\n.........\n.@.......\n..G.T....\n"
                                "...S.W...\n.........\n......... \n");
    std::string eightWide = "type octile\nheight 6\nwidth 8\nmap\n";
    for (int row = 0; row < 6; ++row)
        eightWide += "........\n";
    writeFile(at / "bench8.txt", eightWide);
    fs::create_symlink("blank.map", at / "blank.png");
    ::mkfifo((at / "fifo").c_str(), 0600);
    fs::create_symlink("fifo", at / "fifo-link");
    writeFile(at / "bench.scen", "version 1\n0\tbench.map\t9\t6\t0\t0\t8\t5\t9.07106781\n");
    writeFile(at / "short.scen", "version 1\n0\tbench.map\t9\t6\t0\n");
    const auto before = contents(at);

    const Ran ran = run(at, row.arguments);

    EXPECT_EQ(ran.status, row.said ? 2 : 0) << ran.said;
    EXPECT_TRUE(row.said ? ran.said.find(row.said) != std::string::npos : ran.said.empty()) << ran.said;
    if (row.said)
        EXPECT_EQ(contents(at), before);
    else if (fs::path(row.file).extension() == ".map")
        EXPECT_EQ(openCorner(at / row.file), row.holds);
    else
        EXPECT_EQ(readFile(at / row.file).rfind(row.holds, 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(Rows, Inputs, ::testing::ValuesIn(rows),
                         [](const auto& info) { return std::string(info.param.label); });

// Inputs with no end, or far more than a map: the job stops at the bound, names the file, and stays
// small. The watchdog of run() catches one that reads on.
TEST(Inputs, EndlessInputsStopAtTheBound)
{
    const Scratch scratch;
    std::ofstream(scratch.folder / "sparse.txt").close();
    fs::resize_file(scratch.folder / "sparse.txt", 1ull << 30);
    struct Case {
        std::vector<std::string> arguments;
        std::string file; // the one the message names
    };
    const Case cases[] = {
        {{"make", "/dev/zero", "out.map"}, "/dev/zero"},
        {{"make", "/dev/urandom", "out.map"}, "/dev/urandom"},
        {{"make", "sparse.txt", "out.map"}, "sparse.txt"},
        {{"make", "--benchmark", "/dev/zero", "out.map"}, "/dev/zero"},
        {{"scen", "sparse.txt", "--map", "sparse.txt"}, "sparse.txt"},
        {{"scen", "/dev/zero", "--map", "sparse.txt"}, "/dev/zero"},
    };
    for (const auto& [arguments, file] : cases) {
        const Ran ran = run(scratch.folder, arguments);
        EXPECT_EQ(ran.status, 2) << file << ": " << ran.said;
        EXPECT_EQ(ran.said.rfind("routeseer-map: " + file + ":", 0), 0u) << ran.said;
        EXPECT_LT(ran.peakKilobytes, 50 * 1024) << file;
        EXPECT_FALSE(fs::exists(scratch.folder / "out.map")) << file;
    }
}
