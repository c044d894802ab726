// The file writer over whatever stands at the path and whoever writes: a file is replaced only
// where its user may, keeping its rights; nothing else is ever written through, replaced or left
// behind. The writer runs in a process of the row's user: root, or nobody under runuser.
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <map>
#include <pwd.h>
#include <sstream>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include "storage/filewriter.h"

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string describe(const fs::path& path)
{
    struct stat seen {};
    ::lstat(path.c_str(), &seen);
    std::ostringstream out;
    out << std::oct << (seen.st_mode & 07777) << ' ' << ::getpwuid(seen.st_uid)->pw_name << ' '
        << ::getgrgid(seen.st_gid)->gr_name;
    return out.str();
}

// Everything below `root`, links not followed: what each path is, its rights and what it holds.
std::map<std::string, std::string> snapshot(const fs::path& root)
{
    std::map<std::string, std::string> seen;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const auto type = entry.symlink_status().type();
        seen[entry.path().lexically_relative(root)] =
            describe(entry.path()) + " type " + std::to_string(int(type)) + " " +
            (type == fs::file_type::symlink   ? fs::read_symlink(entry.path()).string()
             : type == fs::file_type::regular ? readFile(entry.path())
                                              : "");
    }
    return seen;
}

struct Ran {
    int status;
    std::string said;
};

// The helper as this user, with a timeout that catches a writer waiting on a FIFO.
Ran helperAs(const std::string& user, const std::string& arguments)
{
    const std::string command = (user == "root" ? "" : "runuser -u " + user + " -- ") +
                                "timeout 10 " WRITEFILE_HELPER " " + arguments;
    std::FILE* out = ::popen(command.c_str(), "r");
    std::string said;
    for (char chunk[256]; std::fgets(chunk, sizeof chunk, out);)
        said += chunk;
    const int status = ::pclose(out);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, said};
}

Ran writeAs(const std::string& user, const fs::path& path, const std::string& text, int times = 1)
{
    return helperAs(user, "'" + path.string() + "' '" + text + "' " + std::to_string(times));
}

// A folder for each test: shared/ (where the writer writes f), outside/ with a file and a folder
// only root may enter, both readable to all.
struct Scratch {
    static fs::path made()
    {
        std::string pattern = (fs::temp_directory_path() / "routeseer-writer-XXXXXX").string();
        return ::mkdtemp(pattern.data());
    }
    Scratch()
    {
        ::chmod(root.c_str(), 0711);
        fs::create_directories(outside / "private");
        ::chmod((outside / "private").c_str(), 0700);
        std::ofstream(outside / "victim") << "precious";
        fs::create_directory(folder);
    }
    ~Scratch() { fs::remove_all(root); }
    fs::path root = made(), folder = root / "shared", outside = root / "outside", target = folder / "f";
};

// What a row plants at shared/f: "file MODE OWNER", "link TO" (TO relative to the scratch folder),
// "device", "socket", or nothing.
void plant(const Scratch& at, const std::string& what)
{
    std::istringstream words(what);
    std::string kind, mode, owner;
    words >> kind >> mode >> owner;
    if (kind == "file") {
        std::ofstream(at.target) << "old";
        const passwd* user = ::getpwnam(owner.c_str());
        ASSERT_EQ(::chown(at.target.c_str(), user->pw_uid, user->pw_gid), 0);
        ASSERT_EQ(::chmod(at.target.c_str(), std::stoi(mode, nullptr, 8)), 0);
    } else if (kind == "link")
        fs::create_symlink(at.root / mode, at.target);
    else if (kind == "device")
        ASSERT_EQ(::mknod(at.target.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    else if (kind == "socket") {
        sockaddr_un address{AF_UNIX, {}};
        std::strncpy(address.sun_path, at.target.c_str(), sizeof address.sun_path - 1);
        ASSERT_EQ(
            ::bind(::socket(AF_UNIX, SOCK_STREAM, 0), reinterpret_cast<sockaddr*>(&address), sizeof address),
            0);
    }
}

struct Row {
    const char* label;
    const char* user;
    mode_t folderMode;
    const char* plant;
    const char* reason; // a piece of the reason it is refused with; nullptr when it is written
    const char* after;  // "MODE OWNER GROUP" of the file written
};

// FIFOs, folders, read-only files and links to files, to nothing and to themselves are
// hostilefiles_test's, through savemap.
const Row rows[] = {
    {"NothingYetGetsTheUsualRightsUnderTheUmask", "root", 0777, "", nullptr, "640 root root"},
    {"PrivateFileKeepsItsMode", "root", 0777, "file 600 root", nullptr, "600 root root"},
    {"FileKeepsItsOwnerAndGroup", "root", 0777, "file 664 nobody", nullptr, "664 nobody nogroup"},
    {"LinkIntoARootOnlyFolder", "root", 0777, "link outside/private/new", "leads to no file", nullptr},
    {"CharacterDevice", "root", 0777, "device", "device", nullptr},
    {"Socket", "root", 0777, "socket", "socket", nullptr},
    {"OwnFileInASharedFolder", "nobody", 0777, "file 644 nobody", nullptr, "644 nobody nogroup"},
    {"OtherUsersFileInASharedFolder", "nobody", 0777, "file 644 root", "Permission denied", nullptr},
    {"OtherUsersWritableFile", "nobody", 0777, "file 666 root", nullptr, "666 nobody nogroup"},
    {"OtherUsersWritableFileInAStickyFolder", "nobody", 01777, "file 666 root", "sticky", nullptr},
    {"NewFileInAFolderOfAnotherUser", "nobody", 0755, "", "Permission denied", nullptr},
};

// The rows plant other users' files and write as nobody, which only root may do.
void skipUnlessRoot()
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can plant other users' files and write as nobody";
}

class Writer : public ::testing::TestWithParam<Row> {
  protected:
    void SetUp() override { skipUnlessRoot(); }
};

} // namespace

