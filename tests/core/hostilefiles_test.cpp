// Whatever a folder holds under a map's name, a load or a save ends at once: with the map read or
// written whole, or with a reason, the map as it was and nothing else on disk changed.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

#include "testmaps.h"

using namespace Routeseer;
namespace fs = std::filesystem;

namespace {

// Where a case plants things: `maps` is the folder the map file lies in, `outside` another one.
struct Folders {
    fs::path maps, outside;
};

enum class Action { Load, Save };

struct Case {
    const char* label;
    Action action;
    std::string name; // of the map file in `maps`
    std::function<void(const Folders&, const std::string& name)> plant;
    const char* reason; // a piece of the reason the action fails with; nullptr when it succeeds
};

std::string bytes(std::size_t count, char first = 0)
{
    std::string made(count, first);
    for (std::size_t i = 0; i < count; ++i)
        made[i] = static_cast<char>(first + i * 7);
    return made;
}

void writeFile(const fs::path& path, const std::string& contents)
{
    std::ofstream(path, std::ios::binary) << contents;
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string mapBytes() { return {reinterpret_cast<const char*>(&MapGrid(0, 0)), MapFileBytes}; }

// Everything below `folder`, links not followed: each path with what it is and holds.
void snapshot(const fs::path& folder, const fs::path& root, std::map<std::string, std::string>& seen)
{
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const fs::file_status status = entry.symlink_status(error);
        std::string& what = seen[entry.path().lexically_relative(root).string()];
        if (fs::is_symlink(status))
            what = "link to " + fs::read_symlink(entry.path()).string();
        else if (fs::is_regular_file(status))
            what = "file of " + std::to_string(fs::file_size(entry.path())) +
                   " bytes: " + readFile(entry.path());
        else if (fs::is_directory(status))
            snapshot(entry.path(), root, seen);
        else
            what = "kind " + std::to_string(static_cast<int>(status.type()));
    }
}

std::map<std::string, std::string> snapshot(const fs::path& root)
{
    std::map<std::string, std::string> seen;
    snapshot(root, root, seen);
    return seen;
}

// The longest name the test folder takes for a map, with ".map", and the limit itself.
std::size_t nameLimit(const fs::path& folder)
{
    return static_cast<std::size_t>(::pathconf(folder.c_str(), _PC_NAME_MAX));
}
std::string letters(std::size_t count) { return std::string(count, 'a') + ".map"; }
std::string nonAscii(std::size_t count)
{
    std::string name;
    for (std::size_t i = 0; i < count; ++i)
        name += "\xe5\x9c\xb0"; // 地, three bytes
    return name + ".map";
}

void fifo(const Folders& at, const std::string& name)
{
    ASSERT_EQ(::mkfifo((at.maps / name).c_str(), 0644), 0);
}
void link(const Folders& at, const std::string& name, const fs::path& target)
{
    fs::create_symlink(target, at.maps / name);
}

const std::vector<Case>& cases()
{
    static const std::size_t limit = nameLimit(fs::temp_directory_path());
    // Short, empty, longer and folder "maps" are mapfiles_test's; 300 letters are the name dialog's.
    static const std::vector<Case> all{
        {"LoadFifo", Action::Load, "fifo.map", fifo, "FIFO"},
        {"LoadLinkToFifo", Action::Load, "x.map",
         [](const Folders& at, const std::string& n) {
             ASSERT_EQ(::mkfifo((at.outside / "pipe").c_str(), 0644), 0);
             link(at, n, at.outside / "pipe");
         },
         "FIFO"},
        {"LoadLinkToDevZero", Action::Load, "zero.map",
         [](const Folders& at, const std::string& n) { link(at, n, "/dev/zero"); }, "device"},
        {"LoadLinkToItself", Action::Load, "self.map",
         [](const Folders& at, const std::string& n) { link(at, n, n); },
         "Too many levels of symbolic links"},
        {"LoadDanglingLink", Action::Load, "gone.map",
         [](const Folders& at, const std::string& n) { link(at, n, at.outside / "nothing"); },
         "No such file"},
        {"LoadLinkToAMapOutside", Action::Load, "linked.map",
         [](const Folders& at, const std::string& n) {
             writeFile(at.outside / "real.map", bytes(MapFileBytes, 9));
             link(at, n, at.outside / "real.map");
         },
         nullptr},
        {"SaveLongestName", Action::Save, letters(limit - 4), nullptr, nullptr},
        {"SaveNameOneByteTooLong", Action::Save, letters(limit - 3), nullptr, "File name too long"},
        {"SaveNonAsciiNameTooLong", Action::Save, nonAscii(100), nullptr, "File name too long"},
        {"SaveOverFifo", Action::Save, "fifo.map", fifo, "FIFO"},
        {"SaveOverLinkToDevZero", Action::Save, "zero.map",
         [](const Folders& at, const std::string& n) { link(at, n, "/dev/zero"); }, "device"},
        {"SaveOverLinkToItself", Action::Save, "self.map",
         [](const Folders& at, const std::string& n) { link(at, n, n); },
         "Too many levels of symbolic links"},
        {"SaveOverDanglingLink", Action::Save, "gone.map",
         [](const Folders& at, const std::string& n) { link(at, n, at.outside / "nothing"); },
         "link that leads to no file"},
        // A save never writes through a link: the link and the map it leads to stay as they were.
        {"SaveOverLinkToAMapOutside", Action::Save, "linked.map",
         [](const Folders& at, const std::string& n) {
             writeFile(at.outside / "real.map", bytes(MapFileBytes, 9));
             link(at, n, at.outside / "real.map");
         },
         "link to a file"},
        {"SaveBesidePlantedTemporaryLink", Action::Save, "x.map",
         [](const Folders& at, const std::string& n) {
             writeFile(at.outside / "victim", "precious");
             link(at, n + ".saving", at.outside / "victim");
         },
         nullptr},
        {"SaveBesidePlantedTemporaryFifo", Action::Save, "x.map",
         [](const Folders& at, const std::string& n) { fifo(at, n + ".saving"); }, nullptr},
    };
    return all;
}

void PrintTo(const Case& row, std::ostream* out) { *out << row.label; }

class HostileFiles : public ::testing::TestWithParam<Case> {
  protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "routeseer-hostile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root = pattern;
        at = {root / "maps", root / "outside"};
        fs::create_directory(at.maps);
        fs::create_directory(at.outside);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }

