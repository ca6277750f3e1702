#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace cordavo {

// Exit statuses of cordavo-cli.
inline constexpr int kCliSuccess = 0;
inline constexpr int kCliRefused = 1; // data refused, with its message
inline constexpr int kCliUsage = 2;   // a wrong command line

struct CliResult {
    int status = kCliSuccess;
    QByteArray output; // for standard output
    QString errors;    // for standard error, one message a line
};

// Runs one command line, the program's name left out. Numbers on it and in
// the output use the full stop; data files are read with either separator.
// Only "xml --out" and "export" write files.
CliResult runCli(const QStringList &arguments);

// For the commands written in files of their own.
struct TuningSource;
// A wrong command line: the problem and where to find the usage.
CliResult cliUsageError(const QString &command, const QString &problem);
// Data refused, one message a line.
CliResult cliRefused(const QStringList &messages);
// The temperament from exactly one of --cents, --library and --temperament,
// with the two A's, checked as Generate xml checks them; or the result
// that refuses them.
std::optional<CliResult> readCliSource(const QString &command, const QHash<QString, QString> &options,
                                       TuningSource &source);
// Lines for standard output, each ended by a line break.
CliResult cliPrinted(const QStringList &lines);
// A number of cents as "library NAME" prints it.
QString cliCentsText(long double value);

} // namespace cordavo
