#include "tuning/TemperamentXml.h"
#include "tuning/TemperamentXmlReader.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace cordavo;

namespace {

TemperamentData sample()
{
    TemperamentData d;
    d.temperamentId = 1234;
    d.name = QStringLiteral("Werckmeister III");
    d.shortName = QStringLiteral("W3");
    d.supplierId = 7;
    d.supplierName = QStringLiteral("Acme");
    return d;
}

// Runs xmllint on the document; empty when it is well-formed.
QString xmllintErrors(const QStringList &lines)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("doc.xml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write %1").arg(path);
    file.write(lines.join(QStringLiteral("\r\n")).append(QStringLiteral("\r\n")).toUtf8());
    file.close();
    QProcess lint;
    lint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), path});
    if (!lint.waitForFinished(60000))
        return QStringLiteral("xmllint did not run");
    if (lint.exitStatus() != QProcess::NormalExit || lint.exitCode() != 0)
        return QString::fromUtf8(lint.readAllStandardError()) + QStringLiteral(" exit %1").arg(lint.exitCode());
    return {};
}

} // namespace

TEST(TemperamentXml, HasTheHeaderNotesAndClosingLines)
{
    const QStringList lines = temperamentXml(sample());
    ASSERT_EQ(lines.size(), 549);
    const char *head[] = {
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
        "<Hauptwerk FileFormat=\"Temperament\" FileFormatVersion=\"2.00\">",
        "<ObjectList ObjectType=\"_General\">",
        "  <_General>",
        "    <Sys_ObjectID>1</Sys_ObjectID>",
        "    <UniqueTemperamentID>1234</UniqueTemperamentID>",
        "    <Name>Werckmeister III</Name>",
        "    <ShortName>W3</ShortName>",
        "    <SupplierID>7</SupplierID>",
        "    <SupplierName>Acme</SupplierName>",
        "    <Comments></Comments>",
        "    <TemperamentVersion>1.00</TemperamentVersion>",
        "  </_General>",
        "</ObjectList>",
        "<ObjectList ObjectType=\"note\">",
        "  <note>",
        "    <MIDINoteNumberOnEightFootStop>0</MIDINoteNumberOnEightFootStop>",
        "    <PitchHz>8.17579891564371</PitchHz>",
        "  </note>",
    };
    for (int i = 0; i < int(std::size(head)); ++i)
        EXPECT_EQ(lines[i], QString::fromLatin1(head[i])) << "line " << i + 1;
    EXPECT_EQ(lines[15 + 69 * 4 + 1],
              QStringLiteral("    <MIDINoteNumberOnEightFootStop>69</MIDINoteNumberOnEightFootStop>"));
    EXPECT_EQ(lines[15 + 69 * 4 + 2], QStringLiteral("    <PitchHz>440</PitchHz>"));
    EXPECT_EQ(lines[15 + 132 * 4 + 2], QStringLiteral("    <PitchHz>16744.0361792383</PitchHz>"));
    EXPECT_EQ(lines[547], QStringLiteral("</ObjectList>"));
    EXPECT_EQ(lines[548], QStringLiteral("</Hauptwerk>"));
}

TEST(TemperamentXml, NumbersAlwaysUseTheFullStop)
{
    TemperamentData d = sample();
    d.cents[4] = -13.69L;
    const QStringList lines = temperamentXml(d);
    EXPECT_EQ(lines[15 + 64 * 4 + 2], QStringLiteral("    <PitchHz>327.031255073476</PitchHz>"));
    for (const QString &line : lines)
        EXPECT_FALSE(line.contains(QLatin1Char(','))) << qPrintable(line);
}

