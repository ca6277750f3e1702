#include "tuning/KeyboardMapping.h"

#include "numbers/NumberFormat.h"
#include "tuning/LineFile.h"
#include "tuning/TemperamentLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace cordavo {

namespace {

constexpr int kNotes = 12;
constexpr int kLastKey = 127;

// Blank lines and comments carry no value.
bool carriesNoValue(const QString &line)
{
    const QString text = line.trimmed();
    return text.isEmpty() || text.startsWith(QLatin1Char('!'));
}

// A line's value: its first word, before any blank or "!".
QString valueOf(const QString &line)
{
    const QString text = line.trimmed();
    qsizetype end = 0;
    while (end < text.size() && !text[end].isSpace() && text[end] != QLatin1Char('!'))
        ++end;
    return text.left(end);
}

// The value lines of a mapping, with their line numbers, one after another.
class ValueLines
{
public:
    ValueLines(const QByteArray &bytes, const QString &fileName)
        : m_lines(splitLines(decodeLineFileText(bytes))), m_fileName(fileName)
    {
    }

    // The next value, or the message that the file ends before 'what'.
    Result<QString> next(const QString &what)
    {
        while (m_index < m_lines.size() && carriesNoValue(m_lines[m_index]))
            ++m_index;
        if (m_index == m_lines.size())
            return failure(
                lineMessage(m_lines.size() + 1, m_fileName,
                            QCoreApplication::translate("KeyboardMapping", "the file ends before the %1").arg(what)));
        return valueOf(m_lines[m_index++]);
    }

    // A message about the value last read.
    Failure problem(const QString &text) const { return failure(lineMessage(m_index, m_fileName, text)); }

    // The next value as a whole number from 'low' to 'high'.
    Result<int> number(const QString &what, int low, int high)
    {
        const Result<QString> value = next(what);
        if (!value.ok())
            return failure(value.error());
        bool ok = false;
        const int n = value->toInt(&ok);
        if (!ok || n < low || n > high)
            return problem(
                QCoreApplication::translate("KeyboardMapping", "%1 is not a valid %2: a whole number from %3 to %4")
                    .arg(quoted(value.value()), what)
                    .arg(low)
                    .arg(high));
        return n;
    }

private:
    QStringList m_lines;
    QString m_fileName;
    qsizetype m_index = 0;
};

} // namespace

QString keyboardMappingPathFor(const QString &scalePath)
{
    const QFileInfo info(scalePath);
    // A name that starts with its only dot (".hidden") is all stem.
    const QString stem = info.completeBaseName().isEmpty() ? info.fileName() : info.completeBaseName();
    return info.dir().filePath(stem + QStringLiteral(".kbm"));
}

Result<KeyboardMapping> parseKeyboardMapping(const QByteArray &bytes, const QString &fileName)
{
    if (bytes.contains('\0'))
        return failure(QCoreApplication::translate("KeyboardMapping", "%1 is not a text file: it holds NUL bytes")
                           .arg(quoted(fileName)));
    ValueLines lines(bytes, fileName);
    KeyboardMapping m;
    QString error;
    auto read = [&](int &target, const QString &what, int low, int high) {
        const Result<int> n = lines.number(what, low, high);
        if (n.ok())
            target = n.value();
        else
            error = n.error();
        return n.ok();
    };

    if (!read(m.mapSize, QCoreApplication::translate("KeyboardMapping", "map size"), 0, kLastKey + 1))
        return failure(error);
    if (m.mapSize != 0 && m.mapSize != kNotes)
        return lines.problem(
            QCoreApplication::translate("KeyboardMapping",
                                        "the map size is %1; only twelve keys to the octave load (12, or 0 for "
                                        "a linear mapping)")
                .arg(m.mapSize));
    if (!read(m.firstKey, QCoreApplication::translate("KeyboardMapping", "first key"), 0, kLastKey))
        return failure(error);
    if (!read(m.lastKey, QCoreApplication::translate("KeyboardMapping", "last key"), m.firstKey, kLastKey))
        return failure(error);
    if (!read(m.middleKey, QCoreApplication::translate("KeyboardMapping", "middle key"), 0, kLastKey))
        return failure(error);
    if (m.middleKey % kNotes != 0)
        return lines.problem(
            QCoreApplication::translate("KeyboardMapping",
                                        "the middle key %1 is not a C: the scale's 1/1 is C, on a key that is a "
                                        "multiple of 12 (60 for middle C)")
                .arg(m.middleKey));
    if (!read(m.referenceKey, QCoreApplication::translate("KeyboardMapping", "reference key"), 0, kLastKey))
        return failure(error);

    const Result<QString> hz = lines.next(QCoreApplication::translate("KeyboardMapping", "reference frequency"));
    if (!hz.ok())
        return failure(hz.error());
    // The format writes frequencies with a full stop only.
    const auto frequency = readRegional(hz.value(), QLatin1Char('.'));
    if (!frequency || !(*frequency > 0) || !(*frequency < kLargestFieldNumber))
        return lines.problem(
            QCoreApplication::translate("KeyboardMapping", "%1 is not a frequency in Hz").arg(quoted(hz.value())));
    m.referenceHz = *frequency;

    if (!read(m.octaveDegree, QCoreApplication::translate("KeyboardMapping", "octave degree"), 0, kLastKey + 1))
        return failure(error);
    // A linear mapping plays the degrees one key after another with no
    // pattern to repeat; Scala writes its formal octave as 0. For a
    // twelve-note scale on C it is the identity mapping.
    if (m.mapSize == 0 && m.octaveDegree == 0)
        m.octaveDegree = kNotes;
    if (m.octaveDegree != kNotes)
        return lines.problem(
            QCoreApplication::translate("KeyboardMapping", "the formal octave is degree %1; only degree 12 loads")
                .arg(m.octaveDegree));

    for (int key = 0; key < m.mapSize; ++key) {
        const Result<QString> entry =
            lines.next(QCoreApplication::translate("KeyboardMapping", "map entry of key %1").arg(key));
        if (!entry.ok())
            return failure(entry.error());
        bool ok = false;
        if (entry->toInt(&ok) != key || !ok)
            return lines.problem(
                QCoreApplication::translate("KeyboardMapping",
                                            "key %1 of the map plays %2; only the degrees 0 to 11 in order load")
                    .arg(key)
                    .arg(quoted(entry.value())));
        m.map << key;
    }
    return m;
}

Result<KeyboardMapping> readKeyboardMapping(const QString &path)
{
    const Result<QByteArray> bytes = readSmallFile(path);
    if (!bytes.ok())
        return failure(bytes.error());
    return parseKeyboardMapping(bytes.value(), QFileInfo(path).fileName());
}

NoteCents deviationsFromScala(const NoteCents &positions, const std::optional<KeyboardMapping> &mapping, double oldA,
                              double newA)
{
    NoteCents deviations = deviationsFromPositions(positions);
    if (!mapping)
        return deviations;
    // With A at 0, key k sounds 100·(k − 69) + d(k mod 12) cents above the
    // document's A, 440 + new A − old A. Since the middle key is a C, the
    // keys play the scale's degrees as the fields' notes, so the mapping and
    // the deviations agree on every interval; only the height differs, by
    // the cents from where the reference key sounds to where it should.
    const int key = mapping->referenceKey;
    const long double sounds = 100.0L * (key - kA4Key) + deviations[key % kNotes];
    const long double wanted = 1200 * std::log2(mapping->referenceHz / referencePitch(oldA, newA));
    for (long double &d : deviations)
        d += wanted - sounds;
    return deviations;
}

} // namespace cordavo
