// The file writer over whatever stands at the path and whoever writes: a file is replaced only
// where its user may, keeping its rights; nothing else is ever written through, replaced or left
// behind. Each row runs the writer in a process of that user (root, or nobody under runuser).
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <grp.h>
#include <iterator>
#include <map>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "map/filewriter.h"

namespace fs = std::filesystem;

namespace {

constexpr char NewText[] = "new text from the writer";

struct Place {
    fs::path folder, outside, target;
};

struct Row {
    const char* label;
    const char* user;
    std::function<void(const Place&)> plant;
    const char* reason;          // a piece of the reason it is refused with; nullptr when it is written
    const char* after = nullptr; // "MODE OWNER GROUP" of the file written
};

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& text, mode_t mode, const char* owner = "root")
{
    std::ofstream(path, std::ios::binary) << text;
    const passwd* user = ::getpwnam(owner);
    ASSERT_NE(user, nullptr);
    ASSERT_EQ(::chown(path.c_str(), user->pw_uid, user->pw_gid), 0);
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
}

std::string describe(const struct stat& seen)
{
    char mode[8];
    std::snprintf(mode, sizeof mode, "%o", seen.st_mode & 07777);
    const passwd* user = ::getpwuid(seen.st_uid);
    const group* members = ::getgrgid(seen.st_gid);
    return std::string(mode) + " " + (user ? user->pw_name : "?") + " " + (members ? members->gr_name : "?");
}

// Everything below `root`, links not followed: what each path is, its rights and what it holds.
std::map<std::string, std::string> snapshot(const fs::path& root)
{
    std::map<std::string, std::string> seen;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        struct stat found {};
        ::lstat(entry.path().c_str(), &found);
        std::string& what = seen[entry.path().lexically_relative(root).string()];
        what = describe(found) + " type " + std::to_string(found.st_mode & S_IFMT);
        if (S_ISLNK(found.st_mode))
            what += " to " + fs::read_symlink(entry.path()).string();
        else if (S_ISREG(found.st_mode))
            what += ": " + readFile(entry.path());
    }
    return seen;
}

struct Ran {
    int status;
    std::string said;
};

// The helper as this user, with a timeout that catches a writer waiting on a FIFO.
Ran helperAs(const char* user, const std::string& arguments)
{
    const std::string command = std::string(std::strcmp(user, "root") == 0 ? "" : "runuser -u nobody -- ") +
                                "timeout 10 " WRITEFILE_HELPER " " + arguments;
    std::FILE* out = ::popen(command.c_str(), "r");
    std::string said;
    char chunk[256];
    while (std::fgets(chunk, sizeof chunk, out))
        said += chunk;
    const int status = ::pclose(out);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, said};
}

Ran writeAs(const char* user, const fs::path& path, const std::string& text, int times = 1)
{
    return helperAs(user, "'" + path.string() + "' '" + text + "' " + std::to_string(times));
}

void chmodFolder(const Place& at, mode_t mode) { ASSERT_EQ(::chmod(at.folder.c_str(), mode), 0); }

void link(const fs::path& to, const Place& at) { fs::create_symlink(to, at.target); }

void socketAt(const fs::path& path)
{
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(socket);
}