    fs::path root;
    Folders at;
};

} // namespace

TEST_P(HostileFiles, EndAtOnceWithTheMapWholeOrAReasonAndTouchNothingElse)
{
    const Case& row = GetParam();
    if (row.plant)
        row.plant(at, row.name);
    ASSERT_FALSE(HasFatalFailure());
    const fs::path file = at.maps / row.name;
    std::srand(42);
    for (std::size_t i = 0; i < MapFileBytes; ++i)
        reinterpret_cast<char*>(&MapGrid(0, 0))[i] = static_cast<char>(std::rand());
    const std::string mapBefore = mapBytes();
    // What the file holds now, read through any link, is what a good load must bring in.
    const std::string loadable = row.action == Action::Load && !row.reason ? readFile(file) : std::string();
    std::map<std::string, std::string> disk = snapshot(root);

    std::string why;
    ::alarm(10); // a load or save that waits ends the test instead of hanging it
    const bool done =
        row.action == Action::Load ? loadmap(file.string(), &why) : savemap(file.string(), &why);
    ::alarm(0);

    EXPECT_EQ(done, row.reason == nullptr) << why;
    if (row.reason) {
        EXPECT_NE(why.find(row.reason), std::string::npos) << why;
    }
    if (row.action == Action::Load && done)
        EXPECT_TRUE(mapBytes() == loadable.substr(0, MapFileBytes))
            << "the map is not the file's first bytes";
    else
        EXPECT_TRUE(mapBytes() == mapBefore) << "the map changed";
    if (row.action == Action::Save && done)
        disk[file.lexically_relative(root).string()] =
            "file of " + std::to_string(MapFileBytes) + " bytes: " + mapBefore;
    EXPECT_TRUE(snapshot(root) == disk) << "something else changed on disk";
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileFiles, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.label);
                         });
