#include "cli/exitstatus.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ExitStatus {

int fail(const QString& message)
{
    std::fprintf(stderr, "routeseer-map: %s\n", qPrintable(message));
    return BadInput;
}

int print(const QByteArray& bytes)
{
    // A full disk or a closed pipe must not pass for a finished job.
    if (std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) !=
            static_cast<std::size_t>(bytes.size()) ||
        std::fflush(stdout) != 0)
        return fail(
            QStringLiteral("cannot write the output: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
    return Done;
}

} // namespace ExitStatus
