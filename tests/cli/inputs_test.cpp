// What routeseer-map takes in and where it writes: editors' text habits, a start or finish that is
// no open square, outputs that are its input or not its kind of file, the picture format its name
// asks for, benchmark maps, names in any encoding, and inputs with no end. Run as a script runs it,
// with file names passed as bytes.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "map/routeseer.h"

using namespace Routeseer;
namespace fs = std::filesystem;

extern char** environ;

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

// routeseer-map in `folder` with these arguments as bytes; killed after 10 s (the watchdog catches
// a job that reads forever).
Ran run(const fs::path& folder, std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), {"timeout", "10", ROUTESEER_MAP});
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_addopen(&actions, 2, (folder / "said").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t pid = 0;
    ::posix_spawnp(&pid, "timeout", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage used{};
    ::wait4(pid, &status, 0, &used);
    const std::string said = readFile(folder / "said");
    fs::remove(folder / "said");
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, said, used.ru_maxrss};
}

// A map of the default map's shape: walled round, open inside.
std::string blankMap()
{
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x)
            MapGrid(x, y) = {x % GridLast == 0 || y % GridLast == 0 ? Wall : Open, {}};
    return {reinterpret_cast<const char*>(&MapGrid(0, 0)), MapFileBytes};
}

// The open squares of a map file among (x, y) for x, y in 0..7, as "x,y " text.
std::string openCorner(const fs::path& map)
{
    if (!loadmap(map))
        return "no map";
    std::string open;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (MapGrid(x, y).passable != Wall)
                open += std::to_string(x) + "," + std::to_string(y) + " ";
    return open;
}

constexpr char Benchmark[] = "type octile\r\n"
                             "height 6\n"
                             "width 9\n"
                             "map\n"
                             ".........\n"
                             ".@.......\n"
                             "..G.T....\n"
                             "...S.W...\n"
                             ".........\n"
                             "......... \n";

struct Row {
    const char* label;
    std::vector<std::string> arguments;
    int status;
    const char* said; // a piece of the message; nullptr: none
    // Checks the folder after the run; the folder holds blank.map, a map, and notes.txt, a text.
    std::function<void(const fs::path&)> check = {};
};

