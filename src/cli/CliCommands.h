#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

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
// Only "xml --out", "export", "render" and "guide" write files.
CliResult runCli(const QStringList &arguments);

} // namespace cordavo
