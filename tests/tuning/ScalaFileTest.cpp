#include "tuning/ScalaFile.h"
#include "tuning/LineFile.h"
#include "tuning/TuningExport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cordavo;

namespace {

// Twelve lines of pitches after a description and a count.
QByteArray scale(const QByteArray &description, const QByteArray &pitches)
{
    return "! test.scl\r\n!\r\n" + description + "\r\n 12\r\n!\r\n" + pitches;
}

const QByteArray kEqualCents =
    " 100.0\r\n 200.0\r\n 300.0\r\n 400.0\r\n 500.0\r\n 600.0\r\n 700.0\r\n 800.0\r\n 900.0\r\n"
    " 1000.0\r\n 1100.0\r\n 2/1\r\n";

} // namespace

TEST(ScalaFileTest, GoodFilesLoad)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        const char *description;
        NoteCents positions; // to 0.001
    };
    const NoteCents equal{0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100};
    const NoteCents just{0,       111.731, 203.91,  315.641, 386.314, 498.045,
                         590.224, 701.955, 813.686, 884.359, 996.09,  1088.269};
    const Case cases[] = {
        {"CentsAndARatioOctave", scale("Equal", kEqualCents), "Equal", equal},
        {"CentsOctave", scale("Equal", QByteArray(kEqualCents).replace(" 2/1", "1200.000")), "Equal", equal},
        {"RatiosBareOctaveLfEndings",
         "!just.scl\n5-limit just\n12\n16/15\n9/8\n6/5\n5/4\n4/3\n45/32\n3/2\n8/5\n5/3\n16/9\n15/8\n2", "5-limit just",
         just},
        {"BlanksTextAfterAndCommentsBetween",
         "!\n   Just, with notes \n\t12 pitches\n  16/15  semitone\n\t9/8\n! a comment between\n6/5 minor third\n"
         "5/4!\n4/3\n\n45/32\n   ! an indented comment\n3/2\n8/5\n5/3\n16/9\n15/8\n 2/1 octave\n",
         "Just, with notes", just},
        {"EmptyDescriptionCrEndings", "! x\r\r12\r" + QByteArray(kEqualCents).replace("\r\n", "\r"), "", equal},
        {"LinesAfterTheScaleIgnored", scale("E", kEqualCents + "garbage\r\n3/0\r\n"), "E", equal},
        {"SignsAndShortCents",
         scale(
             "Signs",
             "+100.\r\n.5\r\n-3.5\r\n+5/4\r\n500.0\r\n600.0\r\n700.0\r\n800.0\r\n900.0\r\n1000.0\r\n1100.0\r\n4/2\r\n"),
         "Signs",
         {0, 100, 0.5, -3.5, 386.3137, 500, 600, 700, 800, 900, 1000, 1100}},
        {"Windows1252Description", scale("Soci\xE0 \x80", kEqualCents), "Soci\u00E0 \u20AC", equal},
        {"Utf8Description", scale("Soci\xC3\xA0", kEqualCents), "Soci\u00E0", equal},
    };
    for (const Case &c : cases) {
        const ScalaContents contents = parseScalaFile(c.bytes, QStringLiteral("test.scl"));
        ASSERT_TRUE(contents.ok()) << c.name << ": " << contents.error().toStdString();
        EXPECT_EQ(contents.value().description, QString::fromUtf8(c.description)) << c.name;
        for (int i = 0; i < 12; ++i)
            EXPECT_NEAR(double(contents.value().positions[i]), double(c.positions[i]), 0.0006)
                << c.name << " note " << i;
    }
}