const std::vector<Row>& rows()
{
    static const std::string notes = "notes, not a map\n";
    static const std::vector<Row> all{
        {"ByteOrderMarkCrlfAndTrailingBlanks",
         {"make", "habits.txt", "out.map"},
         0,
         nullptr,
         [](const fs::path& at) { EXPECT_EQ(openCorner(at / "out.map"), "1,0 2,0 0,1 "); }},
        {"StartOnAWall", {"solve", "blank.map", "--from", "0,3"}, 2, "--from 0,3: the start is on a wall"},
        {"FinishOnAWall",
         {"png", "blank.map", "out.png", "--to", "100,100"},
         2,
         "--to 100,100: the finish is on a wall",
         [](const fs::path& at) { EXPECT_FALSE(fs::exists(at / "out.png")); }},
        {"FinishOffTheMap", {"solve", "blank.map", "--to", "5,101"}, 2, "the finish is no square on the map"},
        {"OwnInput",
         {"make", "notes.txt", "notes.txt"},
         2,
         "is the input notes.txt itself",
         [](const fs::path& at) { EXPECT_EQ(readFile(at / "notes.txt"), notes); }},
        {"OwnInputThroughALink",
         {"png", "blank.map", "blank.png"},
         2,
         "is the input blank.map itself",
         [](const fs::path& at) { EXPECT_EQ(readFile(at / "blank.map"), blankMap()); }},
        {"TextAtTheMapsName",
         {"make", "habits.txt", "notes.txt"},
         2,
         "not a map file",
         [](const fs::path& at) { EXPECT_EQ(readFile(at / "notes.txt"), notes); }},
        {"MapReplaced",
         {"make", "habits.txt", "blank.map"},
         0,
         nullptr,
         [](const fs::path& at) { EXPECT_EQ(openCorner(at / "blank.map"), "1,0 2,0 0,1 "); }},
        {"TextAtThePicturesName",
         {"png", "blank.map", "notes.png"},
         2,
         "not a picture",
         [](const fs::path& at) { EXPECT_EQ(readFile(at / "notes.png"), notes); }},
        {"JpgIsJpeg",
         {"png", "blank.map", "out.JPG"},
         0,
         nullptr,
         [](const fs::path& at) { EXPECT_EQ(readFile(at / "out.JPG").substr(0, 3), "\xFF\xD8\xFF"); }},
        {"NoWriterForTheExtension",
         {"png", "blank.map", "out.gif"},
         2,
         "the extensions are bmp,",
         [](const fs::path& at) { EXPECT_FALSE(fs::exists(at / "out.gif")); }},
        {"NamesThatAreNotUtf8",
         {"make", "\xfe.txt", "\xff\xfe.map"},
         0,
         nullptr,
         [](const fs::path& at) {
             EXPECT_EQ(openCorner(at / "\xff\xfe.map"), "1,0 2,0 0,1 ");
             EXPECT_FALSE(fs::exists(at / "\xef\xbf\xbd\xef\xbf\xbd.map"));
         }},
        // (0, 0) here is (2, 1) there: the ring is walled, beyond the map is wall.
        {"BenchmarkWindow",
         {"make", "--benchmark", "bench.txt", "out.map", "--at", "2,1"},
         0,
         nullptr,
         [](const fs::path& at) {
             EXPECT_EQ(openCorner(at / "out.map"),
                       "1,1 3,1 4,1 5,1 6,1 1,2 2,2 4,2 5,2 6,2 1,3 2,3 3,3 4,3 5,3 "
                       "6,3 1,4 2,4 3,4 4,4 5,4 6,4 ");
         }},
        {"BenchmarkCornerOutside",
         {"make", "--benchmark", "bench.txt", "out.map", "--at", "9,0"},
         2,
         "--at 9,0 lies outside the 9 x 6 map"},
        {"BenchmarkWithoutItsHeader",
         {"make", "--benchmark", "notes.txt", "out.map"},
         2,
         "notes.txt:1:1: expected \"type octile\""},
    };
    return all;
}

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
    writeFile(at / "blank.map", blankMap());
    writeFile(at / "notes.txt", "notes, not a map\n");
    writeFile(at / "notes.png", "notes, not a map\n");
    writeFile(at / "habits.txt", "\xEF\xBB\xBF#.. \t\r\n.\t\n");
    writeFile(at / "\xfe.txt", readFile(at / "habits.txt"));
    writeFile(at / "bench.txt", Benchmark);
    fs::create_symlink("blank.map", at / "blank.png");

    const Ran ran = run(at, row.arguments);

    EXPECT_EQ(ran.status, row.status) << ran.said;
    EXPECT_TRUE(row.said ? ran.said.find(row.said) != std::string::npos : ran.said.empty()) << ran.said;
    if (row.check)
        row.check(at);
}

INSTANTIATE_TEST_SUITE_P(Rows, Inputs, ::testing::ValuesIn(rows()),
                         [](const ::testing::TestParamInfo<Row>& info) {
                             return std::string(info.param.label);
                         });

// Inputs with no end, or far more than a map: the job stops at the bound, names the file, and stays
// small. The watchdog of run() catches one that reads on.
TEST(Inputs, EndlessInputsStopAtTheBound)
{
    const Scratch scratch;
    std::ofstream(scratch.folder / "sparse.txt").close();
    fs::resize_file(scratch.folder / "sparse.txt", 1ull << 30);
    const std::vector<std::vector<std::string>> cases{
        {"make", "/dev/zero", "out.map"},
        {"make", "/dev/urandom", "out.map"},
        {"make", "sparse.txt", "out.map"},
        {"make", "--benchmark", "/dev/zero", "out.map"},
    };
    for (const auto& arguments : cases) {
        const std::string& file = arguments[arguments.size() - 2];
        const Ran ran = run(scratch.folder, arguments);
        EXPECT_EQ(ran.status, 2) << file << ": " << ran.said;
        EXPECT_EQ(ran.said.rfind("routeseer-map: " + file + ":", 0), 0u) << ran.said;
        EXPECT_LT(ran.peakKilobytes, 50 * 1024) << file;
        EXPECT_FALSE(fs::exists(scratch.folder / "out.map")) << file;
    }
}
