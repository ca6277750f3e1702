#include "CliProcess.h"
#include "TestFiles.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace cordavo;

namespace {

QStringList words(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QStringList list(const char *commaSeparated)
{
    return QString::fromLatin1(commaSeparated).split(QStringLiteral(", "));
}

struct OutputCase {
    const char *arguments;
    const char *lines; // C to B
};

void expectOutputs(std::initializer_list<OutputCase> cases)
{
    for (const OutputCase &c : cases) {
        const CliRun run = runCordavoCli(words(c.arguments));
        EXPECT_EQ(run.status, 0) << c.arguments << "\n" << qPrintable(run.err);
        EXPECT_EQ(run.outText(), list(c.lines).join(QLatin1Char('|')).toStdString()) << c.arguments;
        EXPECT_TRUE(run.out.endsWith("\n") && !run.out.contains("\r")) << c.arguments;
        EXPECT_EQ(run.errText(), "") << c.arguments;
    }
}

const char *const kEqualFractions =
    "1/1 178171.537451057/168171.537451057 31745.096757673/28281.666008652 56560.726958472/47561.712543524 "
    "100775.116815405/79985.263222496 179552.574998105/134512.446895546 319911.583407086/226211.650007276 "
    "569991.386640426/380423.60971064 101556.241691585/63976.423327719 180944.317199407/107590.134716422 "
    "322391.271884502/180935.98369827 574409.485724634/304282.825587575";

} // namespace

// The worked examples of the circle of fifths, as the fifths setter's list shows them.
TEST(CordavoCli, FifthsGiveTheSetterListTexts)
{
    expectOutputs({
        {"fifths --comma pythagorean -1/4 -1/4 -1/4 0 0 -1/4 0 0 0 0 0 0",
         "0, 90.22, 192.18, 294.13, 390.22, 498.04, 588.27, 696.09, 792.18, 888.27, 996.09, 1092.18"},
        {"fifths -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4",
         "0, 76.05, 193.16, 269.21, 386.32, 462.37, 579.47, 696.58, 772.63, 889.74, 965.79, 1082.9"},
        {"fifths --decimals 0 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4",
         "0, 76, 193, 269, 386, 462, 579, 696, 772, 889, 965, 1083"},
        {"fifths -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 -1/4 --decimals=10",
         "0, 76.0489992635, 193.1568569324, 269.2058561959, 386.3137138649, 462.3627131283, 579.4705707973, "
         "696.5784284662, 772.6274277297, 889.7352853987, 965.7842846621, 1082.8921423311"},
        {"fifths --comma=pythagorean --decimals 3 -1/2 -1/3 -1/4 -1/5 -1/6 -2/5 -2/7 +1/5 +1/6 0 -1/3 -2/5",
         "0, 63.581, 184.36, 276.093, 377.713, 472.183, 568.329, 690.225, 770.228, 880.45, 978.048, 1075.758"},
        {"fifths --comma syntonic +1/5 +1/5 +1/5 +1/5 +1/5 +1/5 +1/5 +1/5 +1/5 +1/5 +1/5 +1/5",
         "0, 143.8, 212.51, 356.31, 425.03, 568.82, 637.54, 706.26, 850.05, 918.77, 1062.56, 1131.28"},
        {"fifths -- 0 0 0 0 0 0 0 0 0 0 0 -1/4",
         "0, 113.69, 203.91, 317.6, 407.82, 521.51, 611.73, 701.96, 815.64, 905.87, 1019.55, 1109.78"},
    });
}

// As "Calculate" in the intervals setter lists them: terms held at two
// decimals, zero terms as 1, negative terms as their opposite.
TEST(CordavoCli, IntervalsGiveTheSetterListTexts)
{
    const QByteArray equal4 = QByteArray("intervals --decimals 4 ") + kEqualFractions;
    expectOutputs({
        {"intervals 1/1 16/15 9/8 6/5 5/4 4/3 45/32 3/2 8/5 5/3 9/5 15/8",
         "0, 111.73, 203.91, 315.64, 386.31, 498.04, 590.22, 701.96, 813.69, 884.36, 1017.6, 1088.27"},
        {"intervals --decimals 1 1/1 0/-4 1/1 1/1 -8/9 1/1 1/1 3/2 1/1 81/80 1/1 1/2",
         "0, -2400, 0, 0, -203.9, 0, 0, 702, 0, 21.5, 0, -1200"},
        {equal4.constData(),
         "0, 100, 199.9999, 300.0002, 400.0001, 499.9999, 600, 700, 800.0001, 900.0001, 1000, 1100"},
        {"intervals 3.004/2 3.006/2 0.004/1 -0.004/2 2/0.001 1/1 1/1 1/1 1/1 1/1 1/1 1/1",
         "701.96, 707.72, 0, -1200, 1200, 0, 0, 0, 0, 0, 0, 0"},
    });
}

TEST(CordavoCli, IntervalFileIsReadWithEitherSeparator)
{
    QTemporaryDir dir;
    QByteArray bytes;
    for (const char *first : {"1", "1,0", "9", "3.004", "5", "4", "45", "3", "8", "5", "9", "15"})
        bytes += QByteArray(first) + "\r\n";
    for (const char *second : {"1", "-0", "8", "2", "4", "3", "32", "2", "5", "3", "5", "8"})
        bytes += QByteArray(second) + "\r\n";
    bytes += "Just\r\n";
    const QString file = dir.filePath(QStringLiteral("Just.Tfs"));
    writeBytes(file, bytes);
    const CliRun run = runCordavoCli({QStringLiteral("intervals"), QStringLiteral("--file"), file});
    EXPECT_EQ(run.status, 0) << qPrintable(run.err);
    EXPECT_EQ(run.outText(), "0|0|203.91|701.96|386.31|498.04|590.22|701.96|813.69|884.36|1017.6|1088.27");

    writeBytes(file, bytes.replace("45\r\n", "4 5\r\n"));
    const CliRun bad = runCordavoCli({QStringLiteral("intervals"), QStringLiteral("--file"), file});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err.toStdString(), "Line 7 of \"Just.Tfs\": \"4 5\" is not a number\n");
    EXPECT_TRUE(bad.out.isEmpty());
}