TEST(ScalaFileTest, BadFilesAreRefusedWithFileLineAndProblem)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        const char *error;
    };
    const QByteArray eleven = QByteArray(kEqualCents).replace(" 2/1\r\n", "");
    const Case cases[] = {
        {"Empty", "", "Line 1 of \"bad.scl\": the file ends before the description"},
        {"OnlyComments", "! a\r\n! b\r\n", "Line 3 of \"bad.scl\": the file ends before the description"},
        {"NoCount", "! a\r\nName\r\n\r\n", "Line 4 of \"bad.scl\": the file ends before the number of notes"},
        {"CountNotANumber", "Name\r\ntwelve\r\n", "Line 2 of \"bad.scl\": \"twelve\" is not a number of notes"},
        {"CountWithDecimals", "Name\r\n12.0\r\n", "Line 2 of \"bad.scl\": \"12.0\" is not a number of notes"},
        {"SevenNotes", "Name\r\n7\r\n", "Line 2 of \"bad.scl\": the scale has 7 notes; only scales of 12 notes load"},
        {"ThirteenNotes", scale("N", kEqualCents).replace(" 12", "13"),
         "Line 4 of \"bad.scl\": the scale has 13 notes; only scales of 12 notes load"},
        {"HugeCount", "Name\r\n99999999999999\r\n",
         "Line 2 of \"bad.scl\": the scale has 99999999999999 notes; only scales of 12 notes load"},
        {"TooFewPitches", scale("N", eleven), "Line 17 of \"bad.scl\": the file ends after 11 of its 12 pitches"},
        {"NoPitches", "N\r\n12\r\n", "Line 3 of \"bad.scl\": the file ends after 0 of its 12 pitches"},
        {"LastNotTheOctave", scale("N", eleven + "1100.0\r\n"),
         "Line 17 of \"bad.scl\": the last pitch \"1100.0\" is not the octave (2/1 or 1200.0)"},
        {"LastAFifth", scale("N", eleven + "3/2\r\n"),
         "Line 17 of \"bad.scl\": the last pitch \"3/2\" is not the octave (2/1 or 1200.0)"},
        {"NegativeRatio", scale("N", "-3/2\r\n" + eleven), "Line 6 of \"bad.scl\": \"-3/2\" is a negative ratio"},
        {"NegativeDenominator", scale("N", "3/-2\r\n" + eleven), "Line 6 of \"bad.scl\": \"3/-2\" is a negative ratio"},
        {"ZeroDenominator", scale("N", "3/0\r\n" + eleven),
         "Line 6 of \"bad.scl\": \"3/0\" is not a ratio: a term is 0"},
        {"ZeroRatio", scale("N", "0\r\n" + eleven), "Line 6 of \"bad.scl\": \"0\" is not a ratio: a term is 0"},
        {"Letters", scale("N", "abc\r\n" + eleven),
         "Line 6 of \"bad.scl\": \"abc\" is not a pitch: cents need a full stop, a ratio reads like 3/2"},
        {"TwoFullStops", scale("N", "1.2.3\r\n" + eleven),
         "Line 6 of \"bad.scl\": \"1.2.3\" is not a pitch: cents need a full stop, a ratio reads like 3/2"},
        {"CommaCents", scale("N", "100,5\r\n" + eleven),
         "Line 6 of \"bad.scl\": \"100,5\" is not a pitch: cents need a full stop, a ratio reads like 3/2"},
        {"DoubleSlash", scale("N", "3/2/5\r\n" + eleven),
         "Line 6 of \"bad.scl\": \"3/2/5\" is not a pitch: cents need a full stop, a ratio reads like 3/2"},
        {"TextRightAfterAValue", scale("N", "100.0cents\r\n" + eleven),
         "Line 6 of \"bad.scl\": \"100.0cents\" is not a pitch: cents need a full stop, a ratio reads like 3/2"},
        {"RatioWithFullStop", scale("N", "3/2.\r\n" + eleven),
         "Line 6 of \"bad.scl\": \"3/2.\" is not a pitch: cents need a full stop, a ratio reads like 3/2"},
        {"Nul", QByteArray("N\0", 2), "\"bad.scl\" is not a text file: it holds NUL bytes"},
        {"CentsNoFieldHolds", scale("N", "1000000000000000000000000.0\r\n" + eleven),
         "Line 6 of \"bad.scl\": \"1000000000000000000000000.0\" is too large: no field holds a number beyond "
         "999999999999999 either way"},
        {"RatioFarBeyondTheOctave",
         scale("N", "99999999999999999999999/1\r\n" + eleven.left(eleven.indexOf(" 1100")) + "2/1\r\n"),
         "\"bad.scl\" cannot be loaded: it puts C# at +91585.22 cents, where a note must lie from -1200 to +1200 "
         "cents"},
        {"CentsBeyondTheOctave", scale("N", eleven.left(eleven.indexOf("1100")) + "-1300.5\r\n2/1\r\n"),
         "\"bad.scl\" cannot be loaded: it puts B at -2400.5 cents, where a note must lie from -1200 to +1200 "
         "cents"},
    };
    for (const Case &c : cases) {
        const ScalaContents contents = parseScalaFile(c.bytes, QStringLiteral("bad.scl"));
        EXPECT_EQ(contents.error(), QLatin1String(c.error)) << c.name;
    }
}

