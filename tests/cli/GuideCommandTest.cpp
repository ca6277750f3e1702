#include "CliProcess.h"
#include "TestFiles.h"

#include <QDir>
#include <QRegularExpression>
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
        {"--metronome 5", 1, "The metronome mark must lie from 20 to 300, not 5"},
        {"--temperature-reference 18 --temperature-now 80", 1, "A temperature must lie from -40 to 60 °C, not 80"},
        {"--new-a 600", 2, "--new-a: 600 is not a pitch from 400 to 500 Hz"},
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
