#include "tuning/ScalaFile.h"
#include "tuning/CountedText.h"

#include "numbers/NumberFormat.h"
#include "tuning/IntervalCents.h"
#include "tuning/LineFile.h"
#include "tuning/TemperamentXml.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>

#include <cmath>

namespace cordavo {

namespace {

constexpr int kNotes = 12;
constexpr long double kOctaveCents = 1200;

bool isComment(const QString &line)
{
    return line.startsWith(QLatin1Char('!'));
}

// Past the description, blank lines and indented comments carry no value.
bool carriesNoValue(const QString &line)
{
    const QString text = line.trimmed();
    return text.isEmpty() || text.startsWith(QLatin1Char('!'));
}

struct Pitch {
    long double cents = 0;
    bool octave = false;
};

// A value with a full stop is cents, otherwise a ratio a/b or a whole
// number; blanks before it and text after it (past a blank or a "!") do not
// count.
Result<Pitch> readPitch(const QString &line)
{
    static const QRegularExpression cents(QStringLiteral(R"(^\s*([+-]?(?:\d+\.\d*|\.\d+))(?=\s|!|$))"));
    static const QRegularExpression ratio(QStringLiteral(R"(^\s*([+-]?\d+)(?:\s*/\s*([+-]?\d+))?(?=\s|!|$))"));
    const QString shown = quoted(line.trimmed());
    Pitch pitch;
    if (const auto match = cents.match(line); match.hasMatch()) {
        const auto value = readRegional(match.captured(1), QLatin1Char('.'));
        if (!value || !std::isfinite(*value))
            return failure(QCoreApplication::translate("ScalaFile", "%1 is not a pitch").arg(shown));
        if (!(std::fabs(*value) < kLargestFieldNumber))
            return failure(QCoreApplication::translate("ScalaFile",
                                                       "%1 is too large: no field holds a number beyond %2 either way")
                               .arg(shown, formatGeneral(kLargestFieldNumber - 1, QLatin1Char('.'))));
        pitch.cents = *value;
        pitch.octave = *value == kOctaveCents;
        return pitch;
    }
    const auto match = ratio.match(line);
    if (!match.hasMatch())
        return failure(QCoreApplication::translate("ScalaFile",
                                                   "%1 is not a pitch: cents need a full stop, a ratio reads like 3/2")
                           .arg(shown));
    const double numerator = match.captured(1).toDouble();
    const double denominator = match.hasCaptured(2) ? match.captured(2).toDouble() : 1.0;
    if (!std::isfinite(numerator) || !std::isfinite(denominator))
        return failure(
            QCoreApplication::translate("ScalaFile", "%1 is not a pitch: its terms are too large").arg(shown));
    if (numerator < 0 || denominator < 0)
        return failure(QCoreApplication::translate("ScalaFile", "%1 is a negative ratio").arg(shown));
    if (numerator == 0 || denominator == 0)
        return failure(QCoreApplication::translate("ScalaFile", "%1 is not a ratio: a term is 0").arg(shown));
    pitch.cents = ratioCents(static_cast<long double>(numerator) / denominator);
    pitch.octave = numerator == 2 * denominator;
    return pitch;
}

} // namespace

bool isScalaFileName(const QString &path)
{
    return path.endsWith(QLatin1String(".scl"), Qt::CaseInsensitive);
}

ScalaContents parseScalaFile(const QByteArray &bytes, const QString &fileName)
{
    if (bytes.contains('\0'))
        return failure(QCoreApplication::translate("ScalaFile", "%1 is not a text file: it holds NUL bytes")
                           .arg(quoted(fileName)));
    const QStringList lines = splitLines(decodeLineFileText(bytes));
    qsizetype i = 0;
    auto missing = [&](const QString &what) {
        return lineMessage(lines.size() + 1, fileName,
                           QCoreApplication::translate("ScalaFile", "the file ends before %1").arg(what));
    };

    // The description is the first line that is not a comment, even an empty one.
    while (i < lines.size() && isComment(lines[i]))
        ++i;
    if (i == lines.size())
        return failure(missing(QCoreApplication::translate("ScalaFile", "the description")));
    ScalaScale scale;
    scale.description = lines[i++].trimmed();

    while (i < lines.size() && carriesNoValue(lines[i]))
        ++i;
    if (i == lines.size())
        return failure(missing(QCoreApplication::translate("ScalaFile", "the number of notes")));
    static const QRegularExpression count(QStringLiteral(R"(^\s*(\d+)(?=\s|!|$))"));
    const auto match = count.match(lines[i]);
    if (!match.hasMatch())
        return failure(lineMessage(
            i + 1, fileName,
            QCoreApplication::translate("ScalaFile", "%1 is not a number of notes").arg(quoted(lines[i].trimmed()))));
    bool inRange = false;
    const int notes = match.captured(1).toInt(&inRange);
    if (!inRange || notes != kNotes)
        return failure(lineMessage(
            i + 1, fileName,
            inRange
                ? countedText("ScalaFile",
                              QT_TRANSLATE_N_NOOP("ScalaFile", "the scale has %n note; only scales of 12 notes load"),
                              QT_TRANSLATE_N_NOOP("ScalaFile", "the scale has %n notes; only scales of 12 notes load"),
                              notes)
                : QCoreApplication::translate("ScalaFile", "the scale has %1 notes; only scales of 12 notes load")
                      .arg(match.captured(1))));
    ++i;

    for (int pitchNumber = 1; pitchNumber <= kNotes; ++pitchNumber) {
        while (i < lines.size() && carriesNoValue(lines[i]))
            ++i;
        if (i == lines.size())
            return failure(
                lineMessage(lines.size() + 1, fileName,
                            QCoreApplication::translate("ScalaFile", "the file ends after %1 of its 12 pitches")
                                .arg(pitchNumber - 1)));
        const Result<Pitch> read = readPitch(lines[i]);
        if (!read.ok())
            return failure(lineMessage(i + 1, fileName, read.error()));
        const Pitch &pitch = read.value();
        if (pitchNumber == kNotes) {
            if (!pitch.octave)
                return failure(lineMessage(
                    i + 1, fileName,
                    QCoreApplication::translate("ScalaFile", "the last pitch %1 is not the octave (2/1 or 1200.0)")
                        .arg(quoted(lines[i].trimmed()))));
        } else {
            scale.positions[pitchNumber] = pitch.cents;
        }
        ++i;
    }
    // No note further than an octave from its equal-tempered place.
    if (const Result<void> inRange = checkPositionRange(scale.positions, fileName, QLatin1Char('.')); !inRange.ok())
        return failure(inRange.error());
    return scale;
}

ScalaContents readScalaFile(const QString &path)
{
    const Result<QByteArray> bytes = readSmallFile(path);
    if (!bytes.ok())
        return failure(bytes.error());
    return parseScalaFile(bytes.value(), QFileInfo(path).fileName());
}

QString plainTextLine(const QString &text)
{
    static const QHash<char16_t, QLatin1StringView> spelled{
        {u'\u00DF', QLatin1StringView("ss")}, {u'\u00C6', QLatin1StringView("AE")},
        {u'\u00E6', QLatin1StringView("ae")}, {u'\u0152', QLatin1StringView("OE")},
        {u'\u0153', QLatin1StringView("oe")}, {u'\u00D8', QLatin1StringView("O")},
        {u'\u00F8', QLatin1StringView("o")},  {u'\u0141', QLatin1StringView("L")},
        {u'\u0142', QLatin1StringView("l")},  {u'\u0110', QLatin1StringView("D")},
        {u'\u0111', QLatin1StringView("d")},  {u'\u00D0', QLatin1StringView("D")},
        {u'\u00F0', QLatin1StringView("d")},  {u'\u00DE', QLatin1StringView("Th")},
        {u'\u00FE', QLatin1StringView("th")}, {u'\u2018', QLatin1StringView("'")},
        {u'\u2019', QLatin1StringView("'")},  {u'\u201C', QLatin1StringView("\"")},
        {u'\u201D', QLatin1StringView("\"")}, {u'\u201E', QLatin1StringView("\"")},
        {u'\u00AB', QLatin1StringView("\"")}, {u'\u00BB', QLatin1StringView("\"")},
        {u'\u2013', QLatin1StringView("-")},  {u'\u2014', QLatin1StringView("-")},
        {u'\u2212', QLatin1StringView("-")},  {u'\u266F', QLatin1StringView("#")},
        {u'\u266D', QLatin1StringView("b")},
    };
    QString out;
    // Compatibility decomposition splits a letter from its accents and
    // spells ligatures and the ellipsis in plain letters.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    for (qsizetype i = 0; i < decomposed.size(); ++i) {
        const QChar c = decomposed[i];
        if (c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_SpacingCombining ||
            c.category() == QChar::Mark_Enclosing)
            continue;
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.isSpace()) {
            if (!out.endsWith(QLatin1Char(' ')))
                out += QLatin1Char(' ');
        } else if (c.unicode() < 0x7F) {
            out += c;
        } else if (const auto it = spelled.constFind(c.unicode()); it != spelled.constEnd()) {
            out += *it;
        } else {
            out += QLatin1Char('?');
            // A character beyond the first plane is one character.
            if (c.isHighSurrogate() && i + 1 < decomposed.size() && decomposed[i + 1].isLowSurrogate())
                ++i;
        }
    }
    return out.trimmed();
}

QStringList scalaFileLines(const QString &fileName, const ScalaScale &scale)
{
    // Cents always with a full stop: the format knows no other separator.
    const Separators fullStop{QLatin1Char('.'), QLatin1Char(',')};
    QString description = plainTextLine(scale.description);
    // A leading blank keeps a description from reading as a comment.
    if (isComment(description))
        description.prepend(QLatin1Char(' '));
    QStringList lines{QStringLiteral("! ") + plainTextLine(fileName), description, QStringLiteral("12")};
    // A scale's pitches are measured from its 1/1, which is C.
    for (int i = 1; i < kNotes; ++i)
        lines << formatPattern(scale.positions[i] - scale.positions[0], u"0.00000", fullStop);
    lines << QStringLiteral("2/1");
    return lines;
}

} // namespace cordavo
