#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <string>

namespace cordavo {

struct CliRun {
    int status = -1;
    QByteArray out;
    QString err;

    QStringList outLines() const { return QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
    // Texts for comparing, so that a failure shows them readably.
    std::string errText() const { return err.toStdString(); }
    std::string outText() const { return outLines().join(QLatin1Char('|')).toStdString(); }
};

// Runs the built cordavo-cli as a process, with no display to reach.
inline CliRun runCordavoCli(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(CORDAVO_CLI), arguments);
    CliRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        // Why it did not end by itself, for the failure to show.
        run.err = QStringLiteral("cordavo-cli did not run to its end: %1 (exit code %2)")
                      .arg(process.errorString())
                      .arg(process.exitCode());
        return run;
    }
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace cordavo
