#include "cli/CliCommands.h"

#include "CordavoVersion.h"
#include "cli/Commands.h"

namespace cordavo {

namespace {

const char kMainHelp[] = R"(Usage: cordavo-cli COMMAND [OPTIONS] [ARGUMENTS]

Cordavo's calculations without its windows.

Commands:
  xml        the temperament document made from a supplier and a temperament file
  export     the temperament for other instruments: Scala, AnaMark, MIDI Tuning Standard,
             GrandOrgue's user temperaments
  library    the library's temperaments, or one temperament's twelve deviations;
             GrandOrgue's user temperaments
  fifths     the twelve positions of a circle of fifths
  intervals  the twelve positions of twelve intervals written as fractions
  diff       the twelve values that a setter's "Export" hands the main window
  render     the temperament heard: notes played together, written as a WAV file
  guide      the tuning guide for a real instrument: bearing, beats and checks
  send       the temperament sent to a MIDI instrument in the MIDI Tuning Standard

Numbers on the command line and in the output are written with the full stop;
data files may use the full stop or the comma.
Exit status: 0 done, 1 data refused, 2 wrong command line.
Run "cordavo-cli COMMAND --help" for the options of a command,
"cordavo-cli --version" for the version.
)";

bool isHelp(const QString &argument)
{
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

} // namespace

CliResult runCli(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return {kCliUsage, {}, QString::fromLatin1(kMainHelp)};
    const QString &first = arguments.first();
    const bool help = isHelp(first) || first == QLatin1String("help");
    if ((help || first == QLatin1String("--version")) && arguments.size() > 1) {
        QString problem = QStringLiteral("unexpected argument \"%1\" after %2").arg(arguments[1], first);
        if (help)
            problem += QStringLiteral("; \"cordavo-cli COMMAND --help\" tells of a command");
        return cliUsageError(QString(), problem);
    }
    if (help)
        return cliHelp(QString::fromUtf8(kMainHelp));
    if (first == QLatin1String("--version"))
        return {kCliSuccess, QByteArray("cordavo-cli ") + kVersion + '\n', {}};
    for (const CliCommand *command :
         {&kXmlCommand, &kExportCommand, &kLibraryCommand, &kFifthsCommand, &kIntervalsCommand, &kDiffCommand,
          &kRenderCommand, &kGuideCommand, &kSendCommand}) {
        if (first == QLatin1String(command->name))
            return runCliCommand(*command, arguments.mid(1));
    }
    return cliUsageError(QString(), QStringLiteral("unknown command \"%1\"").arg(first));
}

} // namespace cordavo
