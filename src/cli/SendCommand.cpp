#include "cli/Commands.h"

#include "devices/MidiOutput.h"
#include "devices/MidiPorts.h"
#include "tuning/TuningExport.h"

namespace cordavo {

namespace {

const char kSendHelp[] = R"(Usage: cordavo-cli send --port NAME --format mts-bulk|mts-keys|mts-octave
                        (--cents C0,...,C11 | --library NAME | --temperament FILE.Tmp)
                        [--old-a HZ] [--new-a HZ] [--name TEXT]
       cordavo-cli send --list

Sends the temperament to a MIDI instrument: the bytes "cordavo-cli export"
writes for the same format and temperament, nothing else, to the MIDI
output NAME. Where a JACK server runs, the outputs are the MIDI input ports
of JACK's clients ("client:port"); otherwise the ALSA sequencer's on Linux,
the system's MIDI devices on Windows.

  --list              the MIDI outputs, one a line, by the names --port takes
  --port NAME         the MIDI output to send to
  --format FORMAT     mts-bulk    MIDI Tuning Standard bulk dump
                      mts-keys    single-note changes for all 128 keys
                      mts-octave  scale/octave tuning, 2-byte form, after
                                  the master tuning that carries the A
  --cents LIST        the twelve notes C to B in cents from equal
                      temperament, separated by commas
  --library NAME      a temperament of the library (see "cordavo-cli library")
  --temperament FILE  a temperament file (.Tmp)
  --old-a HZ          A of the old temperament, LOWEST_A to HIGHEST_A (default 440)
  --new-a HZ          A of the new temperament, LOWEST_A to HIGHEST_A (default 440)
  --name TEXT         the name a bulk dump carries (default: the library
                      entry's or the temperament file's name)

The temperament options act as for "cordavo-cli export"; see its help for
what an instrument needs before it plays single-note changes, and for the
notes a message cannot carry, which are named on standard error. A port
that is not there is refused with the list of those that are, and nothing
is sent.

Example: cordavo-cli send --port "FLUID Synth:midi_00" --format mts-octave --library "Werckmeister III"
)";

const QStringList &sendFormats()
{
    static const QStringList formats{tuningFormatName(TuningFormat::MtsBulk), tuningFormatName(TuningFormat::MtsKeys),
                                     tuningFormatName(TuningFormat::MtsOctave)};
    return formats;
}

CliResult runSend(const CliOptions &options, const QStringList & /*positionals*/)
{
    const QString command = QStringLiteral("send");
    if (options.contains(QStringLiteral("list"))) {
        if (options.size() > 1)
            return cliUsageError(command, QStringLiteral("--list takes no other option"));
        const QStringList names = midiOutputNames();
        if (names.isEmpty())
            return {kCliSuccess, {}, QStringLiteral("No MIDI output was found\n")};
        return cliPrinted(names);
    }
    if (!options.contains(QStringLiteral("port")))
        return cliUsageError(command, QStringLiteral("--port NAME is required (\"--list\" lists the names)"));
    if (!options.contains(QStringLiteral("format")))
        return cliUsageError(command, QStringLiteral("--format FORMAT is required"));
    const QString formatText = options[QStringLiteral("format")];
    if (!sendFormats().contains(formatText)) {
        return cliUsageError(command, QStringLiteral("--format: \"%1\" is not one of %2")
                                          .arg(formatText, sendFormats().join(QStringLiteral(", "))));
    }
    TuningSource source;
    if (auto refusal = readCliSource(command, options, source))
        return *refusal;

    const QString port = options[QStringLiteral("port")];
    const QStringList names = midiOutputNames();
    if (!names.contains(port)) {
        QString text = QStringLiteral("cordavo-cli send: --port: there is no MIDI output \"%1\"; ").arg(port);
        text += names.isEmpty() ? QStringLiteral("No MIDI output was found")
                                : QStringLiteral("the MIDI outputs are:\n") + names.join(QLatin1Char('\n'));
        return {kCliUsage, {}, readable(text) + QLatin1Char('\n')};
    }

    const TuningExport exported = tuningExport(*tuningFormatNamed(formatText), source, QString());
    const QByteArray &bytes = exported.files.first().bytes;
    MidiOutput output;
    if (const Result<void> opened = output.open(port); !opened.ok())
        return cliRefused({opened.error()});
    if (const Result<void> sent = output.send(bytes); !sent.ok())
        return cliRefused({sent.error()});
    output.close();
    CliResult result =
        cliPrinted({QStringLiteral("Sent %1 (%2 bytes) to %3").arg(formatText).arg(bytes.size()).arg(port)});
    if (!exported.shortfall.isEmpty())
        result.errors = shortfallText(exported.shortfall, {kFullStop, QLatin1Char(',')}) + QLatin1Char('\n');
    return result;
}

} // namespace

const CliCommand kSendCommand{
    "send",   kSendHelp, {"port", "format", "cents", "library", "temperament", "old-a", "new-a", "name"},
    {"list"}, runSend,   false};

} // namespace cordavo