// What a setter's "Export" hands the main window: new minus old, A at 0.
TEST(CordavoCli, DiffGivesTheExportedValues)
{
    expectOutputs({
        {"diff --old 0,100,200,300,400,500,600,700,800,900,1000,1100 "
         "--new 0,90.22,192.18,294.13,390.22,498.04,588.27,696.09,792.18,888.27,996.09,1092.18",
         "11.73, 1.95, 3.91, 5.86, 1.95, 9.77, 0, 7.82, 3.91, 0, 7.82, 3.91"},
        {"diff --new=0,0,0,0,0,0,0,0,0,0,0,0 --old=0,100,200,300,400,500,600,700,800,900,1000,1100",
         "900, 800, 700, 600, 500, 400, 300, 200, 100, 0, -100, -200"},
        {"diff --old 0,100,200,300,400,500,600,700,800,900,1000,1100 "
         "--new 0,100,200,300,400,500,600,701.96,800,900,1000,1100",
         "0, 0, 0, 0, 0, 0, 0, 1.96, 0, 0, 0, 0"},
        {"diff --old -5,1e2,2E2,3,4,5,6,7,8,9.5,10,11 --new -5,1e2,2E2,3,4,5,6,7,8,9.5,10,11",
         "0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0"},
    });
}

TEST(CordavoCli, WrongCommandLinesExitWithTwo)
{
    const char *const twelve = " 0 0 0 0 0 0 0 0 0 0 0 0";
    const struct {
        QByteArray arguments;
        const char *message;
    } cases[] = {
        {"frobnicate", "cordavo-cli: unknown command \"frobnicate\""},
        {"fifths --colour red", "cordavo-cli fifths: unknown option \"--colour\""},
        {QByteArray("fifths --decimals"), "cordavo-cli fifths: --decimals needs a value"},
        {QByteArray("fifths --decimals 11") + twelve, "--decimals: \"11\" is not a whole number from 0 to 10"},
        {QByteArray("fifths --decimals 2.5") + twelve, "--decimals: \"2.5\" is not a whole number from 0 to 10"},
        {QByteArray("fifths --comma just") + twelve, "--comma: \"just\" is neither syntonic nor pythagorean"},
        {"fifths 0 0 0 0 0 0 0 0 0 0 0", "twelve fifths are needed, C-G to F-C; 11 given"},
        {"fifths 0 0 0 0 0 0 0 0 0 0 0 0 0", "twelve fifths are needed, C-G to F-C; 13 given"},
        {"fifths 0 0 0 -1/7 0 0 0 0 0 0 0 0", "fifth 4: \"-1/7\" is not one of"},
        {"fifths 1/4 0 0 0 0 0 0 0 0 0 0 0", "fifth 1: \"1/4\" is not one of"},
        {"fifths --comma syntonic --comma syntonic" + QByteArray(twelve), "--comma is given twice"},
        {"intervals 3:2 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1", "fraction 1: \"3:2\" is not of the form A/B"},
        {"intervals 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 3,5/2", "fraction 12: \"3,5/2\" is not of the form"},
        {"intervals 1/1", "twelve fractions A/B are needed, C to B; 1 given"},
        {"intervals --file a.Tfs 1/1", "give either --file or twelve fractions, not both"},
        {"diff --old 0,0,0,0,0,0,0,0,0,0,0,0", "--new C0,...,C11 is required"},
        {"diff --old 0,0,0,0,0,0,0,0,0,0,0 --new 0,0,0,0,0,0,0,0,0,0,0,0",
         "--old: \"0,0,0,0,0,0,0,0,0,0,0\" is not twelve numbers"},
        {"diff --old 0,0,0,0,0,0,0,0,0,0,0,x --new 0,0,0,0,0,0,0,0,0,0,0,0", "is not twelve numbers"},
        {"diff --old 0,0,0,0,0,0,0,0,0,0,0,0 --new 0,0,0,0,0,0,0,0,0,0,0,0 extra", "unexpected argument \"extra\""},
        {"xml --supplier a.For", "--temperament FILE is required"},
        {"xml --supplier a.For --temperament b.Tmp --old-a 4,40", "--old-a: \"4,40\" is not a number"},
        {"xml --supplier a.For --temperament b.Tmp -1/4", "unexpected argument \"-1/4\""},
        {"xml --supplier a.For --temperament b.Tmp --library Vallotti", "either --temperament or --library"},
        {"export --format sc --library Vallotti --out a", "--format: \"sc\" is not one of scl, tun, mts-bulk"},
        {"export --library Vallotti --out a", "--format FORMAT is required"},
        {"export --format tun --out a", "give exactly one of --cents, --library and --temperament"},
        {"export --format tun --library Vallotti --temperament a.Tmp --out a", "give exactly one of"},
        {"export --format tun --cents 0,0,0,0,0,0,0,0,0,0,0 --out a", "--cents: \"0,0,0,0,0,0,0,0,0,0,0\" is not"},
        {"export --format tun --library Vallotti", "--out FILE is required"},
        {"export --format scl --library Vallotti --out -", "--out -: scl writes two files"},
        {"library --tsv Vallotti", "give either --tsv or a NAME, not both"},
        {"library --tsv=yes", "--tsv takes no value"},
        // What stands after an option that needs a value is blamed for what it is.
        {"export --format tun --cents -- -5.9,0,0,0,0,0,0,0,0,0,0,0 --out a",
         "cordavo-cli export: --cents needs a value; \"--\" ends the options"},
        {"xml --supplier --library vallotti", "cordavo-cli xml: --supplier needs a value; \"--library\" is an option"},
        {"render --out --library vallotti C4", "--out needs a value; \"--library\" is an option"},
        {"--version extra", "cordavo-cli: unexpected argument \"extra\" after --version"},
        {"--help xml", "cordavo-cli: unexpected argument \"xml\" after --help"},
        {"help me", "cordavo-cli: unexpected argument \"me\" after help"},
        // A value out of range is a wrong command line, whatever the option, and is found before any file is read.
        {"export --format tun --cents 0,0,0,0,0,0,0,0,0,0,0,-1200.01 --out a",
         "--cents: B is -1200.01 cents; a note must lie from -1200 to +1200 cents"},
        {"export --format tun --new-a 399 --library Vallotti --out a",
         "--new-a: 399 is not a pitch from 400 to 500 Hz"},
        {"export --format grandorgue --old-a 1e9 --library Vallotti", "--old-a: 1000000000 is not a pitch from 400"},
        {"xml --supplier none.For --library Vallotti --old-a 500.5", "--old-a: 500.5 is not a pitch from 400 to 500"},
        {"render --library Vallotti --new-a 0 C4 --out a.wav", "--new-a: 0 is not a pitch from 400 to 500 Hz"},
        {"render --library Vallotti --seconds 601 C4 --out a.wav", "--seconds: \"601\" is not a length from more"},
        {"guide --library Vallotti --old-a -440 --out -", "--old-a: -440 is not a pitch from 400 to 500 Hz"},
        {QByteArray("fifths --decimals -1") + twelve, "--decimals: \"-1\" is not a whole number from 0 to 10"},
        {"intervals --decimals 99 --file a.Tfs", "--decimals: \"99\" is not a whole number from 0 to 10"},
    };
    for (const auto &c : cases) {
        const CliRun run = runCordavoCli(words(c.arguments.constData()));
        EXPECT_EQ(run.status, 2) << c.arguments.constData();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message))) << qPrintable(run.err);
        EXPECT_TRUE(run.out.isEmpty()) << c.arguments.constData();
    }
    const CliRun none = runCordavoCli({});
    EXPECT_EQ(none.status, 2);
    EXPECT_TRUE(none.err.startsWith(QStringLiteral("Usage: cordavo-cli COMMAND")));
}

