#include "cli/Commands.h"

#include "numbers/NumberFormat.h"
#include "print/GuideSheet.h"
#include "print/OffscreenFonts.h"
#include "tuning/LibraryNames.h"
#include "tuning/LineFile.h"
#include "tuning/TemperamentLibrary.h"
#include "tuning/TuningExport.h"
#include "tuning/TuningGuide.h"

#include <QDate>
#include <QDir>
#include <QGuiApplication>
#include <QTranslator>

#include <memory>

namespace cordavo {

namespace {

const char kGuideHelp[] = R"(Usage: cordavo-cli guide (--cents C0,...,C11 | --library NAME | --temperament FILE.Tmp)
                         [--old-a HZ] [--new-a HZ] [--bearing F3|C4|A3] [--foot 8|4|2]
                         [--metronome MM] [--temperature-reference C --temperature-now C]
                         [--language it|de|nl|fr|en] [--tsv] --out FILE.pdf|FILE.txt|-

Writes the tuning guide for setting the temperament by ear on a real organ,
harpsichord or clavichord, as "Functions > Tuning Guide..." shows it: the
bearing octave tuned from A by fifths and fourths, by pure thirds and
sixths, and by a slower third or sixth where a fifth beats fast, each step
with its beats per second; after each step the thirds, sixths and fifths it
lets you check; and the offsets for electronic tuners.