TEST(ScalaFileTest, WritesTheFormatWithFiveDecimalsAndAFullStop)
{
    const ScalaScale werckmeister{
        QStringLiteral("Werckmeister III"),
        {0, 90.23, 192.18, 294.13, 390.23, 498.04, 588.27, 696.09, 792.18, 888.27, 996.09, 1092.18}};
    EXPECT_EQ(scalaFileLines(QStringLiteral("W3.scl"), werckmeister),
              (QStringList{"! W3.scl", "Werckmeister III", "12", "90.23000", "192.18000", "294.13000", "390.23000",
                           "498.04000", "588.27000", "696.09000", "792.18000", "888.27000", "996.09000", "1092.18000",
                           "2/1"}));

    // Values a field can hold beyond the usual: negative, zero, large; C not
    // at 0, so every position is written above C's.
    const ScalaScale odd{QStringLiteral("!bang"), {5, -3.5, 0, 1234.67, 0.001, -0.004, 6, 7, 8, 9, 10, 11}};
    const QStringList lines = scalaFileLines(QStringLiteral("odd.scl"), odd);
    EXPECT_EQ(lines[1], QStringLiteral(" !bang")) << "a description must not read as a comment";
    EXPECT_EQ(lines.mid(3, 5), (QStringList{"-8.50000", "-5.00000", "1229.67000", "-4.99900", "-5.00400"}));

    // Read back: the description and the positions above C, C being 0.
    const ScalaContents back = parseScalaFile(encodeLineFile(lines), QStringLiteral("odd.scl"));
    ASSERT_TRUE(back.ok()) << back.error().toStdString();
    EXPECT_EQ(back.value().description, QStringLiteral("!bang"));
    for (int i = 0; i < 12; ++i)
        EXPECT_NEAR(double(back.value().positions[i]), double(odd.positions[i] - 5), 1e-9) << i;
}

// Werckmeister III typed with C at 11.73 (its deviation): a save and a load
// hand the main window the same values as the side did.
TEST(ScalaFileTest, SaveAndLoadKeepTheExportWhateverC)
{
    const NoteCents typed{11.73,   1.96 + 100, 3.91 + 200, 5.87 + 300, 1.96 + 400,  9.78 + 500,
                          0 + 600, 7.82 + 700, 3.91 + 800, 0 + 900,    7.82 + 1000, 3.91 + 1100};
    const ScalaContents back =
        parseScalaFile(encodeLineFile(scalaFileLines(QStringLiteral("W3.scl"), {QStringLiteral("W3"), typed})),
                       QStringLiteral("W3.scl"));
    ASSERT_TRUE(back.ok()) << back.error().toStdString();
    NoteCents equal{};
    for (int i = 0; i < 12; ++i)
        equal[i] = 100 * i;
    const NoteCents before = exportedCents(equal, typed);
    const NoteCents after = exportedCents(equal, back.value().positions);
    for (int i = 0; i < 12; ++i)
        EXPECT_NEAR(double(after[i]), double(before[i]), 1e-5) << noteName(i).toStdString();
}

