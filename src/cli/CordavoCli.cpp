#include "cli/CliCommands.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>
#endif

// cordavo-cli: the program's calculations from the command line, no display needed.
int main(int argc, char *argv[])
{
    QStringList arguments;
#ifdef Q_OS_WIN
    // The documents and files go out as they are made: Windows' text mode
    // would turn each line's end into CR LF, and the document's CR LF into
    // CR CR LF. The arguments are read as the wide command line holds them,
    // so that names beyond the ANSI code page arrive whole.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    int count = 0;
    if (LPWSTR *wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int i = 1; i < count; ++i)
            arguments << QString::fromWCharArray(wide[i]);
        LocalFree(wide);
    }
    Q_UNUSED(argc);
    Q_UNUSED(argv);
#else
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
#endif
    const cordavo::CliResult result = cordavo::runCli(arguments);
    QByteArray errors = result.errors.toUtf8();
    int status = result.status;
    // What does not reach standard output (a full disk, a closed pipe) is a
    // failure, not a success with nothing written.
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle) ||
        out.write(result.output) != result.output.size() || !out.flush()) {
        errors += "cordavo-cli: cannot write to standard output: " + out.errorString().toUtf8() + '\n';
        if (status == cordavo::kCliSuccess)
            status = cordavo::kCliRefused;
    }
    std::fwrite(errors.constData(), 1, static_cast<size_t>(errors.size()), stderr);
    return status;
}