  --cents LIST        the twelve notes C to B in cents from equal
                      temperament, separated by commas
  --library NAME      a temperament of the library (see "cordavo-cli library")
  --temperament FILE  a temperament file (.Tmp)
  --old-a, --new-a    the two A's, LOWEST_A to HIGHEST_A (default 440): A is
                      tuned to 440 + new A - old A, as the document holds it
  --bearing NOTE      the octave the temperament is set in: F3 (F3-F4, the
                      default), C4 (C4-C5) or A3 (A3-A4)
  --foot N            the stop the bearing is tuned on: 8 (the default, and a
                      harpsichord), 4 (an octave higher, every beat rate
                      doubled) or 2
  --metronome MM      count the beats per beat of this metronome mark, 20 to
                      300, instead of in 5 seconds
  --temperature-reference C
                      the temperature, in degrees Celsius, at which the organ
                      stands at the document's pitch
  --temperature-now C the temperature in the church now: A is then tuned to
                      f * sqrt((273.15 + now) / (273.15 + reference)), with
                      every beat rate at that pitch. Give both or neither,
                      each from -40 to 60
  --language CODE     the language of the sheet and of its text: it
                      (Italian), de (German), nl (Dutch), fr (French) or en
                      (English, the default), with the notes named and the
                      date written as that language does; a library
                      temperament is named as the windows name it there. The
                      --tsv rows stay English
  --tsv               rows for a spreadsheet instead of the sheet
  --out FILE          FILE.pdf (in any case): the printed sheet, one A4 page;
                      any other name, or "-" for standard output: the same
                      as plain text

The --tsv rows follow a header line, tab-separated: kind (fork, step or
check; each step is followed by the checks it makes possible), from, to
(notes with their octave, C4 being middle C; sharps as #, E flat and B flat
as Eb and Bb), interval (fifth, fourth, major third, minor third, major
sixth, minor sixth or octave), cents (its size), from_pure (cents, negative
for narrow), beats (per second, of the sounding pitches) and quality (pure,
narrow, wide, or narrow wolf or wide wolf for an interval no piece can use).
To keep it simple the fork row, the first, names the bearing's A in "to"
and gives the fork's A in hertz in the cents column; its other columns are
empty.

Example: cordavo-cli guide --library "Werckmeister III" --new-a 415 --out w3.pdf
)";

std::optional<long double> numberOption(const CliOptions &options, const char *name)
{
    return readRegional(options.value(QLatin1String(name)), kFullStop);
}

// The settings of the command line, or the usage error of one that does not read.
std::optional<CliResult> readSettings(const QString &command, const CliOptions &options, GuideSettings &settings)
{
    if (options.contains(QStringLiteral("bearing"))) {
        const QString text = options[QStringLiteral("bearing")];
        const QString name = text.toUpper();
        if (name == QLatin1String("F3"))
            settings.bearing = Bearing::F3;
        else if (name == QLatin1String("C4"))
            settings.bearing = Bearing::C4;
        else if (name == QLatin1String("A3"))
            settings.bearing = Bearing::A3;
        else
            return cliUsageError(command, QStringLiteral("--bearing: \"%1\" is not one of F3, C4, A3").arg(text));
    }
    if (options.contains(QStringLiteral("foot"))) {
        const QString text = options[QStringLiteral("foot")];
        if (text != QLatin1String("8") && text != QLatin1String("4") && text != QLatin1String("2"))
            return cliUsageError(command, QStringLiteral("--foot: \"%1\" is not one of 8, 4, 2").arg(text));
        settings.foot = text.toInt();
    }
    if (options.contains(QStringLiteral("metronome"))) {
        const QString text = options[QStringLiteral("metronome")];
        bool whole = false;
        const int mark = text.toInt(&whole);
        if (!whole)
            return cliUsageError(command, QStringLiteral("--metronome: \"%1\" is not a whole number").arg(text));
        if (mark < kLowestMetronome || mark > kHighestMetronome)
            return cliUsageError(command, QStringLiteral("--metronome: %1 is not a mark from %2 to %3")
                                              .arg(text)
                                              .arg(kLowestMetronome)
                                              .arg(kHighestMetronome));
        settings.metronome = mark;
    }
    const bool reference = options.contains(QStringLiteral("temperature-reference"));
    if (reference != options.contains(QStringLiteral("temperature-now")))
        return cliUsageError(command,
                             QStringLiteral("give both --temperature-reference and --temperature-now, or neither"));
    if (reference) {
        for (const char *name : {"temperature-reference", "temperature-now"}) {
            const auto value = numberOption(options, name);
            if (!value)
                return cliUsageError(command, QStringLiteral("--%1: \"%2\" is not a number")
                                                  .arg(QLatin1String(name), options.value(QLatin1String(name))));
            if (!(*value >= kLowestCelsius && *value <= kHighestCelsius))
                return cliUsageError(command, QStringLiteral("--%1: %2 is not a temperature from %3 to %4 °C")
                                                  .arg(QLatin1String(name), options.value(QLatin1String(name)),
                                                       formatGeneral(kLowestCelsius, kFullStop),
                                                       formatGeneral(kHighestCelsius, kFullStop)));
        }
        settings.referenceCelsius = static_cast<double>(*numberOption(options, "temperature-reference"));
        settings.nowCelsius = static_cast<double>(*numberOption(options, "temperature-now"));
    }
    return std::nullopt;
}

// Qt's notice that it falls back to a runtime folder of its own when the
// session names none (as under cron or ssh) tells the user of a command
// line nothing to act on; every other message passes on.
QtMessageHandler g_passOn = nullptr;

void withoutRuntimeFolderNotice(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    g_passOn(type, context, message);
}

class RuntimeFolderNoticeFilter
{
public:
    RuntimeFolderNoticeFilter() { g_passOn = qInstallMessageHandler(withoutRuntimeFolderNotice); }
    ~RuntimeFolderNoticeFilter() { qInstallMessageHandler(g_passOn); }
    RuntimeFolderNoticeFilter(const RuntimeFolderNoticeFilter &) = delete;
    RuntimeFolderNoticeFilter &operator=(const RuntimeFolderNoticeFilter &) = delete;
};

// The application the guide is made in, where there is none (the command
// line's own process). Text is drawn through a QGuiApplication; the command
// line makes one on the offscreen platform, which needs no display and draws
// with the system's fonts (the minimal one draws no text at all). A
// translation needs an application too.
std::unique_ptr<QCoreApplication> guideApplication(bool drawing)
{
    if (QCoreApplication::instance())
        return nullptr;
    static char name[] = "cordavo-cli";
    static char platform[] = "-platform";
    static char offscreen[] = "offscreen";
    static char *argv[] = {name, platform, offscreen, nullptr};
    static int argc = 3;
    if (!drawing)
        return std::make_unique<QCoreApplication>(argc, argv);
    useSystemFontsOffscreen();
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The windows' translation of a language, installed while the guide is made.
class GuideLanguage
{
public:
    explicit GuideLanguage(const QString &code)
    {
        if (code == QLatin1String("en"))
            return;
        m_translator = std::make_unique<QTranslator>();
        m_installed = m_translator->load(QStringLiteral(":/i18n/cordavo_") + code) &&
                      QCoreApplication::installTranslator(m_translator.get());
    }
    ~GuideLanguage()
    {
        if (m_installed)
            QCoreApplication::removeTranslator(m_translator.get());
    }
    GuideLanguage(const GuideLanguage &) = delete;
    GuideLanguage &operator=(const GuideLanguage &) = delete;
    // False for a language whose translation is missing from the program.
    bool ok() const { return !m_translator || m_installed; }

private:
    std::unique_ptr<QTranslator> m_translator;
    bool m_installed = false;
};

CliResult runGuide(const CliOptions &options, const QStringList & /*positionals*/)
{
    const QString command = QStringLiteral("guide");
    if (!options.contains(QStringLiteral("out")))
        return cliUsageError(command, QStringLiteral("--out FILE.pdf|FILE.txt|- is required"));
    const QString out = options[QStringLiteral("out")];
    const bool tsv = options.contains(QStringLiteral("tsv"));
    const bool pdf = out != QLatin1String("-") && out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    if (tsv && pdf)
        return cliUsageError(command, QStringLiteral("--tsv writes text: give a name that does not end in .pdf, or -"));
    GuideSettings settings;
    if (auto error = readSettings(command, options, settings))
        return *error;
    const QString language = options.value(QStringLiteral("language"), QStringLiteral("en")).toLower();
    if (language != QLatin1String("en") && !libraryLanguages().contains(language))
        return cliUsageError(command, QStringLiteral("--language: \"%1\" is not one of it, de, nl, fr, en")
                                          .arg(options.value(QStringLiteral("language"))));
    TuningSource source;
    if (auto refusal = readCliSource(command, options, source))
        return *refusal;
    const RuntimeFolderNoticeFilter filter;
    const std::unique_ptr<QCoreApplication> application =
        pdf || (!tsv && language != QLatin1String("en")) ? guideApplication(pdf) : nullptr;
    const GuideLanguage translation(tsv ? QStringLiteral("en") : language);
    if (!translation.ok())
        return cliRefused({QStringLiteral("The translation for \"%1\" is missing from cordavo-cli").arg(language)});

    // A library entry's offsets for the tuner come from its exact values,
    // not from the hundredths a document holds.
    std::optional<NoteCents> exact;
    if (options.contains(QStringLiteral("library"))) {
        if (const LibraryEntry *entry = lookUpEntry(options[QStringLiteral("library")]).entry) {
            exact = entry->deviations;
            if (!tsv)
                source.name = libraryName(*entry, language);
        }
    }
    const Result<TuningGuide> guide = tuningGuide(source.name, source.oldA, source.newA, source.cents, settings, exact);
    if (!guide.ok())
        return cliRefused({guide.error()});
    QByteArray bytes;
    if (tsv) {
        bytes = (guideTsvLines(guide.value()).join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    } else {
        // The language's decimal comma; English keeps the full stop.
        const Separators separators = language == QLatin1String("en") ? Separators{}
                                      : language == QLatin1String("fr")
                                          ? Separators{QLatin1Char(','), QChar(0x202F)}
                                          : Separators{QLatin1Char(','), QLatin1Char('.')};
        const GuideDocument document = guideDocument(guide.value(), QDate::currentDate(), separators);
        if (pdf) {
            const Result<QByteArray> sheet = guidePdf(document, QPageSize(QPageSize::A4));
            if (!sheet.ok())
                return cliRefused(
                    {QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(out), sheet.error())});
            bytes = sheet.value();
        } else {
            bytes = (guideTextLines(document).join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
        }
    }
    return cliWritten(out, bytes);
}

} // namespace

const CliCommand kGuideCommand{"guide",
                               kGuideHelp,
                               {"cents", "library", "temperament", "old-a", "new-a", "bearing", "foot", "metronome",
                                "temperature-reference", "temperature-now", "language", "out"},
                               {"tsv"},
                               runGuide,
                               false};

} // namespace cordavo
