#include <charconv>
#include <cmath>
#include <string_view>

#include "searches/benchmarkfiles.h"

namespace Searches {

namespace {

constexpr int ScenarioFields = 9;

struct Field {
    std::string_view text;
    int column;
};

std::vector<Field> fieldsOf(std::string_view line)
{
    std::vector<Field> fields;
    for (std::size_t begin = 0;;) {
        const std::size_t end = line.find('\t', begin);
        fields.push_back({line.substr(begin, end - begin), static_cast<int>(begin) + 1});
        if (end == std::string_view::npos)
            return fields;
        begin = end + 1;
    }
}

bool wholeNumber(std::string_view text, int lowest, int highest, int& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value >= lowest && value <= highest;
}

// Digits, a point and digits: the form the files print lengths in.
bool length(std::string_view text, double& value, int& decimals)
{
    const std::size_t point = text.find('.');
    decimals = point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string_view::npos ||
        text.find('.', point == std::string_view::npos ? text.size() : point + 1) != std::string_view::npos ||
        text.front() == '.' || text.back() == '.')
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

std::optional<TextProblem> readQuery(std::string_view line, int number, ScenarioQuery& query)
{
    const std::vector<Field> fields = fieldsOf(line);
    if (fields.size() != ScenarioFields)
        return TextProblem{number, 1,
                           std::to_string(fields.size()) + " fields split by tabs, but a query has " +
                               std::to_string(ScenarioFields) +
                               ": bucket, map, width, height, start x, start y, goal x, goal y, length"};
    const auto bad = [&](int field, const std::string& what) {
        return TextProblem{number, fields[field].column, what};
    };
    int bucket = 0;
    if (!wholeNumber(fields[0].text, 0, 1 << 30, bucket))
        return bad(0, "the bucket is no whole number");
    if (fields[1].text.empty())
        return bad(1, "no map name");
    const std::string sides = " is no whole number from 1 to " + std::to_string(LargestSide);
    if (!wholeNumber(fields[2].text, 1, LargestSide, query.map.width))
        return bad(2, "the width" + sides);
    if (!wholeNumber(fields[3].text, 1, LargestSide, query.map.height))
        return bad(3, "the height" + sides);
    int* const coordinates[] = {&query.start.x, &query.start.y, &query.goal.x, &query.goal.y};
    const char* names[] = {"the start's x", "the start's y", "the goal's x", "the goal's y"};
    for (int i = 0; i < 4; ++i) {
        const int side = i % 2 == 0 ? query.map.width : query.map.height;
        if (!wholeNumber(fields[4 + i].text, 0, side - 1, *coordinates[i]))
            return bad(4 + i,
                       std::string(names[i]) + " is no whole number from 0 to " + std::to_string(side - 1));
    }
    if (!length(fields[8].text, query.optimal, query.decimals))
        return bad(8, "the length is no number like 12.41421356");
    query.line = number;
    return std::nullopt;
}

} // namespace

std::optional<TextProblem> readScenario(LineSource& input, std::vector<ScenarioQuery>& queries)
{
    std::string line, why;
    if (!input.readLine(LongestScenarioLine, line, &why))
        return TextProblem{1, 1, why.empty() ? "the file is empty, not a scenario" : why};
    std::string_view first = line;
    if (first.ends_with('\r'))
        first.remove_suffix(1);
    if (first != "version 1" && first != "version 1.0")
        return TextProblem{1, 1, "expected \"version 1\""};
    for (int number = 2;; ++number) {
        if (!input.readLine(LongestScenarioLine, line, &why)) {
            if (!why.empty())
                return TextProblem{number, 1, why};
            return queries.empty() ? std::optional(TextProblem{number, 1, "no query after the version line"})
                                   : std::nullopt;
        }
        if (queries.size() == LargestScenario)
            return TextProblem{number, 1, "more than " + std::to_string(LargestScenario) + " queries"};
        std::string_view text = line;
        if (text.ends_with('\r'))
            text.remove_suffix(1);
        ScenarioQuery query{};
        if (auto problem = readQuery(text, number, query))
            return problem;
        queries.push_back(query);
    }
}

bool matchesOptimal(const ScenarioQuery& query, double cost)
{
    const double halfUnit = 0.5 * std::pow(10.0, -query.decimals);
    const double floatError = 1e-9 * (1 + std::abs(query.optimal));
    return std::abs(cost - query.optimal) <= halfUnit + floatError;
}

} // namespace Searches
