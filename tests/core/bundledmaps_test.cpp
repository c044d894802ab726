// The maps shipped in data/ are exactly what tools/mapmaker makes, and they are usable.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "testmaps.h"

using namespace Routeseer;
namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

TEST(BundledMaps, MatchWhatTheMapMakerMakes)
{
    const fs::path made = fs::temp_directory_path() / ("routeseer-mapmaker-" + std::to_string(::getpid()));
    fs::create_directories(made);
    ASSERT_EQ(std::system((std::string(MAPMAKER_PATH) + " " + made.string()).c_str()), 0);
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(made)) {
        const fs::path bundled = fs::path(BUNDLED_MAPS_DIR) / entry.path().filename();
        EXPECT_TRUE(fs::exists(bundled)) << bundled << " is made but not bundled";
        EXPECT_TRUE(contents(bundled) == contents(entry.path())) << bundled << " differs: run mapmaker data";
        ++compared;
    }
    fs::remove_all(made);
    EXPECT_GE(compared, 1);
}

TEST(BundledMaps, DefaultMapIsWalledAllRoundAndOpenInside)
{
    std::string why;
    ASSERT_TRUE(loadmap(std::string(BUNDLED_MAPS_DIR) + "/blankmap.map", &why)) << why;
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x) {
            const bool border = x == 0 || y == 0 || x == GridLast || y == GridLast;
            ASSERT_EQ(MapGrid(x, y).passable, border ? Wall : Open) << x << ", " << y;
            for (std::uint8_t carried : MapGrid(x, y).carried)
                ASSERT_EQ(carried, 0) << x << ", " << y;
        }
    EXPECT_EQ(TestMaps::search(TestMaps::at(5, 5), TestMaps::at(87, 87)), 0);
    EXPECT_EQ(pathlength, 82);
}

TEST(BundledMaps, EverySampleIsWalledAllRoundAndConnectsTheDefaultStartAndFinish)
{
    int samples = 0;
    for (const auto& entry : fs::directory_iterator(BUNDLED_MAPS_DIR)) {
        if (entry.path().extension() != ".map" || entry.path().filename() == "blankmap.map")
            continue;
        ++samples;
        std::string why;
        ASSERT_TRUE(loadmap(entry.path().string(), &why)) << entry.path() << ": " << why;
        for (int i = 0; i <= GridLast; ++i) {
            ASSERT_EQ(MapGrid(i, 0).passable, Wall) << entry.path();
            ASSERT_EQ(MapGrid(i, GridLast).passable, Wall) << entry.path();
            ASSERT_EQ(MapGrid(0, i).passable, Wall) << entry.path();
            ASSERT_EQ(MapGrid(GridLast, i).passable, Wall) << entry.path();
        }
        EXPECT_EQ(TestMaps::search(TestMaps::at(5, 5), TestMaps::at(87, 87)), 0) << entry.path();
    }
    EXPECT_GE(samples, 4);
}

TEST(BundledMaps, DiagonalSampleIsCrossedBetweenWallsThatTouchAtTheirCorners)
{
    std::string why;
    ASSERT_TRUE(loadmap(std::string(BUNDLED_MAPS_DIR) + "/diagonal.map", &why)) << why;
    TestMaps::search(TestMaps::at(5, 5), TestMaps::at(87, 87));
    // The wall runs along x + y = 100; the route must step from one side of it straight to the other.
    int crossings = 0;
    for (std::size_t k = 1; k < PathSteps.size(); ++k) {
        const int before = PathSteps[k - 1].x + PathSteps[k - 1].y, after = PathSteps[k].x + PathSteps[k].y;
        if (before == GridLast - 1 && after == GridLast + 1) {
            ++crossings;
            EXPECT_EQ(MapGrid(PathSteps[k].x, PathSteps[k - 1].y).passable, Wall);
            EXPECT_EQ(MapGrid(PathSteps[k - 1].x, PathSteps[k].y).passable, Wall);
        }
    }
    EXPECT_EQ(crossings, 1);
}