TEST(CordavoCli, HelpForTheWholeAndEachCommand)
{
    for (const char *arguments : {"--help", "-h", "help"}) {
        const CliRun run = runCordavoCli(words(arguments));
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out.startsWith("Usage: cordavo-cli COMMAND")) << arguments;
    }
    for (const char *command : {"xml", "export", "library", "fifths", "intervals", "diff", "render"}) {
        for (const char *flag : {"--help", "-h"}) {
            const CliRun run = runCordavoCli({QLatin1String(command), QLatin1String(flag)});
            EXPECT_EQ(run.status, 0);
            EXPECT_TRUE(run.out.startsWith("Usage: cordavo-cli " + QByteArray(command) + " ")) << command;
            EXPECT_EQ(run.errText(), "");
        }
    }
}

// Both programs print the version of the build, the one the About window shows.
TEST(CordavoCli, VersionIsTheBuildsVersion)
{
    const CliRun run = runCordavoCli({QStringLiteral("--version")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, QByteArray("cordavo-cli " CORDAVO_EXPECTED_VERSION "\n"));
    EXPECT_EQ(run.errText(), "");
}

// The window program answers --version and ends without making a window: on
// the offscreen platform, where a window would keep it running, and with no
// display at all, where starting Qt's windows would fail.
TEST(CordavoWindowProgram, VersionPrintsAndExitsWithoutAWindow)
{
    const QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    QProcessEnvironment offscreen = system;
    offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcessEnvironment noDisplay = system;
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        noDisplay.remove(QLatin1String(name));
    for (const QProcessEnvironment &environment : {offscreen, noDisplay}) {
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(CORDAVO_GUI), {QStringLiteral("--version")});
        if (!program.waitForFinished(60000)) {
            program.kill();
            program.waitForFinished();
            ADD_FAILURE() << "cordavo --version did not end; QT_QPA_PLATFORM="
                          << qPrintable(environment.value(QStringLiteral("QT_QPA_PLATFORM")));
            continue;
        }
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
        EXPECT_EQ(program.readAllStandardOutput(), QByteArray("cordavo " CORDAVO_EXPECTED_VERSION "\n"));
        EXPECT_EQ(program.readAllStandardError(), QByteArray());
    }
}

namespace {

struct XmlFiles {
    QTemporaryDir dir;
    QString supplier = dir.filePath(QStringLiteral("Acme.For"));
    QString temperament = dir.filePath(QStringLiteral("Werckmeister.Tmp"));

    XmlFiles(const QByteArray &supplierBytes, const QByteArray &temperamentBytes)
    {
        writeBytes(supplier, supplierBytes);
        writeBytes(temperament, temperamentBytes);
    }
    CliRun run(const QStringList &more = {}) const
    {
        return runCordavoCli(QStringList{QStringLiteral("xml"), QStringLiteral("--supplier"), supplier,
                                         QStringLiteral("--temperament"), temperament} +
                             more);
    }
};

const QByteArray kSupplier = "Acme\r\n7\r\n512\r\nOld name\r\nOld\r\nOld comment\r\n";
const QByteArray kTemperament = "Werckmeister III\r\nW3\r\nby ear\r\n11,73\r\n1.95\r\n3.91\r\n5.86\r\n1.95\r\n"
                                "9.77\r\n0\r\n7.82\r\n3.91\r\n0\r\n7.82\r\n3.91\r\n";

} // namespace

TEST(CordavoCli, XmlGoesToStandardOutputOrToAFile)
{
    const XmlFiles files(kSupplier, kTemperament);
    const CliRun run = files.run({QStringLiteral("--new-a"), QStringLiteral("415")});
    ASSERT_EQ(run.status, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out.count("\r\n"), 549);
    EXPECT_EQ(run.out.count('\n'), 549);
    EXPECT_TRUE(run.out.contains("    <Name>Werckmeister III</Name>\r\n    <ShortName>W3</ShortName>\r\n"));
    EXPECT_TRUE(run.out.contains("    <SupplierID>7</SupplierID>\r\n    <SupplierName>Acme</SupplierName>\r\n"));
    // A keeps its equal-tempered place, so MIDI 69 sounds at the new A.
    EXPECT_TRUE(run.out.contains("<MIDINoteNumberOnEightFootStop>69</MIDINoteNumberOnEightFootStop>\r\n"
                                 "    <PitchHz>415</PitchHz>"))
        << run.out.mid(run.out.indexOf(">69<"), 120).constData();

    const QString out = files.dir.filePath(QStringLiteral("W3.Temperament_Hauptwerk_xml"));
    const CliRun saved = files.run({QStringLiteral("--new-a=415"), QStringLiteral("--out"), out});
    EXPECT_EQ(saved.status, 0);
    EXPECT_TRUE(saved.out.isEmpty());
    EXPECT_EQ(readAll(out), run.out);
}

// Names beyond the system's 8-bit code page (a Greek letter, a note sign)
// reach the program whole, on Windows too.
TEST(CordavoCli, FileNamesBeyondTheCodePageArriveWhole)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QString::fromUtf8("\u00dcbung \u266a"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString supplier = folder + QString::fromUtf8("/\u03a9mega.For");
    const QString temperament = folder + QString::fromUtf8("/Soci\u00e9t\u00e9.Tmp");
    const QString out = folder + QString::fromUtf8("/\u03a9mega.Temperament_Hauptwerk_xml");
    writeBytes(supplier, kSupplier);
    writeBytes(temperament, kTemperament);
    const CliRun run = runCordavoCli({QStringLiteral("xml"), QStringLiteral("--supplier"), supplier,
                                      QStringLiteral("--temperament"), temperament, QStringLiteral("--out"), out});
    EXPECT_EQ(run.status, 0) << run.errText();
    EXPECT_TRUE(readAll(out).contains("    <Name>Werckmeister III</Name>\r\n"));
}