TEST_P(Writer, ReplacesOnlyWhatThisUserMayAndNeverWritesThroughAnything)
{
    const Row& row = GetParam();
    const Scratch at;
    ::chmod(at.folder.c_str(), row.folderMode);
    plant(at, row.plant);
    ASSERT_FALSE(HasFatalFailure());
    std::map<std::string, std::string> disk = snapshot(at.root);
    const mode_t umask = ::umask(027);
    const Ran ran = writeAs(row.user, at.target, "new text");
    ::umask(umask);

    EXPECT_EQ(ran.status, row.reason ? 1 : 0) << ran.said;
    EXPECT_NE(ran.said.find(row.reason ? row.reason : ""), std::string::npos) << ran.said;
    if (!row.reason)
        disk["shared/f"] = std::string(row.after) + " type 1 new text";
    disk["shared"] = snapshot(at.root)["shared"]; // its times change
    EXPECT_EQ(snapshot(at.root), disk) << "something else changed, or a temporary file stayed";
}

INSTANTIATE_TEST_SUITE_P(Rows, Writer, ::testing::ValuesIn(rows),
                         [](const auto& info) { return std::string(info.param.label); });

// Saves killed at any moment leave the old file or the new one, whole; the next save removes their
// temporary files, but not one that a save running in another process holds locked.
TEST(Leftovers, OfKilledSavesAreClearedAndRunningOnesKept)
{
    const Scratch at;
    const std::string whole(100000, 'm');
    ASSERT_EQ(writeAs("root", at.target, whole).status, 0);
    const int signals[] = {SIGKILL, SIGTERM, SIGINT, SIGHUP};
    for (int round = 0; round < 40; ++round) {
        const pid_t saver = ::fork();
        if (saver == 0)
            ::_exit(
                ::execl(WRITEFILE_HELPER, WRITEFILE_HELPER, at.target.c_str(), whole.c_str(), "0", nullptr));
        ::usleep(static_cast<useconds_t>(1000 + round * 137 % 5000));
        ::kill(saver, signals[round % 4]);
        ::waitpid(saver, nullptr, 0);
        ASSERT_TRUE(readFile(at.target) == whole) << "round " << round;
    }
    std::ofstream(at.folder / ".saving-running0") << "half";
    const int held = ::open((at.folder / ".saving-running0").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    ASSERT_EQ(writeAs("root", at.target, "next").status, 0);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(at.folder))
        left.push_back(entry.path().filename());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{".saving-running0", "f"}));
    ::close(held);
}

// Two programs saving one name at once: neither takes the other's temporary file as a leftover.
TEST(Leftovers, TwoWritersOfOneNameBothSucceed)
{
    const Scratch at;
    const pid_t other = ::fork();
    if (other == 0)
        ::_exit(writeAs("root", at.target, "b", 300).status);
    const Ran mine = writeAs("root", at.target, "a", 300);
    int status = 0;
    ::waitpid(other, &status, 0);
    EXPECT_EQ(mine.status, 0) << mine.said;
    EXPECT_EQ(status, 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(at.folder), fs::directory_iterator()), 1);
}

// A maps folder that cannot be made: the message names the folder that failed and the reason.
TEST(Folders, ThatCannotBeMadeSayWhichAndWhy)
{
    skipUnlessRoot();
    if (IsSkipped())
        return;
    const Scratch at;
    const std::string victim = at.outside / "victim", denied = at.outside / "new";
    for (const auto& [user, folder, said] :
         {std::tuple{"root", victim + "/maps", victim + "\" could not be made: there is a file of that name"},
          {"nobody", denied + "/maps", denied + "\" could not be made: Permission denied"},
          {"nobody", at.folder.string() + "/new/maps", std::string()}}) {
        ::chmod(at.folder.c_str(), 0777);
        const Ran ran = helperAs(user, "--folder '" + folder + "'");
        EXPECT_EQ(ran.status, said.empty() ? 0 : 1) << ran.said;
        EXPECT_NE(ran.said.find(said), std::string::npos) << ran.said;
        EXPECT_EQ(fs::is_directory(folder), said.empty()) << folder;
    }
}
