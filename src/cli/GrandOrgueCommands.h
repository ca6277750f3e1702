#pragma once

#include "cli/CliCommands.h"
#include "tuning/TuningExport.h"

#include <QHash>

#include <optional>

namespace cordavo {

// The exchange with GrandOrgue's settings file on the command line:
// "export --format grandorgue" and "library --grandorgue FILE".

// The whole answer of "export" when it is one for GrandOrgue (or a usage
// error for GrandOrgue's options given with another format); nothing when
// the export is another format's.
std::optional<CliResult> grandOrgueExport(const QHash<QString, QString> &options, const QStringList &positionals);
// The same for "library": the answer when --grandorgue or --title is given.
std::optional<CliResult> grandOrgueLibrary(const QHash<QString, QString> &options, const QStringList &positionals);

// Shared with the other commands (CliCommands.cpp).
CliResult cliUsageError(const QString &command, const QString &problem);
CliResult cliRefused(const QStringList &messages);
CliResult cliPrinted(const QStringList &lines);
// The temperament of --cents, --library or --temperament with --name and the
// two A's, or the answer that refuses them.
std::optional<CliResult> readCliSource(const QString &command, const QHash<QString, QString> &options,
                                       TuningSource &source);
// A number of cents as "library NAME" prints it.
QString cliCentsText(long double value);

} // namespace cordavo
