#include "tuning/TemperamentXmlReader.h"

#include "tuning/LineFile.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace cordavo {

namespace {

std::optional<long double> number(const QString &text)
{
    const Result<long double> value = readNumberLine(text, QLatin1Char('.'));
    if (!value.ok())
        return std::nullopt;
    return value.value();
}

long double centsBetween(long double pitch, long double reference)
{
    return 1200 * std::log2(pitch / reference);
}

// The reference pitch (440 + new A - old A, both A's from 400 to 500 Hz)
// under which every note lies within -1200 ... +1200 cents: the pitch of A
// where it can be, so that A is at 0; otherwise A moved by as few hundredths
// of a cent as needed, so that values held at two decimals stay exact;
// nothing where no reference will do. Deviations are from equal temperament
// with A at 440 Hz.
std::optional<long double> chosenReference(const NoteCents &from440, long double pitchOfA)
{
    constexpr long double kSlack = 1e-6L; // cents of rounding
    const long double lowest = referencePitch(kHighestReferencePitch, kLowestReferencePitch);
    const long double highest = referencePitch(kLowestReferencePitch, kHighestReferencePitch);
    const auto [low, high] = std::minmax_element(from440.begin(), from440.end());
    // The reference's shift from 440 Hz, in cents, that may be chosen.
    long double from = std::max(*high - kLargestNoteCents, centsBetween(lowest, 440));
    long double to = std::min(*low + kLargestNoteCents, centsBetween(highest, 440));
    if (from > to + kSlack)
        return std::nullopt;
    if (from > to)
        from = to = (from + to) / 2;
    const long double ofA = centsBetween(pitchOfA, 440);
    long double moveA = 0; // cents taken off A's shift
    if (ofA > to)
        moveA = std::ceil((ofA - to) * 100 - kSlack) / 100;
    else if (ofA < from)
        moveA = std::floor((ofA - from) * 100 + kSlack) / 100;
    long double reference = pitchOfA * std::exp2(-moveA / 1200);
    const long double shift = ofA - moveA;
    if (shift < from - kSlack || shift > to + kSlack)
        reference = 440 * std::exp2((ofA > to ? to : from) / 1200);
    return std::clamp(reference, lowest, highest);
}

struct Reading {
    TemperamentData data;
    std::array<std::optional<long double>, kMidiNoteCount> pitches{};
    QString fileName;

    Failure fail(const QString &problem) const
    {
        return failure(QCoreApplication::translate("TemperamentXmlReader", "%1 cannot be opened as a temperament: %2")
                           .arg(quoted(fileName), problem));
    }
};

} // namespace

