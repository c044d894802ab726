// text and make: a map file as text, and text as a map file.
#include <QFile>

#include "cli/exitstatus.h"
#include "cli/jobs.h"
#include "cli/maptext.h"
#include "map/routeseer.h"

namespace Jobs {

namespace {

// "-" is the standard input, so a text can come through a pipe.
std::optional<QByteArray> readText(const QString& path)
{
    QFile file(path);
    const bool opened =
        path == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    QByteArray text = opened ? file.readAll() : QByteArray();
    if (!opened || file.error() != QFileDevice::NoError) {
        ExitStatus::fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    return text;
}

} // namespace

int text(const CommandLine::Request& request)
{
    if (!loadMapFile(request.files[0]))
        return ExitStatus::BadInput;
    return ExitStatus::print(QByteArray::fromStdString(MapText::fromMap()));
}

int make(const CommandLine::Request& request)
{
    const QString& source = request.files[0];
    const QString& target = request.files[1];
    const std::optional<QByteArray> text = readText(source);
    if (!text)
        return ExitStatus::BadInput;
    if (const auto problem = MapText::toMap(text->toStdString()))
        return ExitStatus::fail(QStringLiteral("%1:%2:%3: %4")
                                    .arg(source)
                                    .arg(problem->line)
                                    .arg(problem->column)
                                    .arg(QString::fromStdString(problem->what)));
    // Saved as the window saves: the whole file at once, through a temporary file and a rename.
    std::string why;
    if (!Routeseer::savemap(target.toStdString(), &why))
        return ExitStatus::fail(QStringLiteral("%1: %2").arg(target, QString::fromStdString(why)));
    return ExitStatus::Done;
}

} // namespace Jobs
