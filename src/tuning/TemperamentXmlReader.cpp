#include "tuning/TemperamentXmlReader.h"

#include "tuning/LineFile.h"

#include <QXmlStreamReader>

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

struct Reading {
    TemperamentData data;
    std::array<std::optional<long double>, kMidiNoteCount> pitches{};
    QString fileName;

    Failure fail(const QString &problem) const
    {
        return failure(QStringLiteral("%1 cannot be opened as a temperament: %2").arg(quoted(fileName), problem));
    }
};

} // namespace

ReadTemperament readTemperamentXml(const QString &text, const QString &fileName)
{
    Reading r;
    r.fileName = fileName;
    QXmlStreamReader xml(text);

    auto xmlError = [&xml] { return QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString()); };
    if (!xml.readNextStartElement())
        return r.fail(xml.hasError() ? xmlError() : QStringLiteral("it holds no XML element"));
    if (xml.name() != QLatin1String("Hauptwerk") ||
        xml.attributes().value(QLatin1String("FileFormat")) != QLatin1String("Temperament"))
        return r.fail(QStringLiteral("it is not a Hauptwerk temperament file"));

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
                    xml.raiseError(QStringLiteral("%1 \"%2\" is not a number").arg(QLatin1String(what), value));
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
                return r.fail(
                    QStringLiteral("a note near line %1 lacks its number or its pitch").arg(xml.lineNumber()));
            const long double n = note.number;
            if (n != std::floor(n) || n < kFirstMidiNote || n > kLastMidiNote)
                return r.fail(QStringLiteral("note number %1 is not from 0 to 132").arg(double(n)));
            if (!(note.pitch > 0))
                return r.fail(QStringLiteral("note %1 has no positive pitch").arg(int(n)));
            auto &slot = r.pitches[static_cast<int>(n)];
            if (slot)
                return r.fail(QStringLiteral("note %1 is there twice").arg(int(n)));
            slot = note.pitch;
        }
    }
    if (xml.hasError())
        return r.fail(xmlError());
    for (int n = kFirstMidiNote; n <= kLastMidiNote; ++n) {
        if (!r.pitches[n])
            return r.fail(QStringLiteral("it lacks note %1").arg(n));
    }

    const long double a = *r.pitches[kA4Key];
    if (!isReferencePitch(a))
        return r.fail(QStringLiteral("the pitch of A (MIDI 69) is %1 Hz, outside %2 to %3 Hz")
                          .arg(double(a))
                          .arg(kLowestReferencePitch)
                          .arg(kHighestReferencePitch));
    auto equal = [a](int n) { return a * std::exp2((n - kA4Key) / 12.0L); };
    for (int k = 0; k < 12; ++k)
        r.data.cents[k] = centsBetween(*r.pitches[kMiddleC + k], equal(kMiddleC + k));

    for (int n = kFirstMidiNote; n <= kLastMidiNote; ++n) {
        const long double off = centsBetween(*r.pitches[n], equal(n)) - r.data.cents[n % 12];
        // Older versions gave note 0 no offset of its own.
        const bool unshiftedNoteZero = n == 0 && std::fabs(centsBetween(*r.pitches[0], equal(0))) <= kOctaveTolerance;
        if (std::fabs(off) > kOctaveTolerance && !unshiftedNoteZero)
            return r.fail(QStringLiteral("note %1 is %2 cents away from the octave of note %3; the octaves disagree")
                              .arg(n)
                              .arg(double(off), 0, 'f', 3)
                              .arg(kMiddleC + n % 12));
    }
    r.data.newA = static_cast<double>(a);
    return r.data;
}

} // namespace cordavo