ReadTemperament readTemperamentXml(const QString &text, const QString &fileName)
{
    Reading r;
    r.fileName = fileName;
    QXmlStreamReader xml(text);

    auto xmlError = [&xml] {
        return QCoreApplication::translate("TemperamentXmlReader", "line %1: %2")
            .arg(xml.lineNumber())
            .arg(xml.errorString());
    };
    if (!xml.readNextStartElement())
        return r.fail(xml.hasError() ? xmlError()
                                     : QCoreApplication::translate("TemperamentXmlReader", "it holds no XML element"));
    if (xml.name() != QLatin1String("Hauptwerk") ||
        xml.attributes().value(QLatin1String("FileFormat")) != QLatin1String("Temperament"))
        return r.fail(QCoreApplication::translate("TemperamentXmlReader", "it is not a Hauptwerk temperament file"));

    // The note being read; a missing part stays empty.
    struct {
        bool hasNumber = false;
        bool hasPitch = false;
        long double number = 0;
        long double pitch = 0;
    } note;
    bool inNote = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QStringView name = xml.name();
            if (name == QLatin1String("note")) {
                inNote = true;
                note = {};
                continue;
            }
            const auto readNumber = [&](const char *what) -> std::optional<long double> {
                const QString value = xml.readElementText().trimmed();
                const auto n = number(value);
                if (!n)
                    xml.raiseError(QCoreApplication::translate("TemperamentXmlReader", "%1 \"%2\" is not a number")
                                       .arg(QLatin1String(what), value));
                return n;
            };
            if (name == QLatin1String("MIDINoteNumberOnEightFootStop")) {
                const auto n = readNumber("MIDINoteNumberOnEightFootStop");
                note.hasNumber = n.has_value();
                note.number = n.value_or(0);
            } else if (name == QLatin1String("PitchHz")) {
                const auto p = readNumber("PitchHz");
                note.hasPitch = p.has_value();
                note.pitch = p.value_or(0);
            } else if (name == QLatin1String("UniqueTemperamentID")) {
                r.data.temperamentId = readNumber("UniqueTemperamentID").value_or(0);
            } else if (name == QLatin1String("SupplierID")) {
                r.data.supplierId = readNumber("SupplierID").value_or(0);
            } else if (name == QLatin1String("Name")) {
                r.data.name = xml.readElementText();
            } else if (name == QLatin1String("ShortName")) {
                r.data.shortName = xml.readElementText();
            } else if (name == QLatin1String("SupplierName")) {
                r.data.supplierName = xml.readElementText();
            } else if (name == QLatin1String("Comments")) {
                r.data.comment = xml.readElementText();
            }
        } else if (xml.isEndElement() && xml.name() == QLatin1String("note") && inNote) {
            inNote = false;
            if (!note.hasNumber || !note.hasPitch)
                return r.fail(QCoreApplication::translate("TemperamentXmlReader",
                                                          "a note near line %1 lacks its number or its pitch")
                                  .arg(xml.lineNumber()));
            const long double n = note.number;
            if (n != std::floor(n) || n < kFirstMidiNote || n > kLastMidiNote)
                return r.fail(QCoreApplication::translate("TemperamentXmlReader", "note number %1 is not from 0 to 132")
                                  .arg(double(n)));
            if (!(note.pitch > 0))
                return r.fail(
                    QCoreApplication::translate("TemperamentXmlReader", "note %1 has no positive pitch").arg(int(n)));
            auto &slot = r.pitches[static_cast<int>(n)];
            if (slot)
                return r.fail(
                    QCoreApplication::translate("TemperamentXmlReader", "note %1 is there twice").arg(int(n)));
            slot = note.pitch;
        }
    }
    if (xml.hasError())
        return r.fail(xmlError());
    for (int n = kFirstMidiNote; n <= kLastMidiNote; ++n) {
        if (!r.pitches[n])
            return r.fail(QCoreApplication::translate("TemperamentXmlReader", "it lacks note %1").arg(n));
    }

    // The notes' deviations from equal temperament with A at 440 Hz.
    auto equal440 = [](int n) { return 440 * std::exp2((n - kA4Key) / 12.0L); };
    NoteCents from440{};
    for (int k = 0; k < 12; ++k)
        from440[k] = centsBetween(*r.pitches[kMiddleC + k], equal440(kMiddleC + k));

    const long double a = *r.pitches[kA4Key];
    for (int n = kFirstMidiNote; n <= kLastMidiNote; ++n) {
        const long double off = centsBetween(*r.pitches[n], equal440(n)) - from440[n % 12];
        // Older versions gave note 0 no offset of its own.
        const bool unshiftedNoteZero =
            n == 0 && std::fabs(centsBetween(*r.pitches[0], a * std::exp2(-kA4Key / 12.0L))) <= kOctaveTolerance;
        if (std::fabs(off) > kOctaveTolerance && !unshiftedNoteZero)
            return r.fail(
                QCoreApplication::translate("TemperamentXmlReader",
                                            "note %1 is %2 cents away from the octave of note %3; the octaves disagree")
                    .arg(n)
                    .arg(double(off), 0, 'f', 3)
                    .arg(kMiddleC + n % 12));
    }

    const std::optional<long double> reference = chosenReference(from440, a);
    if (!reference) {
        const auto [low, high] = std::minmax_element(from440.begin(), from440.end());
        return r.fail(
            QCoreApplication::translate("TemperamentXmlReader",
                                        "no two pitches of A from %1 to %2 Hz with notes from -%3 to +%3 cents give "
                                        "its pitches: its notes lie from %4 to %5 cents from equal temperament at "
                                        "A = 440 Hz")
                .arg(kLowestReferencePitch)
                .arg(kHighestReferencePitch)
                .arg(double(kLargestNoteCents))
                .arg(double(*low), 0, 'f', 2)
                .arg(double(*high), 0, 'f', 2));
    }
    const long double chosen = *reference;
    for (int k = 0; k < 12; ++k) {
        const int n = kMiddleC + k;
        const long double cents = centsBetween(*r.pitches[n], chosen * std::exp2((n - kA4Key) / 12.0L));
        // What lies beyond the limit here is rounding.
        r.data.cents[k] = std::clamp(cents, -kLargestNoteCents, kLargestNoteCents);
    }
    // Old A at 440 where the new one can carry the whole shift, as before;
    // otherwise the new one at the end of the range and the old one where
    // the rest of the shift puts it.
    if (isReferencePitch(chosen)) {
        r.data.oldA = 440;
        r.data.newA = static_cast<double>(chosen);
    } else {
        r.data.newA = chosen > kHighestReferencePitch ? kHighestReferencePitch : kLowestReferencePitch;
        r.data.oldA = std::clamp(static_cast<double>(r.data.newA - (chosen - 440)), kLowestReferencePitch,
                                 kHighestReferencePitch);
    }
    if (const Result<void> inRange = checkNoteRange(r.data.cents, r.fileName, QLatin1Char('.')); !inRange.ok())
        return failure(inRange.error());
    return r.data;
}

} // namespace cordavo
