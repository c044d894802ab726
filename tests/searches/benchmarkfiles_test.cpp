// The benchmark files as the readers take them: a map at its full size with every kind of square,
// a scenario's queries and the precision of their lengths, and the place of each kind of fault.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "searches/benchmarkfiles.h"

using namespace Searches;

TEST(BenchmarkMap, IsReadAtItsFullSizeWithEveryKindOfSquare)
{
    TextLines text("type octile\nheight 2\nwidth 7\nmap\n.GS@OTW\r\n@......\n");
    std::optional<Grid> grid;
    ASSERT_FALSE(readMap(text, grid));
    ASSERT_EQ(grid->width(), 7);
    ASSERT_EQ(grid->height(), 2);
    std::string open;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 7; ++x)
            open += grid->open({x, y}) ? '.' : '#';
    EXPECT_EQ(open, "...####"
                    "#......");
}

TEST(Scenario, QueriesKeepTheirPlacesAndThePrecisionOfTheirLengths)
{
    TextLines text(
        "version 1\n0\tmaps/a b.map\t9\t6\t1\t2\t8\t5\t7.41421356\r\n3\tx.map\t9\t6\t0\t0\t0\t1\t1\n");
    std::vector<ScenarioQuery> queries;
    ASSERT_FALSE(readScenario(text, queries));
    ASSERT_EQ(queries.size(), 2u);
    const ScenarioQuery& first = queries[0];
    EXPECT_EQ(first.line, 2);
    EXPECT_EQ(first.map.width, 9);
    EXPECT_EQ(first.map.height, 6);
    EXPECT_EQ(first.start, (Square{1, 2}));
    EXPECT_EQ(first.goal, (Square{8, 5}));
    EXPECT_EQ(first.decimals, 8);
    EXPECT_TRUE(matchesOptimal(first, 6 + std::numbers::sqrt2));
    EXPECT_FALSE(matchesOptimal(first, 6 + std::numbers::sqrt2 + 1e-7));
    EXPECT_EQ(queries[1].decimals, 0);
    EXPECT_TRUE(matchesOptimal(queries[1], 1.4));
    EXPECT_FALSE(matchesOptimal(queries[1], std::numbers::sqrt2 + 0.1));
}

TEST(Scenario, AFaultIsNamedWithItsLineAndColumn)
{
    struct Row {
        const char* text;
        int line;
        int column;
        const char* said;
    };
    const Row rows[] = {
        {"", 1, 1, "empty"},
        {"version 2\n", 1, 1, "version 1"},
        {"version 1\n", 2, 1, "no query"},
        {"version 1\n0\tm.map\t9\t6\t1\t2\t8\t5\n", 2, 1, "8 fields"},
        {"version 1\n0\tm.map\t9\t6\t1\t2\t9\t5\t7.5\n", 2, 17, "goal's x is no whole number from 0 to 8"},
        {"version 1\n0\tm.map\t9999\t6\t1\t2\t8\t5\t7.5\n", 2, 9, "width"},
        {"version 1\n0\tm.map\t9\t6\t1\t2\t8\t5\t7.5e1\n", 2, 21, "length"},
        {"version 1\n0\t\t9\t6\t1\t2\t8\t5\t7.5\n", 2, 3, "no map name"},
    };
    for (const Row& row : rows) {
        TextLines text(row.text);
        std::vector<ScenarioQuery> queries;
        const std::optional<TextProblem> problem = readScenario(text, queries);
        ASSERT_TRUE(problem) << row.text;
        EXPECT_EQ(problem->line, row.line) << row.text;
        EXPECT_EQ(problem->column, row.column) << row.text;
        EXPECT_NE(problem->what.find(row.said), std::string::npos) << problem->what;
    }
}
