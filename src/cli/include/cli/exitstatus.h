// How routeseer-map ends, for scripts that run it in batches, and where its messages go.
#pragma once

#include <QByteArray>
#include <QString>

namespace ExitStatus {

inline constexpr int Done = 0;
inline constexpr int NoRoute = 1;  // the search found no route; its results are still printed
inline constexpr int BadInput = 2; // a file, an argument or the output could not be used

// Tells the person what went wrong, on the error output, and gives BadInput.
int fail(const QString& message);
// Writes to the standard output; BadInput if it cannot, Done otherwise.
int print(const QByteArray& bytes);

} // namespace ExitStatus