TEST(XmlElementText, EscapesMarkupAndDropsWhatXmlForbids)
{
    struct Case {
        QString in;
        QString out;
    };
    const Case cases[] = {
        {QStringLiteral("Bach & Sons"), QStringLiteral("Bach &amp; Sons")},
        {QStringLiteral("<b>x</b>"), QStringLiteral("&lt;b&gt;x&lt;/b&gt;")},
        {QStringLiteral("\"quoted\" 'x'"), QStringLiteral("\"quoted\" 'x'")},
        {QStringLiteral("a\tb"), QStringLiteral("a\tb")},
        {QString::fromUtf16(u"a\u0001b\u001Fc\nd\re"), QStringLiteral("abcde")},
        {QString::fromUtf16(u"Gro\u00DFe Orgel \u266F \U0001D11E"),
         QString::fromUtf16(u"Gro\u00DFe Orgel \u266F \U0001D11E")},
        {QString::fromUtf16(u"x\uFFFEy\uFFFF"), QStringLiteral("xy")},
        {QString(QChar(0xD800)) + QStringLiteral("z"), QStringLiteral("z")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(xmlElementText(c.in), c.out) << qPrintable(c.in);
}

TEST(TemperamentXml, HostileNamesStillGiveWellFormedXml)
{
    if (QStandardPaths::findExecutable(QStringLiteral("xmllint")).isEmpty())
        GTEST_FAIL() << "xmllint is missing: scripts/install-deps installs libxml2-utils";
    TemperamentData d = sample();
    d.name = QStringLiteral("</Name><evil attr=\"1\">&amp;&");
    d.shortName = QString::fromUtf16(u"\u00E9\u0000\u0007");
    d.supplierName = QString(5000, QChar(0x266F));
    d.comment = QStringLiteral("]]> <!-- --> <?pi?> \x01\x02");
    const QStringList lines = temperamentXml(d);
    EXPECT_EQ(lines.size(), 549);
    EXPECT_EQ(xmllintErrors(lines), QString());
}

// A note may lie an octave from equal temperament either way, no further.
TEST(NoteCentsErrors, AnOctaveEitherWayAndNoFurther)
{
    const struct {
        const char *name;
        int note;
        long double cents;
        const char *error; // nullptr: accepted
    } cases[] = {
        {"upper limit", 1, 1200, nullptr},
        {"lower limit", 11, -1200, nullptr},
        {"just above", 0, 1200.01L, "C is 1200,01 cents; a note must lie from -1200 to +1200 cents"},
        {"just below", 9, -1200.01L, "A is -1200,01 cents; a note must lie from -1200 to +1200 cents"},
        {"six typed nines", 3, 999999, "D# is 999999 cents; a note must lie from -1200 to +1200 cents"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        NoteCents cents{};
        cents[c.note] = c.cents;
        const QStringList errors = noteCentsErrors(cents, QLatin1Char(','));
        EXPECT_EQ(errors, c.error ? QStringList{QString::fromUtf8(c.error)} : QStringList{});
    }
    NoteCents nan{};
    nan[4] = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(noteCentsErrors(nan, QLatin1Char('.')).size(), 1);
}

// The loaders' check: the file refused as a whole, naming it, each note
// beyond and its value, in the separator of the setting.
TEST(CheckNoteRange, NamesTheFileEachNoteAndItsValue)
{
    const struct {
        const char *name;
        NoteCents cents;
        QChar separator;
        const char *error; // nullptr: accepted
    } cases[] = {
        {"at the limits", {1200, -1200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, QLatin1Char('.'), nullptr},
        {"a .kbm typed 22 for 220",
         {-3986.31L, -3986.31L, -3986.31L, -3986.31L, -3986.31L, 0, 0, 0, 0, 0, 0, 0},
         QLatin1Char(','),
         "\"F.kbm\" cannot be loaded: it puts C at -3986,31 cents, C# at -3986,31 cents, D at -3986,31 cents (and 2 "
         "more notes), where a note must lie from -1200 to +1200 cents"},
        {"just above",
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1200.01L},
         QLatin1Char('.'),
         "\"F.kbm\" cannot be loaded: it puts B at +1200.01 cents, where a note must lie from -1200 to +1200 cents"},
        {"not a number",
         {0, 0, 0, 0, std::numeric_limits<long double>::quiet_NaN(), 0, 0, 0, 0, 0, 0, 0},
         QLatin1Char('.'),
         "\"F.kbm\" cannot be loaded: it puts E at no finite number of cents, where a note must lie from -1200 to "
         "+1200 cents"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Result<void> checked = checkNoteRange(c.cents, QStringLiteral("F.kbm"), c.separator);
        EXPECT_EQ(checked.ok(), c.error == nullptr);
        EXPECT_EQ(checked.error(), c.error ? QString::fromUtf8(c.error) : QString());
    }
}

// At the far corners of what is accepted every pitch is still a plain,
// positive decimal number.
TEST(TemperamentXml, PitchesArePlainPositiveDecimalsAtTheLimits)
{
    const QRegularExpression plain(QStringLiteral("^    <PitchHz>[1-9][0-9]*(\\.[0-9]+)?</PitchHz>$"));
    for (long double cents : {-1200.0L, 1200.0L}) {
        for (const auto &[oldA, newA] : {std::pair{500.0, 400.0}, std::pair{400.0, 500.0}}) {
            TemperamentData data = sample();
            data.cents.fill(cents);
            data.oldA = oldA;
            data.newA = newA;
            for (const QString &line : temperamentXml(data)) {
                if (line.contains(QLatin1String("PitchHz"))) {
                    EXPECT_TRUE(plain.match(line).hasMatch()) << line.toStdString();
                }
            }
        }
    }
}

// Open xml takes a document only when its octaves agree to a hundredth of a
// cent; a stretched octave is another kind of tuning.
TEST(ReadTemperamentXml, OctavesMayDisagreeByAHundredthOfACentAtMost)
{
    const struct {
        const char *name;
        double cents; // how far note 120 lies from the octave of middle C
        bool accepted;
    } cases[] = {
        {"just inside, sharp", 0.009, true},      {"just inside, flat", -0.009, true},
        {"just outside, sharp", 0.011, false},    {"just outside, flat", -0.011, false},
        {"stretched by 1.65 cents", 1.65, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QStringList lines = temperamentXml(sample());
        const double pitch = 440 * std::exp2((120 - 69) / 12.0 + c.cents / 1200);
        lines[15 + 120 * 4 + 2] = QStringLiteral("    <PitchHz>%1</PitchHz>").arg(pitch, 0, 'g', 17);
        const ReadTemperament read = readTemperamentXml(lines.join(QLatin1Char('\n')), QStringLiteral("S.xml"));
        EXPECT_EQ(read.ok(), c.accepted) << qPrintable(read.error());
        if (!c.accepted) {
            EXPECT_TRUE(read.error().contains(QLatin1String("note 120 is"))) << qPrintable(read.error());
        }
    }
}

// The viewer breaks lines where its text document does; the document's
// lines are those lines, so a saved viewer and the command line agree.
TEST(DocumentLines, BreakWhereTheViewerBreaks)
{
    struct Case {
        const char16_t *name;
        QStringList lines;
    };
    const Case cases[] = {
        {u"plain", {"<Name>plain</Name>"}},
        {u"a\u2029b", {"<Name>a", "b</Name>"}},
        {u"a\uFDD0b\uFDD1c", {"<Name>a", "b", "c</Name>"}},
        {u"a\u2028b\u00A0c", {QString::fromUtf16(u"<Name>a\u2028b\u00A0c</Name>")}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.name).toStdString());
        const QStringList document{QStringLiteral("<?xml?>"),
                                   QStringLiteral("<Name>%1</Name>").arg(QString::fromUtf16(c.name)),
                                   QStringLiteral("</Hauptwerk>")};
        EXPECT_EQ(documentLines(document), QStringList{"<?xml?>"} + c.lines + QStringList{"</Hauptwerk>"});
    }
}
