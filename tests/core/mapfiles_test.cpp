// Map files: a raw image of the map, written whole and atomically, read whole or not at all.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <unistd.h>

#include "testmaps.h"

using namespace Routeseer;
namespace fs = std::filesystem;

namespace {

std::vector<std::byte> currentImage()
{
    const auto* first = reinterpret_cast<const std::byte*>(&MapGrid(0, 0));
    return {first, first + MapFileBytes};
}

std::vector<char> fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::vector<char>& bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Fills every byte of every square, carried bytes included, with something recognisable.
void scrambleMap(unsigned seed)
{
    std::mt19937 random(seed);
    auto* bytes = reinterpret_cast<unsigned char*>(&MapGrid(0, 0));
    for (std::size_t i = 0; i < MapFileBytes; ++i)
        bytes[i] = static_cast<unsigned char>(random());
}

class MapFiles : public ::testing::Test {
  protected:
    void SetUp() override
    {
        folder =
            fs::temp_directory_path() / ("routeseer-mapfiles-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override
    {
        std::error_code ignored;
        fs::permissions(folder / "old.map", fs::perms::owner_all, ignored);
        fs::remove_all(folder, ignored);
    }
    std::string file(const std::string& name) const { return (folder / name).string(); }
    bool onlyFilesAre(std::vector<std::string> names) const
    {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        std::sort(names.begin(), names.end());
        return found == names;
    }

    fs::path folder;
    std::string why;
};

} // namespace

// ---- Round trips and the layout on disk ----

TEST_F(MapFiles, SaveThenLoadGivesBackEveryByteIncludingTheCarriedOnes)
{
    scrambleMap(1);
    const auto saved = currentImage();
    ASSERT_TRUE(savemap(file("round.map"), &why)) << why;
    EXPECT_EQ(fs::file_size(file("round.map")), MapFileBytes);
    scrambleMap(2);
    ASSERT_TRUE(loadmap(file("round.map"), &why)) << why;
    EXPECT_EQ(currentImage(), saved);
    EXPECT_TRUE(onlyFilesAre({"round.map"})); // no temporary file left behind
}

TEST_F(MapFiles, SquaresLieInTheFileXFastestTenBytesEach)
{
    TestMaps::openMap();
    MapGrid(3, 0) = MapSquare{0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};
    MapGrid(0, 1).passable = 0x5678;
    MapGrid(GridLast, GridLast).passable = 0x0102;
    MapGrid(GridLast, GridLast).carried[7] = 0x99;
    ASSERT_TRUE(savemap(file("layout.map"), &why)) << why;
    const auto bytes = fileBytes(file("layout.map"));
    ASSERT_EQ(bytes.size(), MapFileBytes);
    const std::vector<char> square30(bytes.begin() + 30, bytes.begin() + 40);
    EXPECT_EQ(square30, (std::vector<char>{0x34, 0x12, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(bytes[1010], 0x78);
    EXPECT_EQ(bytes[1011], 0x56);
    EXPECT_EQ(bytes[102000], 0x02);
    EXPECT_EQ(bytes[102001], 0x01);
    EXPECT_EQ(static_cast<unsigned char>(bytes[102009]), 0x99);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF); // open squares are written as -1
}

TEST_F(MapFiles, UnusualPassableValuesLoadUnchanged)
{
    std::vector<char> bytes(MapFileBytes, 0);
    bytes[10 * 5] = 7;              // (5, 0) = 7
    bytes[10 * 6 + 1] = char(0x80); // (6, 0) = -32768
    writeFile(file("odd.map"), bytes);
    ASSERT_TRUE(loadmap(file("odd.map"), &why)) << why;
    EXPECT_EQ(MapGrid(5, 0).passable, 7);
    EXPECT_EQ(MapGrid(6, 0).passable, -32768);
    EXPECT_EQ(MapGrid(7, 0).passable, Wall);
}

TEST_F(MapFiles, LongerFileLoadsItsFirstMapAndIsReplacedWholeBySave)
{
    scrambleMap(3);
    const auto expected = currentImage();
    std::vector<char> bytes(MapFileBytes + 50, 'x');
    std::memcpy(bytes.data(), expected.data(), MapFileBytes);
    writeFile(file("long.map"), bytes);
    scrambleMap(4);
    ASSERT_TRUE(loadmap(file("long.map"), &why)) << why;
    EXPECT_EQ(currentImage(), expected);

    ASSERT_TRUE(savemap(file("long.map"), &why)) << why;
    EXPECT_EQ(fs::file_size(file("long.map")), MapFileBytes);
}

// ---- Loads that cannot succeed leave the map alone and say why ----

TEST_F(MapFiles, ShortFileIsRefusedAndTheMapStaysAsItWas)
{
    scrambleMap(5);
    const auto before = currentImage();
    writeFile(file("short.map"), std::vector<char>(1000, 0));
    EXPECT_FALSE(loadmap(file("short.map"), &why));
    EXPECT_NE(why.find("1000 bytes"), std::string::npos) << why;
    EXPECT_EQ(currentImage(), before);

    writeFile(file("empty.map"), {});
    EXPECT_FALSE(loadmap(file("empty.map"), &why));
    EXPECT_EQ(currentImage(), before);
}

TEST_F(MapFiles, MissingFileIsRefusedAndNotCreated)
{
    scrambleMap(6);
    const auto before = currentImage();
    EXPECT_FALSE(loadmap(file("absent.map"), &why));
    EXPECT_NE(why.find("No such file"), std::string::npos) << why;
    EXPECT_EQ(currentImage(), before);
    EXPECT_TRUE(onlyFilesAre({}));
}

TEST_F(MapFiles, FolderInsteadOfAFileIsRefused)
{
    scrambleMap(7);
    const auto before = currentImage();
    fs::create_directory(folder / "dir.map");
    EXPECT_FALSE(loadmap(file("dir.map"), &why));
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(currentImage(), before);
}

TEST_F(MapFiles, EmptyPathTouchesNothing)
{
    scrambleMap(8);
    const auto before = currentImage();
    EXPECT_FALSE(loadmap("", &why));
    EXPECT_FALSE(savemap("", &why));
    EXPECT_FALSE(why.empty());
    EXPECT_EQ(currentImage(), before);
}

// ---- Saves that cannot succeed leave the old file intact and say why ----

TEST_F(MapFiles, ReadOnlyFileIsNotOverwritten)
{
    const std::vector<char> old(MapFileBytes, 0x11);
    writeFile(file("old.map"), old);
    fs::permissions(file("old.map"), fs::perms::owner_read | fs::perms::group_read);
    scrambleMap(9);
    EXPECT_FALSE(savemap(file("old.map"), &why));
    EXPECT_NE(why.find("read-only"), std::string::npos) << why;
    EXPECT_EQ(fileBytes(file("old.map")), old);
    EXPECT_TRUE(onlyFilesAre({"old.map"}));
}

TEST_F(MapFiles, FolderInTheWayIsNotReplaced)
{
    fs::create_directory(folder / "dir.map");
    EXPECT_FALSE(savemap(file("dir.map"), &why));
    EXPECT_FALSE(why.empty());
    EXPECT_TRUE(fs::is_directory(folder / "dir.map"));
    EXPECT_TRUE(onlyFilesAre({"dir.map"}));
}

TEST_F(MapFiles, SaveIntoAMissingFolderFailsWithoutCreatingIt)
{
    EXPECT_FALSE(savemap(file("nowhere/new.map"), &why));
    EXPECT_NE(why.find("No such file"), std::string::npos) << why;
    EXPECT_TRUE(onlyFilesAre({}));
}