const std::vector<Row>& rows()
{
    static const std::vector<Row> all{
        // What stands at the path, as root, who may write anything.
        {"NothingYetGetsTheUsualRightsUnderTheUmask", "root", nullptr, nullptr, "640 root root"},
        {"PrivateFileKeepsItsMode", "root", [](const Place& at) { writeFile(at.target, "old", 0600); },
         nullptr, "600 root root"},
        {"FileKeepsItsOwnerAndGroup", "root",
         [](const Place& at) { writeFile(at.target, "old", 0664, "nobody"); }, nullptr, "664 nobody nogroup"},
        {"ReadOnlyFile", "root", [](const Place& at) { writeFile(at.target, "old", 0444); }, "read-only"},
        {"LinkToAFile", "root",
         [](const Place& at) {
             writeFile(at.outside / "victim", "precious", 0644);
             link(at.outside / "victim", at);
         },
         "link to a file"},
        {"DanglingLink", "root", [](const Place& at) { link(at.outside / "none", at); }, "leads to no file"},
        {"LinkIntoARootOnlyFolder", "root",
         [](const Place& at) {
             fs::create_directory(at.outside / "private");
             fs::permissions(at.outside / "private", fs::perms::owner_all);
             link(at.outside / "private" / "new", at);
         },
         "leads to no file"},
        {"LinkToItself", "root", [](const Place& at) { link(at.target.filename(), at); },
         "Too many levels of symbolic links"},
        {"Fifo", "root", [](const Place& at) { ASSERT_EQ(::mkfifo(at.target.c_str(), 0666), 0); },
         "named pipe (FIFO)"},
        {"CharacterDevice", "root",
         [](const Place& at) { ASSERT_EQ(::mknod(at.target.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0); },
         "device"},
        {"Folder", "root", [](const Place& at) { fs::create_directory(at.target); }, "folder"},
        {"Socket", "root", [](const Place& at) { socketAt(at.target); }, "socket"},
        // Rights, as a user who may write the folder but not every file in it.
        {"OwnFileInASharedFolder", "nobody",
         [](const Place& at) { writeFile(at.target, "old", 0644, "nobody"); }, nullptr, "644 nobody nogroup"},
        {"OtherUsersFileInASharedFolder", "nobody",
         [](const Place& at) { writeFile(at.target, "old", 0644); }, "Permission denied"},
        {"OtherUsersWritableFileInASharedFolder", "nobody",
         [](const Place& at) { writeFile(at.target, "old", 0666); }, nullptr, "666 nobody nogroup"},
        {"OtherUsersWritableFileInAStickyFolder", "nobody",
         [](const Place& at) {
             chmodFolder(at, 01777);
             writeFile(at.target, "old", 0666);
         },
         "sticky"},
        {"NewFileInAFolderOfAnotherUser", "nobody", [](const Place& at) { chmodFolder(at, 0755); },
         "Permission denied"},
    };
    return all;
}

void PrintTo(const Row& row, std::ostream* out) { *out << row.label; }

class Scratch {
  public:
    Scratch()
    {
        std::string pattern = (fs::temp_directory_path() / "routeseer-writer-XXXXXX").string();
        EXPECT_NE(::mkdtemp(pattern.data()), nullptr);
        root = pattern;
        fs::permissions(root, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        at = {root / "shared", root / "outside", root / "shared" / "f"};
        fs::create_directory(at.folder);
        fs::permissions(at.folder, fs::perms::all);
        fs::create_directory(at.outside);
    }
    ~Scratch()
    {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    fs::path root;
    Place at;
};

class Writer : public ::testing::TestWithParam<Row> {};

} // namespace

TEST_P(Writer, ReplacesOnlyWhatThisUserMayAndNeverWritesThroughAnything)
{
    const Row& row = GetParam();
    const Scratch scratch;
    if (row.plant)
        row.plant(scratch.at);
    ASSERT_FALSE(HasFatalFailure());
    std::map<std::string, std::string> disk = snapshot(scratch.root);
    const mode_t umask = ::umask(027);
    const Ran ran = writeAs(row.user, scratch.at.target, NewText);
    ::umask(umask);

    EXPECT_EQ(ran.status, row.reason ? 1 : 0) << ran.said;
    if (row.reason) {
        EXPECT_NE(ran.said.find(row.reason), std::string::npos) << ran.said;
    } else {
        struct stat written {};
        ASSERT_EQ(::lstat(scratch.at.target.c_str(), &written), 0);
        EXPECT_EQ(describe(written), row.after);
        disk["shared/f"] = describe(written) + " type " + std::to_string(S_IFREG) + ": " + NewText;
    }
    disk["shared"] = snapshot(scratch.root)["shared"]; // its times change, its rights are the row's
    EXPECT_EQ(snapshot(scratch.root), disk) << "something else changed, or a temporary file stayed";
}

INSTANTIATE_TEST_SUITE_P(Rows, Writer, ::testing::ValuesIn(rows()),
                         [](const ::testing::TestParamInfo<Row>& info) {
                             return std::string(info.param.label);
                         });

// A save killed at any moment leaves the old file or the new one, whole, and perhaps its temporary
// file, which the next save removes; one still being written by another process stays.
TEST(Leftovers, KilledSavesAreClearedAndRunningOnesKept)
{
    const Scratch scratch;
    const std::string whole(100000, 'm');
    ASSERT_EQ(writeAs("root", scratch.at.target, whole).status, 0);
    const int signals[] = {SIGKILL, SIGTERM, SIGINT, SIGHUP};
    for (int round = 0; round < 40; ++round) {
        const pid_t saver = ::fork();
        if (saver == 0) {
            ::execl(WRITEFILE_HELPER, WRITEFILE_HELPER, scratch.at.target.c_str(), whole.c_str(), "0",
                    nullptr);
            ::_exit(127);
        }
        ::usleep(static_cast<useconds_t>(1000 + round * 137 % 5000));
        ::kill(saver, signals[round % 4]);
        ::waitpid(saver, nullptr, 0);
        ASSERT_EQ(readFile(scratch.at.target), whole) << "round " << round;
    }

    // A save still running: its temporary file is locked, as the writer locks it.
    const fs::path running = scratch.at.folder / ".saving-running0";
    const fs::path killed = scratch.at.folder / ".saving-killed00";
    std::ofstream(running) << "half";
    std::ofstream(killed) << "half";
    const int held = ::open(running.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    ASSERT_EQ(writeAs("root", scratch.at.target, "next").status, 0);
    EXPECT_TRUE(fs::exists(running));
    ::close(held);
    Routeseer::clearLeftovers(scratch.at.folder);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(scratch.at.folder))
        left.push_back(entry.path().filename());
    EXPECT_EQ(left, std::vector<std::string>{"f"});
}

// Two programs saving one name at once: a cleaner never takes the other's temporary file, so every
// save of both succeeds and the file is always one of them, whole.
TEST(Leftovers, TwoWritersOfOneNameBothSucceed)
{
    const Scratch scratch;
    const std::string first(50000, 'a'), second(50000, 'b');
    const pid_t other = ::fork();
    if (other == 0) {
        ::execl(WRITEFILE_HELPER, WRITEFILE_HELPER, scratch.at.target.c_str(), second.c_str(), "300",
                nullptr);
        ::_exit(127);
    }
    const Ran mine = writeAs("root", scratch.at.target, first, 300);
    int status = 0;
    ::waitpid(other, &status, 0);
    EXPECT_EQ(mine.status, 0) << mine.said;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const std::string now = readFile(scratch.at.target);
    EXPECT_TRUE(now == first || now == second);
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.at.folder), fs::directory_iterator()), 1);
}

// A maps folder that cannot be made: the message names the folder that failed and the system's reason.
TEST(Folders, ThatCannotBeMadeSayWhichAndWhy)
{
    const Scratch scratch;
    std::ofstream(scratch.at.outside / "file") << "a file";
    fs::permissions(scratch.at.outside, fs::perms::all & ~fs::perms::others_write);
    struct Case {
        const char* user;
        fs::path folder;
        std::string said;
    };
    const Case cases[] = {
        {"root", scratch.at.outside / "file" / "maps",
         (scratch.at.outside / "file").string() + "\" could not be made: there is a file of that name"},
        {"nobody", scratch.at.outside / "new" / "maps",
         (scratch.at.outside / "new").string() + "\" could not be made: Permission denied"},
        {"nobody", scratch.at.folder / "new" / "maps", ""},
    };
    for (const Case& c : cases) {
        const Ran ran = helperAs(c.user, "--folder '" + c.folder.string() + "'");
        EXPECT_EQ(ran.status, c.said.empty() ? 0 : 1) << ran.said;
        EXPECT_NE(ran.said.find(c.said), std::string::npos) << ran.said;
        EXPECT_EQ(fs::is_directory(c.folder), c.said.empty()) << c.folder;
    }
}
