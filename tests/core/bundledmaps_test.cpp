// The maps that ship beside the program, as the build makes them from their text in data/maps:
// what each is meant to show holds, and every one is usable.
#include <gtest/gtest.h>

#include <filesystem>

#include "testmaps.h"

using namespace Routeseer;
namespace fs = std::filesystem;

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

TEST(BundledMaps, MazeIsPerfectOneCorridorBetweenAnyTwoOfItsSquares)
{
    std::string why;
    ASSERT_TRUE(loadmap(std::string(BUNDLED_MAPS_DIR) + "/maze.map", &why)) << why;
    // Corridors run along rows and columns only; a maze without loops is a tree: one fewer side by
    // side pair of open squares than open squares, and the search reaches every one.
    int open = 0, pairs = 0;
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x) {
            if (MapGrid(x, y).passable == Wall)
                continue;
            ++open;
            pairs += (x < GridLast && MapGrid(x + 1, y).passable != Wall) +
                     (y < GridLast && MapGrid(x, y + 1).passable != Wall);
        }
    EXPECT_EQ(pairs, open - 1);
    TestMaps::search(TestMaps::at(1, 1), TestMaps::at(0, 0)); // a walled finish: the flood runs out
    int reached = 0;
    for (int y = 0; y <= GridLast; ++y)
        for (int x = 0; x <= GridLast; ++x)
            reached += DistanceGrid(x, y) > 0;
    EXPECT_EQ(reached, open); // the start is found again, so it counts too
}
