#include "tuning/TemperamentXml.h"
#include "tuning/CountedText.h"

#include "numbers/NumberFormat.h"
#include "tuning/LineFile.h"

#include <algorithm>
#include <cmath>

#include <QCoreApplication>

namespace cordavo {

namespace {

bool allowedInXml(char32_t c)
{
    return c == 0x9 || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

QString number(long double x)
{
    return formatGeneral(x, QLatin1Char('.'));
}

QString element(const char *indent, const char *tag, const QString &value)
{
    return QStringLiteral("%1<%2>%3</%2>").arg(QLatin1String(indent), QLatin1String(tag), value);
}

} // namespace

QString xmlElementText(const QString &text)
{
    QString out;
    out.reserve(text.size());
    const QChar *p = text.constData();
    const QChar *end = p + text.size();
    while (p < end) {
        char32_t c = p->unicode();
        int units = 1;
        if (p->isHighSurrogate() && p + 1 < end && (p + 1)->isLowSurrogate()) {
            c = QChar::surrogateToUcs4(*p, *(p + 1));
            units = 2;
        } else if (p->isSurrogate()) {
            c = 0xFFFF; // a lone half of a pair: not a character
        }
        if (c == '&')
            out += QLatin1String("&amp;");
        else if (c == '<')
            out += QLatin1String("&lt;");
        else if (c == '>')
            out += QLatin1String("&gt;");
        else if (allowedInXml(c))
            out.append(p, units);
        p += units;
    }
    return out;
}

QStringList identificationErrors(const TemperamentData &data)
{
    QStringList errors;
    if (data.supplierName.isEmpty())
        errors << QCoreApplication::translate("TemperamentXml", "Supplier Name Required");
    if (!(data.supplierId > 0))
        errors << QCoreApplication::translate("TemperamentXml", "ID Supplier must be greater than zero");
    if (!(data.temperamentId > 0))
        errors << QCoreApplication::translate("TemperamentXml", "ID Temperament must be greater than zero");
    if (data.shortName.isEmpty())
        errors << QCoreApplication::translate("TemperamentXml", "Short Name Temperament Required");
    if (data.name.isEmpty())
        errors << QCoreApplication::translate("TemperamentXml", "Temperament Name Required");
    return errors;
}

QStringList noteCentsErrors(const NoteCents &cents, QChar decimalSeparator)
{
    QStringList errors;
    for (int i = 0; i < 12; ++i) {
        if (!(std::fabs(cents[i]) <= kLargestNoteCents)) {
            errors << QCoreApplication::translate("TemperamentXml",
                                                  "%1 is %2 cents; a note must lie from -%3 to +%3 cents")
                          .arg(noteDisplayName(i), formatGeneral(cents[i], decimalSeparator),
                               formatGeneral(kLargestNoteCents, decimalSeparator));
        }
    }
    return errors;
}

Result<void> checkNoteRange(const NoteCents &deviations, const QString &fileName, QChar decimalSeparator)
{
    QStringList beyond;
    for (int i = 0; i < 12; ++i) {
        const long double value = deviations[i];
        if (std::fabs(value) <= kLargestNoteCents)
            continue;
        if (!std::isfinite(value)) {
            beyond << QCoreApplication::translate("TemperamentXml", "%1 at no finite number of cents")
                          .arg(noteDisplayName(i));
            continue;
        }
        // At the two decimals the fields would show, with its sign.
        beyond << QCoreApplication::translate("TemperamentXml", "%1 at %2%3 cents")
                      .arg(noteDisplayName(i), value > 0 ? QStringLiteral("+") : QString(),
                           formatGeneral(std::round(value * 100) / 100, decimalSeparator));
    }
    if (beyond.isEmpty())
        return {};
    // Three notes say enough; the rest are counted.
    constexpr qsizetype kNamed = 3;
    QString named = beyond.mid(0, kNamed).join(QStringLiteral(", "));
    if (beyond.size() > kNamed)
        named += countedText("TemperamentXml", QT_TRANSLATE_N_NOOP("TemperamentXml", " (and %n more note)"),
                             QT_TRANSLATE_N_NOOP("TemperamentXml", " (and %n more notes)"), beyond.size() - kNamed);
    return failure(QCoreApplication::translate(
                       "TemperamentXml", "%1 cannot be loaded: it puts %2, where a note must lie from -%3 to +%3 cents")
                       .arg(quoted(fileName), named, formatGeneral(kLargestNoteCents, decimalSeparator)));
}

Result<void> checkPositionRange(const NoteCents &positions, const QString &fileName, QChar decimalSeparator)
{
    NoteCents fromEqual{};
    for (int i = 0; i < 12; ++i)
        fromEqual[i] = positions[i] - 100.0L * i;
    return checkNoteRange(fromEqual, fileName, decimalSeparator);
}

QStringList documentLines(const QStringList &lines)
{
    QString text = lines.join(QLatin1Char('\n'));
    for (QChar &c : text) {
        switch (c.unicode()) {
        case QChar::ParagraphSeparator:
        case 0xFDD0:
        case 0xFDD1:
            c = QLatin1Char('\n');
            break;
        default:
            break;
        }
    }
    return splitLines(text);
}

QByteArray xmlFileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

QStringList temperamentXml(const TemperamentData &data)
{
    QStringList lines;
    lines.reserve(kTemperamentXmlLineCount);
    lines << QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>")
          << QStringLiteral("<Hauptwerk FileFormat=\"Temperament\" FileFormatVersion=\"2.00\">")
          << QStringLiteral("<ObjectList ObjectType=\"_General\">") << QStringLiteral("  <_General>")
          << QStringLiteral("    <Sys_ObjectID>1</Sys_ObjectID>")
          << element("    ", "UniqueTemperamentID", number(data.temperamentId))
          << element("    ", "Name", xmlElementText(data.name))
          << element("    ", "ShortName", xmlElementText(data.shortName))
          << element("    ", "SupplierID", number(data.supplierId))
          << element("    ", "SupplierName", xmlElementText(data.supplierName))
          << element("    ", "Comments", xmlElementText(data.comment))
          << QStringLiteral("    <TemperamentVersion>1.00</TemperamentVersion>") << QStringLiteral("  </_General>")
          << QStringLiteral("</ObjectList>") << QStringLiteral("<ObjectList ObjectType=\"note\">");

    const auto pitches = pitchTable(data.oldA, data.newA, data.cents);
    for (int note = 0; note < kMidiNoteCount; ++note) {
        lines << QStringLiteral("  <note>") << element("    ", "MIDINoteNumberOnEightFootStop", number(note))
              << element("    ", "PitchHz", number(pitches[note])) << QStringLiteral("  </note>");
    }
    lines << QStringLiteral("</ObjectList>") << QStringLiteral("</Hauptwerk>");
    return lines;
}

QString xmlFileTypeExtension(int type)
{
    switch (type) {
    case 0:
        return QStringLiteral(".Temperament_Hauptwerk_xml");
    case 1:
        return QStringLiteral(".Temperament.Hauptwerk.xml");
    case 2:
        return QStringLiteral(".Txt");
    default:
        return {};
    }
}

QString xmlFileNameForType(const QString &name, int type)
{
    // A dot that starts the name (".hidden") or lies in a folder's name
    // starts no extension.
    const qsizetype start = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\'))) + 1;
    const qsizetype dot = name.indexOf(QLatin1Char('.'), start + 1);
    const QString stem = dot < 0 ? name : name.left(dot);
    return stem + xmlFileTypeExtension(type);
}

} // namespace cordavo