TEST(ScalaFileTest, RoundTripsThroughAFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Round.scl"));
    const ScalaScale scale{QStringLiteral("Vallotti \u00E0"),
                           {0, 94.13, 196.09, 298.04, 392.18, 501.96, 592.18, 698.04, 796.09, 894.13, 1000, 1090.22}};
    ASSERT_EQ(saveFileAtomically(path, encodeLineFile(scalaFileLines(QStringLiteral("Round.scl"), scale))).error(),
              QString());
    const ScalaContents back = readScalaFile(path);
    ASSERT_TRUE(back.ok()) << back.error().toStdString();
    // The format asks for plain text: the accent is dropped.
    EXPECT_EQ(back.value().description, QStringLiteral("Vallotti a"));
    for (int i = 0; i < 12; ++i)
        EXPECT_NEAR(double(back.value().positions[i]), double(scale.positions[i]), 1e-12) << i;
}

// Names typed or pasted into the program go into .scl and .tun files on one
// line, in printable ASCII.
TEST(ScalaFileTest, NamesBecomeOnePlainLine)
{
    const struct {
        const char16_t *name;
        const char *line;
    } cases[] = {
        {u"Werckmeister III", "Werckmeister III"},
        {u"Meantone\n[Tuning]\r\nnote 0=999", "Meantone [Tuning] note 0=999"},
        {u"\tTab\t\tand\u00A0blank ", "Tab and blank"},
        {u"Societ\u00E0 \u00C9glise Stra\u00DFe \u0152uvre", "Societa Eglise Strasse OEuvre"},
        {u"\u201CBach\u201D \u2013 Kellner\u2019s \uFB01ne", "\"Bach\" - Kellner's fine"},
        {u"\u5E73\u5747\u5F8B \U0001F3B9", "??? ?"},
    };
    for (const auto &c : cases) {
        const QString name = QString::fromUtf16(c.name);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(plainTextLine(name).toStdString(), c.line);
        const QStringList lines = scalaFileLines(QStringLiteral("x.scl"), {name, {}});
        EXPECT_EQ(lines.size(), 15);
        EXPECT_EQ(lines[1].toStdString(), c.line);
        // In a .tun, a line break could have started a section.
        const QStringList tun = anaMarkTuningLines(keyPitches(440, 440, {}), name);
        EXPECT_EQ(tun.count(QStringLiteral("[Tuning]")), 1);
        EXPECT_EQ(tun[5].toStdString(),
                  "Name= \"" + QString::fromLatin1(c.line).replace('"', '\'').toStdString() + '"');
    }
}

TEST(ScalaFileTest, HugeFilesAndFoldersAreRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Huge.scl"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QByteArray bytes = scale("Huge", kEqualCents);
    bytes += QByteArray(kLargestLineFile, '!');
    file.write(bytes);
    file.close();
    EXPECT_TRUE(readScalaFile(path).error().contains(QStringLiteral("too large")))
        << readScalaFile(path).error().toStdString();
    EXPECT_TRUE(readScalaFile(dir.path()).error().contains(QStringLiteral("it is a folder")));
}

TEST(ScalaFileTest, KnowsItsFileNames)
{
    EXPECT_TRUE(isScalaFileName(QStringLiteral("/a/b/c.scl")));
    EXPECT_TRUE(isScalaFileName(QStringLiteral("C.SCL")));
    EXPECT_FALSE(isScalaFileName(QStringLiteral("c.scl.Cts")));
    EXPECT_FALSE(isScalaFileName(QStringLiteral("scl")));
}
