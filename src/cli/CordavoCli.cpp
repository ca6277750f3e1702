#include "cli/CliCommands.h"

#include <QString>
#include <QStringList>

#include <cstdio>

// cordavo-cli: the program's calculations from the command line, no display needed.
int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const cordavo::CliResult result = cordavo::runCli(arguments);
    std::fwrite(result.output.constData(), 1, static_cast<size_t>(result.output.size()), stdout);
    std::fflush(stdout);
    const QByteArray errors = result.errors.toUtf8();
    std::fwrite(errors.constData(), 1, static_cast<size_t>(errors.size()), stderr);
    return result.status;
}