// "-" is standard output, and a short name longer than the field's typing
// limit is written whole, as the window keeps a loaded one.
TEST(CordavoCli, XmlToStandardOutputByDashAndWithTheWholeShortName)
{
    const XmlFiles files(kSupplier, QByteArray(kTemperament).replace("W3", "LONGSHORTNAME"));
    const CliRun plain = files.run();
    ASSERT_EQ(plain.status, 0) << qPrintable(plain.err);
    EXPECT_TRUE(plain.out.contains("    <ShortName>LONGSHORTNAME</ShortName>\r\n"));
    QDir::setCurrent(files.dir.path());
    const CliRun dash = files.run({QStringLiteral("--out"), QStringLiteral("-")});
    EXPECT_EQ(dash.status, 0);
    EXPECT_EQ(dash.out, plain.out);
    EXPECT_FALSE(QFileInfo::exists(files.dir.filePath(QStringLiteral("-"))));
}

// A save that runs out of room part-way keeps the earlier document whole and
// says why. The full file system is a small tmpfs mounted in a private
// namespace, so no privileges are needed and nothing is left behind.
TEST(CordavoCli, FullDiskKeepsTheOldDocumentAndNamesTheCause)
{
    const QString unshare = QStandardPaths::findExecutable(QStringLiteral("unshare"));
    if (unshare.isEmpty() || QProcess::execute(unshare, {QStringLiteral("-rm"), QStringLiteral("true")}) != 0)
        GTEST_SKIP() << "no unprivileged mount namespaces here";
    const XmlFiles files(kSupplier, kTemperament);
    const QString disk = files.dir.filePath(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkpath(disk));
    // Mount, save a first document, then a second one over it, and copy what
    // is left out of the tmpfs before the namespace goes.
    const QString script =
        QStringLiteral("set -u; mount -t tmpfs -o size=28k tmpfs \"$1\" || exit 99\n"
                       "\"$2\" xml --supplier \"$3\" --temperament \"$4\" --out \"$1/a.xml\" || exit 98\n"
                       "\"$2\" xml --supplier \"$3\" --temperament \"$4\" --new-a 415 --out \"$1/a.xml\"; status=$?\n"
                       "cp \"$1/a.xml\" \"$5\"; ls \"$1\" >&2; exit $status\n");
    const QString kept = files.dir.filePath(QStringLiteral("kept.xml"));
    QProcess process;
    process.start(unshare,
                  {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"), script, QStringLiteral("sh"),
                   disk, QStringLiteral(CORDAVO_CLI), files.supplier, files.temperament, kept});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString err = QString::fromUtf8(process.readAllStandardError());
    ASSERT_NE(process.exitCode(), 99) << "tmpfs could not be mounted: " << qPrintable(err);
    ASSERT_NE(process.exitCode(), 98) << "the first document did not fit: " << qPrintable(err);
    EXPECT_EQ(process.exitCode(), 1) << qPrintable(err);
    EXPECT_TRUE(err.contains(QStringLiteral("No space left on device"))) << qPrintable(err);
    EXPECT_FALSE(err.contains(QStringLiteral("Unknown error"))) << qPrintable(err);
    // The old document is there, whole, and no temporary file is left over.
    EXPECT_EQ(readAll(kept), files.run().out);
    EXPECT_TRUE(err.endsWith(QStringLiteral("a.xml\n"))) << qPrintable(err);
}

TEST(CordavoCli, XmlRefusesWhatTheMainWindowRefuses)
{
    const struct {
        const char *name;
        QByteArray supplier;
        QByteArray temperament;
        QStringList more;
        const char *errors;
        int status = 1; // 2: a wrong command line, the message after the command's name
    } cases[] = {
        {"every identifying field",
         "\r\n0.4\r\n-3\r\nx\r\ny\r\n\r\n",
         "\r\n\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n",
         {},
         "Supplier Name Required\nID Supplier must be greater than zero\nID Temperament must be greater than zero\n"
         "Short Name Temperament Required\nTemperament Name Required\n"},
        {"ids held as whole numbers",
         "Acme\r\n0,49\r\n0.5\r\nx\r\ny\r\n\r\n",
         kTemperament,
         {},
         "ID Supplier must be greater than zero\n"},
        {"supplier file short",
         "Acme\r\n7\r\n",
         kTemperament,
         {},
         "Line 3 of \"Acme.For\": the line is missing; the file has 2 lines of the 6 it needs\n"},
        {"temperament short",
         kSupplier,
         "W\r\nW\r\nc\r\n0\r\n",
         {},
         "Line 5 of \"Werckmeister.Tmp\": the line is missing; the file has 4 lines of the 15 it needs\n"},
        {"temperament cents not a number",
         kSupplier,
         QByteArray(kTemperament).replace("5.86", "abc"),
         {},
         "Line 7 of \"Werckmeister.Tmp\": \"abc\" is not a number\n"},
        {"old pitch too low",
         kSupplier,
         kTemperament,
         {QStringLiteral("--old-a"), QStringLiteral("399.99")},
         "--old-a: 399.99 is not a pitch from 400 to 500 Hz\n",
         2},
        {"pitch not a number", kSupplier, kTemperament, {QStringLiteral("--new-a"), QStringLiteral("5e2.1")}, nullptr},
        {"new pitch too high",
         kSupplier,
         kTemperament,
         {QStringLiteral("--new-a"), QStringLiteral("500.01")},
         "--new-a: 500.01 is not a pitch from 400 to 500 Hz\n",
         2},
        {"notes beyond an octave",
         kSupplier,
         QByteArray(kTemperament).replace("11,73", "-1200.01").replace("5.86", "999999"),
         {},
         "\"Werckmeister.Tmp\" cannot be loaded: it puts C at -1200.01 cents, D# at +999999 cents, where a note "
         "must lie from -1200 to +1200 cents\n"},
        {"a number no field holds",
         kSupplier,
         QByteArray(kTemperament).replace("9.77", "1092222222222222222222222,18"),
         {},
         "Line 9 of \"Werckmeister.Tmp\": \"1092222222222222222222222,18\" is too large: no field holds a "
         "number beyond 999999999999999 either way\n"},
    };
    for (const auto &c : cases) {
        const XmlFiles files(c.supplier, c.temperament);
        const QString out = files.dir.filePath(QStringLiteral("out.xml"));
        const CliRun run = files.run(c.more + QStringList{QStringLiteral("--out"), out});
        if (!c.errors) {
            EXPECT_EQ(run.status, 2) << c.name;
            continue;
        }
        EXPECT_EQ(run.status, c.status) << c.name;
        if (c.status == 2) {
            EXPECT_TRUE(run.err.startsWith(QStringLiteral("cordavo-cli xml: ") + QString::fromUtf8(c.errors)))
                << c.name << ": " << run.errText();
        } else {
            EXPECT_EQ(run.err.toStdString(), c.errors) << c.name;
        }
        EXPECT_FALSE(QFileInfo::exists(out)) << c.name;
    }

    const XmlFiles files(kSupplier, kTemperament);
    const CliRun missing = runCordavoCli({QStringLiteral("xml"), QStringLiteral("--supplier"),
                                          files.dir.filePath(QStringLiteral("none.For")),
                                          QStringLiteral("--temperament"), files.temperament});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err.count(QLatin1Char('\n')), 1) << qPrintable(missing.err);
    const CliRun unwritable =
        files.run({QStringLiteral("--out"), files.dir.filePath(QStringLiteral("no/such/dir.xml"))});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.err.count(QLatin1Char('\n')), 1) << qPrintable(unwritable.err);
}

