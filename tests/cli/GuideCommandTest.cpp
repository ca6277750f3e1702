#include "CliProcess.h"
#include "TestFiles.h"

#include <QDate>
#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cordavo;

namespace {

QStringList guideArguments(const QString &arguments)
{
    return QStringList{QStringLiteral("guide")} + arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QStringList libraryGuide(const char *name, const QString &more)
{
    return guideArguments(more) << QStringLiteral("--library") << QLatin1String(name);
}

// cordavo-cli as a session without XDG_RUNTIME_DIR starts it (cron, ssh).
CliRun runWithoutRuntimeFolder(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        environment.remove(QLatin1String(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(CORDAVO_CLI), arguments);
    CliRun run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString pdfInfo(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdf});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<pdftotext failed>");
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

// The rows hold what a tuner counts: equal temperament's F3-A3 at 6.93
// beats, doubled on a 4′ stop; the fork moved by the church's warmth.
TEST(CordavoCliGuide, TsvRowsCarryTheBeats)
{
    const struct {
        const char *arguments;
        const char *row;
    } cases[] = {
        {"--cents 0,0,0,0,0,0,0,0,0,0,0,0", "check\tF3\tA3\tmajor third\t400.000\t13.686\t6.929\twide"},
        {"--cents 0,0,0,0,0,0,0,0,0,0,0,0 --foot 4", "check\tF3\tA3\tmajor third\t400.000\t13.686\t13.859\twide"},
        {"--cents 0,0,0,0,0,0,0,0,0,0,0,0 --bearing c4", "step\tG4\tC4\tfifth\t700.000\t-1.955\t0.886\tnarrow"},
        {"--cents 0,0,0,0,0,0,0,0,0,0,0,0 --temperature-reference 18 --temperature-now 21",
         "fork\t\tA3\t\t442.26\t\t\t"},
        {"--library Vallotti --old-a 440 --new-a 415", "fork\t\tA3\t\t415.00\t\t\t"},
    };
    for (const auto &c : cases) {
        const CliRun run = runCordavoCli(guideArguments(QLatin1String(c.arguments))
                                         << QStringLiteral("--tsv") << QStringLiteral("--out=-"));
        ASSERT_EQ(run.status, 0) << c.arguments << run.errText();
        EXPECT_EQ(run.outLines().first().toStdString(), "kind\tfrom\tto\tinterval\tcents\tfrom_pure\tbeats\tquality");
        EXPECT_TRUE(run.outLines().contains(QLatin1String(c.row))) << c.arguments << "\n" << run.outText();
    }
}

// The printed sheet and the text hold every step of the rows, in order,
// for temperaments of every kind.
TEST(CordavoCliGuide, PdfAndTextHoldEveryStep)
{
    const struct {
        const char *name;
        const char *more;
    } cases[] = {
        {"Werckmeister III", "--new-a 415"},
        {"1/4 comma meantone (Aaron 1523)", "--bearing A3 --metronome 60"},
        {"Kirnberger III", "--bearing C4 --foot 4 --temperature-reference 15 --temperature-now 8"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("guide.pdf"));
        const QString txt = dir.filePath(QStringLiteral("guide.txt"));
        const CliRun rows =
            runCordavoCli(libraryGuide(c.name, QLatin1String(c.more) + QStringLiteral(" --tsv --out -")));
        ASSERT_EQ(rows.status, 0) << rows.errText();
        ASSERT_EQ(runCordavoCli(libraryGuide(c.name, QLatin1String(c.more) + QStringLiteral(" --out ") + pdf)).status,
                  0);
        ASSERT_EQ(runCordavoCli(libraryGuide(c.name, QLatin1String(c.more) + QStringLiteral(" --out ") + txt)).status,
                  0);
        const QString printed = pdfText(pdf);
        const QString text = QString::fromUtf8(readAll(txt));
        EXPECT_TRUE(printed.contains(QLatin1String(c.name))) << qPrintable(printed);
        int step = 0;
        qsizetype printedAt = 0;
        qsizetype textAt = 0;
        for (const QString &row : rows.outLines()) {
            const QStringList cells = row.split(QLatin1Char('\t'));
            if (cells[0] != QLatin1String("step"))
                continue;
            // "3  D4  G3  fifth  narrow" with any spacing between.
            const QRegularExpression line(QStringLiteral("(^|\\n)\\s*%1\\s+%2\\s+%3\\s+%4\\s+%5")
                                              .arg(++step)
                                              .arg(QRegularExpression::escape(cells[1]),
                                                   QRegularExpression::escape(cells[2]), cells[3], cells[7]));
            const auto inPdf = line.match(printed, printedAt);
            EXPECT_TRUE(inPdf.hasMatch()) << "step " << step << ": " << qPrintable(row) << "\n" << qPrintable(printed);
            printedAt = inPdf.hasMatch() ? inPdf.capturedEnd() : printedAt;
            const auto inText = line.match(text, textAt);
            EXPECT_TRUE(inText.hasMatch()) << "step " << step << ": " << qPrintable(row);
            textAt = inText.hasMatch() ? inText.capturedEnd() : textAt;
        }
        EXPECT_GE(step, 12);
    }
}

TEST(CordavoCliGuide, RefusesWhatItCannotUseAndWritesNothing)
{
    const struct {
        const char *arguments;
        int status;
        const char *message;
    } cases[] = {
        {"--bearing E3", 2, "--bearing: \"E3\" is not one of F3, C4, A3"},
        {"--foot 16", 2, "--foot: \"16\" is not one of 8, 4, 2"},
        {"--metronome fast", 2, "--metronome: \"fast\" is not a whole number"},
        {"--temperature-now 20", 2, "give both --temperature-reference and --temperature-now, or neither"},
        {"--temperature-reference 18 --temperature-now warm", 2, "--temperature-now: \"warm\" is not a number"},
        {"--tsv", 2, "--tsv writes text: give a name that does not end in .pdf, or -"},
        {"--metronome 5", 2, "--metronome: 5 is not a mark from 20 to 300"},
        {"--metronome 19", 2, "--metronome: 19 is not a mark from 20 to 300"},
        {"--metronome 301", 2, "--metronome: 301 is not a mark from 20 to 300"},
        {"--temperature-reference 18 --temperature-now 80", 2,
         "--temperature-now: 80 is not a temperature from -40 to 60 °C"},
        {"--temperature-reference -40.5 --temperature-now 20", 2,
         "--temperature-reference: -40.5 is not a temperature from -40 to 60 °C"},
        {"--new-a 600", 2, "--new-a: 600 is not a pitch from 400 to 500 Hz"},
        {"--language es", 2, "--language: \"es\" is not one of it, de, nl, fr, en"},
    };
    for (const auto &c : cases) {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("guide.pdf"));
        const CliRun run =
            runCordavoCli(libraryGuide("Vallotti", QLatin1String(c.arguments) + QStringLiteral(" --out ") + out));
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_TRUE(run.err.startsWith(QString::fromUtf8(c.message)) ||
                    run.err.contains(QStringLiteral(": ") + QString::fromUtf8(c.message)))
            << c.arguments << "\n"
            << run.errText();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList()) << c.arguments;
    }
}

// The sheet in each language the windows speak: the temperament under the
// windows' name for it there, the date and the decimal comma as the
// language writes them; the rows for a spreadsheet stay English.
TEST(CordavoCliGuide, WritesTheSheetInTheLanguageAsked)
{
    const QDate today = QDate::currentDate();
    const struct {
        const char *language;
        const char *name;
        const char *date;
        const char *pitch;
    } cases[] = {
        {"", "Tuning guide: 1/4 comma meantone (Aaron 1523)", "yyyy-MM-dd", "= 440.00 Hz"},
        {"en", "Tuning guide: 1/4 comma meantone (Aaron 1523)", "yyyy-MM-dd", "= 440.00 Hz"},
        {"it", "Temperamento mesotonico a 1/4 di comma (Aaron 1523)", "dd/MM/yyyy", "= 440,00 Hz"},
        {"de", "1/4-Komma-mitteltönige Stimmung (Aaron 1523)", "dd.MM.yyyy", "= 440,00 Hz"},
        {"nl", "1/4-komma-middentoonstemming (Aaron 1523)", "dd-MM-yyyy", "= 440,00 Hz"},
        {"FR", "Tempérament mésotonique au 1/4 de comma (Aaron 1523)", "dd/MM/yyyy", "= 440,00 Hz"},
    };
    const CliRun englishRows = runCordavoCli(libraryGuide("mesotonico", QStringLiteral("--tsv --out -")));
    ASSERT_EQ(englishRows.status, 0) << englishRows.errText();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.language);
        const QString language = *c.language ? QStringLiteral(" --language ") + QLatin1String(c.language) : QString();
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("guide.pdf"));
        const CliRun text = runCordavoCli(libraryGuide("mesotonico", language + QStringLiteral(" --out -")));
        ASSERT_EQ(text.status, 0) << text.errText();
        const CliRun printed = runCordavoCli(libraryGuide("mesotonique", language + QStringLiteral(" --out ") + pdf));
        ASSERT_EQ(printed.status, 0) << printed.errText();
        for (const QString &sheet : {QString::fromUtf8(text.out), pdfText(pdf)}) {
            for (const QString &expected :
                 {QString::fromUtf8(c.name), today.toString(QLatin1String(c.date)), QString::fromUtf8(c.pitch)})
                EXPECT_TRUE(sheet.contains(expected)) << qPrintable(expected) << "\n" << qPrintable(sheet);
        }
        const CliRun rows = runCordavoCli(libraryGuide("mesotonico", language + QStringLiteral(" --tsv --out -")));
        EXPECT_EQ(rows.out, englishRows.out);
    }
}

