#include "cli/Commands.h"

#include "sound/SoundRender.h"
#include "sound/ToneSynth.h"
#include "sound/Voices.h"
#include "sound/WavFile.h"
#include "tuning/TuningExport.h"

namespace cordavo {

namespace {

const char kRenderHelp[] = R"(Usage: cordavo-cli render (--cents C0,...,C11 | --library NAME | --temperament FILE.Tmp)
                          [--old-a HZ] [--new-a HZ] [--voice VOICE] [--seconds S]
                          [--float] NOTE... --out FILE.wav

Writes the notes sounding together as a WAV file (48 kHz, mono, 16-bit PCM,
or 32-bit float with --float), at exactly the pitches the temperament
document gives them: equal temperament plus the twelve values, with the
document's A (440 + new A - old A). The same samples as "Save Sound..."
writes for the same choice.

  --cents LIST        the twelve values C to B, separated by commas
  --library NAME      an entry of the temperament library (see "library")
  --temperament FILE  a temperament file (.Tmp)
  --old-a, --new-a    the two A's, 400 to 500 (default 440)
  --voice VOICE       principal (default), flute, principal-octave or reed
  --seconds S         the length, more than 0 and at most 600 (default 4)
  --float             32-bit float samples instead of 16-bit PCM
  --out FILE          the WAV file to write ("-" is standard output)

A NOTE is a name with its octave (C4 is MIDI note 60, A4 note 69; sharps as
C#4, flats as Eb4) or a MIDI number from 0 to 127.

Example: cordavo-cli render --library "werckmeister iii" C4 E4 G4 --out c-major.wav
)";

CliResult runRender(const CliOptions &options, const QStringList &positionals)
{
    const QString command = QStringLiteral("render");
    if (positionals.isEmpty())
        return cliUsageError(command, QStringLiteral("give at least one NOTE, such as C4 or 60"));
    std::vector<int> keys;
    for (const QString &text : positionals) {
        const std::optional<int> key = midiKeyNamed(text);
        if (!key)
            return cliUsageError(command, QStringLiteral("\"%1\" is not a note: write C4, C#4, Eb4 or a MIDI number "
                                                         "from 0 to 127")
                                              .arg(text));
        keys.push_back(*key);
    }
    Voice voice = Voice::Principal;
    if (options.contains(QStringLiteral("voice"))) {
        const QString name = options[QStringLiteral("voice")];
        const std::optional<Voice> named = voiceNamed(name);
        if (!named)
            return cliUsageError(command, QStringLiteral("--voice: \"%1\" is not one of %2").arg(name, voiceNames()));
        voice = *named;
    }
    long double seconds = 4;
    if (options.contains(QStringLiteral("seconds"))) {
        const QString text = options[QStringLiteral("seconds")];
        const auto value = fullStopNumber(text);
        if (!value || !(*value > 0 && *value <= 600))
            return cliUsageError(command,
                                 QStringLiteral("--seconds: \"%1\" is not a length from more than 0 to 600").arg(text));
        // A length that rounds to no sample would make an empty sound.
        if (*value * kSampleRate < 1)
            return cliUsageError(
                command,
                QStringLiteral("--seconds: \"%1\" is shorter than one sample (1/%2 s)").arg(text).arg(kSampleRate));
        seconds = *value;
    }
    if (!options.contains(QStringLiteral("out")))
        return cliUsageError(command, QStringLiteral("--out FILE.wav is required"));
    TuningSource source;
    if (auto refusal = readCliSource(command, options, source))
        return *refusal;

    const WavSamples format = options.contains(QStringLiteral("float")) ? WavSamples::Float32 : WavSamples::Pcm16;
    const QByteArray bytes = soundWav({QString(), {keys}}, keyPitches(source.oldA, source.newA, source.cents), voice,
                                      static_cast<double>(seconds), format);
    return cliWritten(options[QStringLiteral("out")], bytes);
}

} // namespace

const CliCommand kRenderCommand{"render",
                                kRenderHelp,
                                {"cents", "library", "temperament", "old-a", "new-a", "voice", "seconds", "out"},
                                {"float"},
                                runRender};

} // namespace cordavo