namespace {

QStringList exportArguments(const char *arguments, const QString &out)
{
    return QStringList{QStringLiteral("export"), QStringLiteral("--out"), out} + words(arguments);
}

const char *const kEqualCents = "--cents 0,0,0,0,0,0,0,0,0,0,0,0";

} // namespace

// Each format writes its file, a Scala scale its keyboard mapping beside it;
// what the window's export makes of the same source is checked with the core.
TEST(CordavoCliExport, EachFormatWritesItsFiles)
{
    const struct {
        const char *format;
        const char *file;
        const char *kbm; // the mapping beside a scale
        QByteArray start;
    } cases[] = {
        {"scl", "w.scl", "w.kbm", "! w.scl\r\nWerckmeister III\r\n12\r\n90.23000\r\n"},
        {"tun", "w.tun", nullptr, "; AnaMark tuning file\r\n"},
        {"mts-bulk", "w.syx", nullptr, QByteArray::fromHex("f07e7f080100") + "Werckmeister III"},
        {"mts-keys", "w.syx", nullptr, QByteArray::fromHex("f07f7f0802007f")},
        // Master coarse and fine tuning at A = 440, then the octave message.
        {"mts-octave", "w.syx", nullptr, QByteArray::fromHex("f07f7f04040040f7f07f7f04030040f7f07e7f0809037f7f")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.format);
        QTemporaryDir dir;
        const QString out = dir.filePath(QLatin1String(c.file));
        const QStringList format = {QStringLiteral("--format"), QLatin1String(c.format)};
        const CliRun run = runCordavoCli(exportArguments("", out) + format << QStringLiteral("--library")
                                                                           << QStringLiteral("Werckmeister III"));
        ASSERT_EQ(run.status, 0) << qPrintable(run.err);
        EXPECT_EQ(run.errText(), "");
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(readAll(out).startsWith(c.start)) << readAll(out).left(40).toHex().constData();
        QStringList expected = {QLatin1String(c.file)};
        if (c.kbm) {
            expected << QLatin1String(c.kbm);
            EXPECT_TRUE(readAll(dir.filePath(QLatin1String(c.kbm))).startsWith("! w.kbm\r\n"));
        }
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), (expected.sort(), expected));
        if (!c.kbm) {
            const CliRun dash = runCordavoCli(exportArguments("", QStringLiteral("-")) + format
                                              << QStringLiteral("--library") << QStringLiteral("Werckmeister III"));
            EXPECT_EQ(dash.status, 0);
            EXPECT_EQ(dash.out, readAll(out)) << "standard output holds the file's bytes";
        }
    }
}

// Key 69 of equal temperament at 440 Hz is exactly semitone 69: 45 00 00,
// after the seven header bytes and 69 keys of four bytes each.
TEST(CordavoCliExport, EqualTemperamentPutsKey69OnItsSemitone)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("et.syx"));
    const CliRun run = runCordavoCli(exportArguments(kEqualCents, out) << QStringLiteral("--format=mts-keys"));
    ASSERT_EQ(run.status, 0) << qPrintable(run.err);
    const QByteArray bytes = readAll(out);
    EXPECT_EQ(bytes.mid(7 + 69 * 4, 4).toHex(' ').toStdString(), "45 45 00 00");
}

// A library entry exports as its values given by --cents, which "library
// NAME" prints; the name goes with it unless --name replaces it.
TEST(CordavoCliExport, LibraryEntryEqualsItsCents)
{
    const CliRun values = runCordavoCli(words("library werkmeister iii"));
    ASSERT_EQ(values.status, 0);
    QStringList cents;
    for (const QString &line : values.outLines())
        cents << line.section(QLatin1Char('\t'), 1);
    const QString list = cents.join(QLatin1Char(','));
    for (const char *format : {"tun", "mts-bulk", "scl"}) {
        SCOPED_TRACE(format);
        QTemporaryDir dir;
        const QString fromLibrary = dir.filePath(QStringLiteral("a.") + QLatin1String(format));
        const QString fromCents = dir.filePath(QStringLiteral("b.") + QLatin1String(format));
        const QStringList formatOption = {QStringLiteral("--format"), QLatin1String(format)};
        const QStringList library = {QStringLiteral("--library"), QStringLiteral("werkmeister iii")};
        const QStringList named = {QStringLiteral("--name"), QStringLiteral("Werckmeister III"),
                                   QStringLiteral("--cents"), list};
        EXPECT_EQ(runCordavoCli(exportArguments("", fromLibrary) + formatOption + library).status, 0);
        EXPECT_EQ(runCordavoCli(exportArguments("", fromCents) + formatOption + named).status, 0);
        QByteArray bytes = readAll(fromLibrary);
        EXPECT_NE(bytes, "<unreadable>");
        EXPECT_EQ(bytes.replace("a.scl", "b.scl"), readAll(fromCents));
    }
}

TEST(CordavoCliExport, UnrepresentableNotesAreCountedButNotRefused)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("o.syx"));
    const CliRun one = runCordavoCli(exportArguments("--format mts-octave --cents 0,0,0,0,0,0,0,0,0,0,0,300", out));
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.errText(), "1 note lies more than 100 cents from equal temperament, beyond what the octave message "
                             "carries, and is held at its nearest limit: B (+300.00 cents)\n");
    const CliRun two = runCordavoCli(exportArguments(kEqualCents, out)
                                     << QStringLiteral("--format=mts-bulk") << QStringLiteral("--new-a=500"));
    EXPECT_EQ(two.status, 0);
    EXPECT_EQ(two.errText(), "2 notes could not be represented and were left unchanged: keys 126 and 127\n");
}

