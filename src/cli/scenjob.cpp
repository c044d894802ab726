// scen: every query of a benchmark scenario solved on its benchmark map by the octile rule, each
// cost checked against the least cost the file gives, and what the searches took.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/boundedinput.h"
#include "cli/exitstatus.h"
#include "cli/jobs.h"
#include "searches/benchmarkfiles.h"
#include "searches/searcher.h"

using namespace Searches;

namespace Jobs {

namespace {

using CommandLine::shown;

// The wrong costs named by their lines; the rest are only counted.
constexpr std::size_t WrongNamed = 5;

struct Wrong {
    const ScenarioQuery* query;
    std::optional<double> cost; // none: no route found
};

struct Tally {
    std::size_t queries = 0;
    std::size_t optimal = 0;
    std::vector<Wrong> wrong;
    std::size_t wrongCount = 0;
    std::int64_t expanded = 0;
    std::chrono::nanoseconds time{0};

    double perQuery(double total) const { return queries ? total / double(queries) : 0; }
    double seconds() const { return std::chrono::duration<double>(time).count(); }
};

// Opens and reads one of the job's files with `read`; says what is wrong with it if anything.
template <typename Read> bool readFile(const std::string& path, Read read)
{
    BoundedInput::Reader input(path);
    std::string why;
    if (!input.opened(&why)) {
        ExitStatus::fail(QStringLiteral("%1: %2").arg(shown(path), QString::fromStdString(why)));
        return false;
    }
    if (const std::optional<TextProblem> problem = read(input)) {
        problemAt(path, *problem);
        return false;
    }
    return true;
}

QString wrongText(const Wrong& wrong)
{
    const int decimals = wrong.query->decimals;
    return QStringLiteral("line %1: %2, the file gives %3")
        .arg(wrong.query->line)
        .arg(wrong.cost ? QStringLiteral("cost %1").arg(*wrong.cost, 0, 'f', decimals)
                        : QStringLiteral("no route"))
        .arg(wrong.query->optimal, 0, 'f', decimals);
}

QByteArray asText(Method method, const Tally& tally)
{
    QString text = QStringLiteral("search: %1\nqueries: %2\noptimal: %3\nwrong: %4\n")
                       .arg(QString::fromLatin1(nameOf(method).data()))
                       .arg(tally.queries)
                       .arg(tally.optimal)
                       .arg(tally.wrongCount);
    for (const Wrong& wrong : tally.wrong)
        text += QStringLiteral("  %1\n").arg(wrongText(wrong));
    text += QStringLiteral("expanded per query: %1\nmicroseconds per query: %2\n")
                .arg(tally.perQuery(double(tally.expanded)), 0, 'f', 1)
                .arg(tally.perQuery(tally.seconds() * 1e6), 0, 'f', 2);
    return text.toUtf8();
}

QByteArray asJson(const CommandLine::Request& request, Method method, const Tally& tally)
{
    QJsonArray wrong;
    for (const Wrong& each : tally.wrong)
        wrong.append(QJsonObject{{QStringLiteral("line"), each.query->line},
                                 {QStringLiteral("cost"), each.cost ? QJsonValue(*each.cost) : QJsonValue()},
                                 {QStringLiteral("optimal"), each.query->optimal}});
    const QJsonObject result{
        {QStringLiteral("scenario"), shown(request.files[0])},
        {QStringLiteral("map"), shown(request.map)},
        {QStringLiteral("search"), QString::fromLatin1(nameOf(method).data())},
        {QStringLiteral("queries"), qint64(tally.queries)},
        {QStringLiteral("optimal"), qint64(tally.optimal)},
        {QStringLiteral("wrong"), qint64(tally.wrongCount)},
        {QStringLiteral("firstWrong"), wrong},
        {QStringLiteral("expanded"), qint64(tally.expanded)},
        {QStringLiteral("expandedPerQuery"), tally.perQuery(double(tally.expanded))},
        {QStringLiteral("seconds"), tally.seconds()},
        {QStringLiteral("microsecondsPerQuery"), tally.perQuery(tally.seconds() * 1e6)},
    };
    return QJsonDocument(result).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

int scen(const CommandLine::Request& request)
{
    if (request.map.empty())
        return ExitStatus::fail(
            QStringLiteral("scen needs --map FILE.map, the benchmark map of its queries"));
    const Method method = request.search.value_or(Method::AStar);
    std::vector<ScenarioQuery> queries;
    std::optional<Grid> grid;
    if (!readFile(request.files[0],
                  [&](BoundedInput::Reader& input) { return readScenario(input, queries); }) ||
        !readFile(request.map, [&](BoundedInput::Reader& input) { return readMap(input, grid); }))
        return ExitStatus::BadInput;
    for (const ScenarioQuery& query : queries)
        if (query.map.width != grid->width() || query.map.height != grid->height())
            return problemAt(request.files[0],
                             {query.line, 1,
                              "the query is on a map of " + std::to_string(query.map.width) + " x " +
                                  std::to_string(query.map.height) + ", but " +
                                  shown(request.map).toStdString() + " is " + std::to_string(grid->width()) +
                                  " x " + std::to_string(grid->height())});

    Searcher searcher(*grid);
    Tally tally;
    for (const ScenarioQuery& query : queries) {
        const Outcome outcome = searcher.find(method, Moves::Octile, query.start, query.goal);
        ++tally.queries;
        tally.expanded += outcome.figures.expanded;
        tally.time += outcome.time;
        if (outcome.figures.found && matchesOptimal(query, outcome.figures.routeCost)) {
            ++tally.optimal;
            continue;
        }
        if (tally.wrongCount++ < WrongNamed)
            tally.wrong.push_back(
                {&query, outcome.figures.found ? std::optional(outcome.figures.routeCost) : std::nullopt});
    }
    const int printed =
        ExitStatus::print(request.json ? asJson(request, method, tally) : asText(method, tally));
    if (printed != ExitStatus::Done)
        return printed;
    return tally.wrongCount == 0 ? ExitStatus::Done : ExitStatus::NoRoute;
}

} // namespace Jobs