// The metronome's marks from 20 to 300 are counted; the temperatures from
// -40 to 60 °C are taken, the ends included.
TEST(CordavoCliGuide, TakesTheEndsOfEveryRange)
{
    for (const char *arguments :
         {"--metronome 20", "--metronome 300", "--temperature-reference -40 --temperature-now 60"}) {
        const CliRun run =
            runCordavoCli(libraryGuide("Vallotti", QLatin1String(arguments) + QStringLiteral(" --out -")));
        EXPECT_EQ(run.status, 0) << arguments << run.errText();
    }
    const CliRun run = runCordavoCli(libraryGuide("Vallotti", QStringLiteral("--metronome 300 --out -")));
    EXPECT_TRUE(run.outLines().join('\n').contains(QStringLiteral("Per beat at MM 300")));
}

// A name ending in ".PDF" is a PDF too; a session without a runtime folder
// gets it without Qt's notice about that folder on standard error.
TEST(CordavoCliGuide, WritesThePdfForAnyCaseOfTheSuffix)
{
    QTemporaryDir dir;
    for (const char *name : {"g.PDF", "g.Pdf"}) {
        const QString out = dir.filePath(QLatin1String(name));
        const CliRun run = runWithoutRuntimeFolder(libraryGuide("Werckmeister III", QStringLiteral("--out ") + out));
        EXPECT_EQ(run.status, 0) << name << run.errText();
        EXPECT_EQ(run.err, QString()) << name;
        EXPECT_TRUE(readAll(out).startsWith("%PDF-")) << name;
        EXPECT_TRUE(pdfInfo(out).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << name;
        EXPECT_TRUE(pdfText(out).contains(QLatin1String("Werckmeister III"))) << name;
    }
}

// The help names the intervals and qualities of the rows, and the rows use
// no other: equal temperament, a meantone with its wolves and a just
// tuning with its pure minor third give every one of them between them.
TEST(CordavoCliGuide, HelpNamesTheIntervalsTheRowsHold)
{
    const CliRun help = runCordavoCli({QStringLiteral("guide"), QStringLiteral("--help")});
    ASSERT_EQ(help.status, 0);
    const QString text = QString::fromUtf8(help.out).simplified();
    const auto listed = [&](const QString &column) {
        const QRegularExpression list(column + QStringLiteral(" \\(([^)]*)\\)"));
        return list.match(text).captured(1);
    };
    const QString intervals = listed(QStringLiteral("interval"));
    ASSERT_FALSE(intervals.isEmpty()) << qPrintable(text);
    QSet<QString> produced;
    QSet<QString> qualities;
    for (const char *name : {"Equal temperament", "1/4 comma meantone (Aaron 1523)", "Kepler's choice system (1619)"}) {
        for (const char *bearing : {"F3", "C4", "A3"}) {
            const CliRun rows =
                runCordavoCli(libraryGuide(name, QStringLiteral("--tsv --out - --bearing ") + QLatin1String(bearing)));
            ASSERT_EQ(rows.status, 0) << rows.errText();
            for (const QString &row : rows.outLines().mid(2)) {
                produced << row.section(QLatin1Char('\t'), 3, 3);
                qualities << row.section(QLatin1Char('\t'), 7, 7);
            }
        }
    }
    for (const QString &interval : produced)
        EXPECT_TRUE(intervals.contains(interval)) << qPrintable(interval) << " is not in the help";
    for (const QString &named : intervals.split(QRegularExpression(QStringLiteral(", (or )?| or "))))
        EXPECT_TRUE(produced.contains(named)) << qPrintable(named) << " is in the help but in no row";
    for (const QString &quality : qualities)
        EXPECT_TRUE(text.contains(QStringLiteral("quality (")) &&
                    text.section(QStringLiteral("quality ("), 1).section(QLatin1Char(')'), 0, 0).contains(quality))
            << qPrintable(quality);
}