// Refused data exits with 1, names the file or the source, and writes nothing.
TEST(CordavoCliExport, RefusesBadInputAndWritesNothing)
{
    const struct {
        const char *arguments;
        const char *out;
        const char *message;
    } cases[] = {
        {"--format tun --temperament none.Tmp", "w.tun", "Cannot load \"none.Tmp\""},
        {"--format tun --temperament short.Tmp", "w.tun", "of \"short.Tmp\": the line is missing"},
        {"--format tun --temperament far.Tmp", "w.tun",
         "\"far.Tmp\" cannot be loaded: it puts D at +1300 cents, where a note must lie from"},
        {"--format tun --library meantone", "w.tun", "\"meantone\" matches"},
        {"--format tun --library valoti", "w.tun", "no temperament named \"valoti\"; the nearest are:\n  Vallotti\n"},
        {"--format tun --library Vallotti", "folder", "\": it is a folder"},
        {"--format tun --library Vallotti", "missing/w.tun", "missing/w.tun"},
        {"--format scl --library Vallotti", "w.scl", "w.kbm\": it is a folder"},
        {"--format scl --library Vallotti", "x.kbm", "the scale and its keyboard mapping would be the same file"},
        {"--format scl --library Vallotti", "X.KBM", "the scale and its keyboard mapping would be the same file"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        writeBytes(QStringLiteral("short.Tmp"), "W\r\nW\r\nc\r\n0\r\n");
        writeBytes(QStringLiteral("far.Tmp"),
                   "F\r\nF\r\n\r\n0\r\n0\r\n1300\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
        ASSERT_TRUE(QDir().mkdir(QStringLiteral("folder")) && QDir().mkdir(QStringLiteral("w.kbm")));
        const QStringList before = QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const CliRun run = runCordavoCli(exportArguments(c.arguments, QLatin1String(c.out)));
        EXPECT_EQ(run.status, 1);
        // Paths as the system writes them: missing\w.tun on Windows.
        EXPECT_TRUE(run.err.contains(QDir::toNativeSeparators(QLatin1String(c.message)))) << qPrintable(run.err);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    }
    QDir::setCurrent(QDir::tempPath());
}

// One entry's deviations, found as the library window finds it.
TEST(CordavoCliLibrary, PrintsAnEntrysDeviations)
{
    expectOutputs({
        {"library WERCKMEISTER III",
         "C\t11.7300051923, C#\t1.9550008654, D\t3.9100017308, D#\t5.8650025961, E\t1.9550008654, "
         "F\t9.7750043269, F#\t0, G\t7.8200034615, G#\t3.9100017308, A\t0, A#\t7.8200034615, B\t3.9100017308"},
        {"library equal TEMPERAMENT", "C\t0, C#\t0, D\t0, D#\t0, E\t0, F\t0, F#\t0, G\t0, G#\t0, A\t0, A#\t0, B\t0"},
        // By its name in another language.
        {"library gleichschwebend", "C\t0, C#\t0, D\t0, D#\t0, E\t0, F\t0, F#\t0, G\t0, G#\t0, A\t0, A#\t0, B\t0"},
    });
    // "equal temperament" is also found in longer names; the one all of whose words were given wins, in any order.
    const CliRun reordered = runCordavoCli(words("library temperament equal"));
    EXPECT_EQ(reordered.status, 0);
    EXPECT_EQ(reordered.outLines().value(1), QStringLiteral("C#\t0"));
    // Werckmeister's second temperament is not his third.
    const CliRun second = runCordavoCli({QStringLiteral("library"), QStringLiteral("Werckmeister II")});
    EXPECT_EQ(second.status, 1);
    EXPECT_TRUE(second.out.isEmpty());
    EXPECT_TRUE(second.err.contains(QStringLiteral("meantone monochord"))) << qPrintable(second.err);
    EXPECT_TRUE(second.err.endsWith(QStringLiteral(":\n  1/4 comma meantone (Aaron 1523)\n")))
        << qPrintable(second.err);
    // Candidates are listed best first, as the window lists them.
    const CliRun young = runCordavoCli(words("library young"));
    EXPECT_EQ(young.status, 1);
    EXPECT_EQ(young.errText(), "\"young\" matches 3 temperaments of the library; give one of them:\n"
                               "  Young I\n  Young II\n  Vallotti\n");
    const CliRun unknown = runCordavoCli(words("library xyzzy"));
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(unknown.errText(), "The library has no temperament named \"xyzzy\"; \"cordavo-cli library\" lists "
                                 "them all\n");
    const CliRun ambiguous = runCordavoCli(words("library kirnberger"));
    EXPECT_EQ(ambiguous.status, 1);
    EXPECT_EQ(ambiguous.errText(), "\"kirnberger\" matches 3 temperaments of the library; give one of them:\n"
                                   "  Kirnberger III\n  Kirnberger I\n  Kirnberger II\n");
}

// The list by group and the table: a row for every name the list shows.
TEST(CordavoCliLibrary, ListsByGroupAndPrintsTheTable)
{
    const CliRun listed = runCordavoCli({QStringLiteral("library")});
    ASSERT_EQ(listed.status, 0);
    const QStringList lines = listed.outLines();
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines.mid(0, 3),
              (QStringList{QStringLiteral("Equal temperament"), QStringLiteral("1/4 comma meantone (Aaron 1523)"),
                           QStringLiteral("1/4 comma variants:")}));
    const qsizetype names = lines.size() - lines.filter(QRegularExpression(QStringLiteral(":$"))).size();

    const CliRun tsv = runCordavoCli(words("library --tsv"));
    ASSERT_EQ(tsv.status, 0);
    const QStringList rows = tsv.outLines();
    ASSERT_FALSE(rows.isEmpty());
    EXPECT_EQ(rows.first().toStdString(), "name\tgroup\tC\tC#\tD\tD#\tE\tF\tF#\tG\tG#\tA\tA#\tB");
    EXPECT_EQ(rows.size() - 1, names);
    EXPECT_GT(names, 100);
    for (const QString &row : rows)
        EXPECT_EQ(row.count(QLatin1Char('\t')), 13) << qPrintable(row);
    // A constructed row as its construction gives it, rounded as the windows round (C# 1.955000865 is 1.96,
    // where the table has 1.95); a row without construction as shipped.
    EXPECT_TRUE(rows.contains(QStringLiteral("Werckmeister III\tWell tempered\t11.73\t1.96\t3.91\t5.87\t1.96\t9.78\t0"
                                             "\t7.82\t3.91\t0\t7.82\t3.91")));
    EXPECT_TRUE(rows.contains(QStringLiteral("Barca 1786\tWell tempered\t4.56\t-3.26\t1.95\t0.65\t-1.96\t2.61\t-5.21"
                                             "\t2.61\t-1.3\t0\t0.65\t-3.91")));
}

// xml takes a library entry in place of the temperament file.
TEST(CordavoCli, XmlFromTheLibrary)
{
    const XmlFiles files(kSupplier, kTemperament);
    const CliRun run = runCordavoCli({QStringLiteral("xml"), QStringLiteral("--supplier"), files.supplier,
                                      QStringLiteral("--library"), QStringLiteral("werkmeister iii")});
    ASSERT_EQ(run.status, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.out.contains("    <Name>Werckmeister III</Name>\r\n    <ShortName>Werckmeister III</ShortName>"));
    EXPECT_TRUE(run.out.contains("C-G, G-D, D-A and B-F# narrowed by 1/4 Pythagorean comma, the rest pure"));
}

// cmake --install places both programs, the menu entry, the icon and the manual page.
// A chord written as a WAV file; bad notes, lengths and names are refused
// and leave no file.
TEST(CordavoCliRender, WritesAWavFileOrRefusesWithoutWriting)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("chord.wav"));
    const CliRun chord = runCordavoCli(words("render --library werckmeister-iii --seconds 0.5 C4 E4 G4 --out") << out);
    ASSERT_EQ(chord.status, 0) << chord.errText();
    const QByteArray wav = readAll(out);
    EXPECT_EQ(wav.left(4), "RIFF");
    EXPECT_EQ(wav.size(), 44 + 2 * 24000);
    const CliRun floats =
        runCordavoCli(words("render --cents 0,0,0,0,0,0,0,0,0,0,0,0 --float --seconds 1 69 --out") << out);
    ASSERT_EQ(floats.status, 0) << floats.errText();
    EXPECT_EQ(readAll(out).size(), 58 + 4 * 48000);
    // "-" is standard output, as for xml and export: the same bytes, no file named "-".
    QDir::setCurrent(dir.path());
    const CliRun piped = runCordavoCli(words("render --cents 0,0,0,0,0,0,0,0,0,0,0,0 --float --seconds 1 69 --out -"));
    ASSERT_EQ(piped.status, 0) << piped.errText();
    EXPECT_EQ(piped.out, readAll(out));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("-"))));
    QDir::setCurrent(QDir::tempPath());

    const struct {
        const char *arguments;
        int status;
        const char *error;
    } cases[] = {
        {"render --cents 0,0,0,0,0,0,0,0,0,0,0,0 H4", 2, "\"H4\" is not a note"},
        {"render --cents 0,0,0,0,0,0,0,0,0,0,0,0 128", 2, "\"128\" is not a note"},
        {"render --cents 0,0,0,0,0,0,0,0,0,0,0,0 --seconds 0 C4", 2, "--seconds: \"0\""},
        {"render --cents 0,0,0,0,0,0,0,0,0,0,0,0 --seconds 0.00002 C4", 2, "shorter than one sample"},
        {"render --cents 0,0,0,0,0,0,0,0,0,0,0,0 --seconds 600.5 C4", 2, "--seconds: \"600.5\""},
        {"render --cents 0,0,0,0,0,0,0,0,0,0,0,0 --voice trumpet C4", 2, "--voice: \"trumpet\""},
        {"render --library nosuchtemperament C4", 1, "no temperament named"},
        {"render --cents 0,0,0,0,0,0,0,0,0,0,0,0 --old-a 300 C4", 2, "--old-a: 300 is not a pitch"},
        // Only the note names and numbers the help describes.
        {"render --cents 0,0,0,0,0,0,0,0,0,0,0,0 C-0", 2, "\"C-0\" is not a note"},
        {"render --cents 0,0,0,0,0,0,0,0,0,0,0,0 0013", 2, "\"0013\" is not a note"},
        {"render --cents 0,0,0,0,0,0,0,0,0,0,0,0 \xD9\xA6\xD9\xA0", 2, "is not a note"},
    };
    const QString refusedOut = dir.filePath(QStringLiteral("refused.wav"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun run = runCordavoCli(words(c.arguments) << QStringLiteral("--out") << refusedOut);
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.error))) << run.errText();
        EXPECT_FALSE(QFileInfo::exists(refusedOut));
    }
    const CliRun folder = runCordavoCli(words("render --cents 0,0,0,0,0,0,0,0,0,0,0,0 C4 --out") << dir.path());
    EXPECT_EQ(folder.status, 1);
    EXPECT_TRUE(folder.err.contains(QStringLiteral("it is a folder"))) << folder.errText();
#ifdef Q_OS_UNIX
    // A pipe stays a pipe.
    const QString pipe = dir.filePath(QStringLiteral("pipe.wav"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const CliRun toPipe = runCordavoCli(words("render --cents 0,0,0,0,0,0,0,0,0,0,0,0 C4 --out") << pipe);
    EXPECT_EQ(toPipe.status, 1);
    EXPECT_EQ(toPipe.errText(), QStringLiteral("Cannot save \"%1\": it is not a regular file (a device, a pipe or a "
                                               "socket); nothing was written\n")
                                    .arg(pipe)
                                    .toStdString());
#endif
}

// What a refusal quotes of a huge argument is cut to a readable length.
TEST(CordavoCli, RefusalsQuoteHugeArgumentsInPart)
{
    const QString huge(20000, QLatin1Char('x'));
    for (const QStringList &arguments : {QStringList{huge}, QStringList{QStringLiteral("library"), huge},
                                         QStringList{QStringLiteral("render"), huge}}) {
        const CliRun run = runCordavoCli(arguments);
        EXPECT_NE(run.status, 0);
        EXPECT_LT(run.err.size(), 1000) << run.errText();
        EXPECT_TRUE(run.err.contains(QString(160, QLatin1Char('x')) + QStringLiteral("...\""))) << run.errText();
    }
}

TEST(CordavoCliInstall, PlacesTheProgramsAndTheDesktopFiles)
{
    QTemporaryDir prefix;
    QProcess install;
    install.start(QStringLiteral(CMAKE_COMMAND_PATH), {QStringLiteral("--install"), QStringLiteral(CORDAVO_BUILD_DIR),
                                                       QStringLiteral("--prefix"), prefix.path()});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().constData();

    const QDir root(prefix.path());
    for (const char *program : {"bin/cordavo", "bin/cordavo-cli"}) {
        const QFileInfo info(root.filePath(QLatin1String(program)));
        EXPECT_TRUE(info.isFile() && info.isExecutable()) << program;
    }
    const QString desktop = root.filePath(QStringLiteral("share/applications/cordavo.desktop"));
    const QByteArray entry = readAll(desktop);
    EXPECT_TRUE(entry.startsWith("[Desktop Entry]\n"));
    EXPECT_TRUE(entry.contains("\nExec=cordavo %F\n") && entry.contains("\nIcon=cordavo\n")) << entry.constData();

    const QByteArray icon = readAll(root.filePath(QStringLiteral("share/icons/hicolor/256x256/apps/cordavo.png")));
    ASSERT_GE(icon.size(), 24);
    EXPECT_TRUE(icon.startsWith("\x89PNG\r\n\x1a\n"));
    EXPECT_EQ(icon.mid(16, 8), QByteArray::fromHex("0000010000000100")) << "256 x 256";

    const QString manual = root.filePath(QStringLiteral("share/man/man1/cordavo-cli.1"));
    EXPECT_TRUE(readAll(manual).startsWith(".TH CORDAVO-CLI 1"));

    // The installed program runs, and the desktop tools accept what was placed.
    QProcess cli;
    cli.start(root.filePath(QStringLiteral("bin/cordavo-cli")), {QStringLiteral("--help")});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0);
    // With the windows' translations inside it: the guide in German.
    cli.start(root.filePath(QStringLiteral("bin/cordavo-cli")),
              words("guide --library Vallotti --language de --out -"));
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_TRUE(cli.readAllStandardOutput().contains(QDate::currentDate().toString(u"dd.MM.yyyy").toUtf8()));
    const struct {
        const char *tool;
        QStringList arguments;
    } checks[] = {
        {"desktop-file-validate", {desktop}},
        {"groff", {QStringLiteral("-man"), QStringLiteral("-ww"), QStringLiteral("-z"), manual}},
    };
    for (const auto &check : checks) {
        const QString tool = QStandardPaths::findExecutable(QLatin1String(check.tool));
        if (tool.isEmpty()) {
            ADD_FAILURE() << check.tool << " is not installed (scripts/install-deps installs it)";
            continue;
        }
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(tool, check.arguments);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0) << check.tool;
        EXPECT_EQ(process.readAll(), QByteArray()) << check.tool;
    }
}

// Standard output that takes nothing (a full disk) is a failure with its
// reason, never a success with nothing written; a command that writes only
// files is not concerned.
TEST(CordavoCli, AFullStandardOutputFailsWithItsReason)
{
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        GTEST_SKIP() << "no /dev/full here";
    const XmlFiles files(kSupplier, kTemperament);
    const QStringList xml = {QStringLiteral("xml"), QStringLiteral("--supplier"), files.supplier,
                             QStringLiteral("--library"), QStringLiteral("Vallotti")};
    const QString wav = files.dir.filePath(QStringLiteral("c.wav"));
    const struct {
        QStringList arguments;
        int status;
    } cases[] = {
        {words("library"), 1},
        {words("library --tsv"), 1},
        {words("library werckmeister iii"), 1},
        {words("--version"), 1},
        {words("--help"), 1},
        {words("fifths --help"), 1},
        {words("fifths 0 0 0 0 0 0 0 0 0 0 0 0"), 1},
        {words("intervals 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1 1/1"), 1},
        {words("diff --old 0,0,0,0,0,0,0,0,0,0,0,0 --new 0,0,0,0,0,0,0,0,0,0,0,0"), 1},
        {xml, 1},
        {words("export --format tun --library Vallotti --out -"), 1},
        {words("render --library Vallotti C4 --seconds 0.1 --out -"), 1},
        {words("guide --library Vallotti --out -"), 1},
        // Nothing for standard output: done. A wrong command line keeps its status.
        {QStringList{QStringLiteral("render"), QStringLiteral("--library"), QStringLiteral("Vallotti"),
                     QStringLiteral("C4"), QStringLiteral("--seconds"), QStringLiteral("0.1"), QStringLiteral("--out"),
                     wav},
         0},
        {words("library --tsv=yes"), 2},
    };
    for (const auto &c : cases) {
        const std::string shown = c.arguments.join(QLatin1Char(' ')).toStdString();
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(CORDAVO_CLI), c.arguments);
        ASSERT_TRUE(process.waitForFinished(60000)) << shown;
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << shown;
        EXPECT_EQ(process.exitCode(), c.status) << shown << "\n" << err.toStdString();
        EXPECT_EQ(err.endsWith(QStringLiteral("cordavo-cli: cannot write to standard output: No space left on "
                                              "device\n")),
                  c.status == 1)
            << shown << "\n"
            << err.toStdString();
    }
    EXPECT_TRUE(QFileInfo(wav).size() > 44);
}

// After "--" every word is an argument, one that looks like an option too.
TEST(CordavoCliLibrary, AfterTwoDashesAnOptionIsAName)
{
    const CliRun run = runCordavoCli(words("library -- --tsv"));
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.isEmpty()) << run.outText();
    EXPECT_EQ(run.errText(), "The library has no temperament named \"--tsv\"; \"cordavo-cli library\" lists them "
                             "all\n");
    const CliRun fifths = runCordavoCli(words("fifths -- --decimals 0 0 0 0 0 0 0 0 0 0 0"));
    EXPECT_EQ(fifths.status, 2);
    EXPECT_TRUE(fifths.err.contains(QStringLiteral("fifth 1: \"--decimals\" is not one of"))) << fifths.errText();
}

// Several temperaments carry Bach's name: "Bach" alone lists them all.
TEST(CordavoCliLibrary, BachIsAmbiguous)
{
    const CliRun bach = runCordavoCli(words("library Bach"));
    EXPECT_EQ(bach.status, 1);
    EXPECT_TRUE(bach.out.isEmpty());
    EXPECT_EQ(bach.errText(), "\"Bach\" matches 3 temperaments of the library; give one of them:\n"
                              "  Bach (Bradley Lehman)\n  Kellner's Bach tuning\n  Barnes (1979)\n");
    for (const char *named : {"library bach lehman", "library Bach (Bradley Lehman)"}) {
        const CliRun run = runCordavoCli(words(named));
        EXPECT_EQ(run.status, 0) << named << "\n" << run.errText();
        EXPECT_EQ(run.outLines().value(0), QStringLiteral("C\t5.8650025961")) << named;
    }
}

// A file name that starts with a dot is the name written, and the keyboard
// mapping beside a scale of that name keeps it whole.
TEST(CordavoCliExport, ANameStartingWithADotIsKept)
{
    const struct {
        const char *format;
        QStringList written;
    } cases[] = {
        {"tun", {QStringLiteral(".hidden")}},
        {"mts-bulk", {QStringLiteral(".hidden")}},
        {"scl", {QStringLiteral(".hidden"), QStringLiteral(".hidden.kbm")}},
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral(".hidden"));
        const CliRun run =
            runCordavoCli(exportArguments("--library Vallotti --format", out) << QLatin1String(c.format));
        EXPECT_EQ(run.status, 0) << c.format << "\n" << run.errText();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), c.written) << c.format;
    }
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral(".hidden"));
    const XmlFiles files(kSupplier, kTemperament);
    ASSERT_EQ(files.run({QStringLiteral("--out"), out}).status, 0);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral(".hidden")});
}
