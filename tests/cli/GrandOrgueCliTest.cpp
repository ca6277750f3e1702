// "export --format grandorgue" and "library --grandorgue", and a real
// GrandOrgue reading what they write.

#include "CliProcess.h"
#include "GzipText.h"
#include "TestFiles.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

using namespace cordavo;

namespace {

// Written by GrandOrgue 3.9.5 itself on its first start.
const QString kGrandOrgueFile = QStringLiteral(CORDAVO_TEST_DATA "/grandorgue/GrandOrgueConfig");

QStringList words(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// A copy of GrandOrgue's own settings file in a temporary home.
struct Home {
    QTemporaryDir dir;
    QString config = dir.filePath(QStringLiteral("GrandOrgueConfig"));
    Home() { QFile::copy(kGrandOrgueFile, config); }

    CliRun exportInto(const QStringList &arguments) const
    {
        return runCordavoCli(QStringList{QStringLiteral("export"), QStringLiteral("--format"),
                                         QStringLiteral("grandorgue"), QStringLiteral("--config"), config} +
                             arguments);
    }
    CliRun offsets(const QString &title) const
    {
        return runCordavoCli(
            {QStringLiteral("library"), QStringLiteral("--grandorgue"), config, QStringLiteral("--title"), title});
    }
};

const QStringList kWerckmeister415 = {QStringLiteral("--library"), QStringLiteral("werckmeister iii"),
                                      QStringLiteral("--new-a"), QStringLiteral("415"), QStringLiteral("--fold-pitch")};

// The twelve numbers of "NOTE<TAB>CENTS" lines.
QList<double> centsOf(const CliRun &run)
{
    QList<double> values;
    for (const QString &line : run.outLines())
        values << line.section(QLatin1Char('\t'), 1).toDouble();
    return values;
}

TEST(GrandOrgueCli, ExportListAndPrintRoundTrip)
{
    const Home home;
    const CliRun written = home.exportInto(kWerckmeister415);
    ASSERT_EQ(written.status, 0) << written.errText();
    EXPECT_TRUE(written.out.startsWith("\"Werckmeister III\" in the group \"Cordavo\" written into "))
        << written.outText();
    const QByteArray first = readAll(home.config);

    const CliRun listed = runCordavoCli({QStringLiteral("library"), QStringLiteral("--grandorgue"), home.config});
    EXPECT_EQ(listed.outText(), "Cordavo:|  Werckmeister III");
    const QList<double> folded = centsOf(home.offsets(QStringLiteral("Werckmeister III")));
    ASSERT_EQ(folded.size(), 12);
    EXPECT_NEAR(folded[0], 11.73 - 101.270625, 1e-6);
    EXPECT_NEAR(folded[9], -101.270625, 1e-6);

    // Again without --replace: refused, the file untouched.
    const CliRun again = home.exportInto({QStringLiteral("--library"), QStringLiteral("werckmeister iii")});
    EXPECT_EQ(again.status, 1);
    EXPECT_TRUE(again.err.contains(QLatin1String("give --replace to replace it"))) << again.errText();
    EXPECT_EQ(readAll(home.config), first);
    // With it: A back at 0, the old file kept beside.
    ASSERT_EQ(
        home.exportInto({QStringLiteral("--library"), QStringLiteral("werckmeister iii"), QStringLiteral("--replace")})
            .status,
        0);
    EXPECT_EQ(readAll(home.config + QStringLiteral(".bak")), first);
    EXPECT_EQ(centsOf(home.offsets(QStringLiteral("Werckmeister III")))[0], 11.73);
}

TEST(GrandOrgueCli, WrongUsesAreRefused)
{
    const Home home;
    const struct {
        const char *arguments;
        int status;
        const char *error;
    } cases[] = {
        {"export --format scl --cents 0,0,0,0,0,0,0,0,0,0,0,0 --out x.scl --fold-pitch", 2,
         "--fold-pitch is for --format grandorgue"},
        {"export --format grandorgue --cents 0,0,0,0,0,0,0,0,0,0,0,0 --out x", 2, "give it with --config FILE"},
        {"export --format grandorgue --cents 0,0,0,0,0,0,0,0,0,0,0,0 --config CONFIG", 2, "--title TEXT is required"},
        {"export --format grandorgue --cents 0,0,0,0,0,0,0,0,0,0,0,0 --title A;B --config CONFIG", 1,
         "The title \"A;B\" holds a \";\""},
        {"export --format grandorgue --cents -1150,0,0,0,0,0,0,0,0,0,0,0 --title Low --new-a 400 --fold-pitch "
         "--config CONFIG",
         1, "C would lie -1315.00 cents"},
        {"export --format grandorgue --cents 0,0,0,0,0,0,0,0,0,0,0,0 --title E --config DATA", 1,
         "is not a GrandOrgue settings file: it has no [General] section"},
        {"library --title Equal", 2, "--title is for --grandorgue FILE"},
        {"library --grandorgue CONFIG --title Nothing", 1, "holds no user temperament titled \"Nothing\""},
        {"library --grandorgue DATA", 1, "is not a GrandOrgue settings file"},
    };
    const QString notSettings = home.dir.filePath(QStringLiteral("notes.txt"));
    writeBytes(notSettings, "[Notes]\nA=1\n");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        QStringList arguments = words(c.arguments);
        arguments.replaceInStrings(QStringLiteral("CONFIG"), home.config);
        arguments.replaceInStrings(QStringLiteral("DATA"), notSettings);
        const CliRun run = runCordavoCli(arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.error))) << run.errText();
    }
    EXPECT_EQ(readAll(home.config), readAll(kGrandOrgueFile));
    EXPECT_EQ(readAll(notSettings), QByteArray("[Notes]\nA=1\n"));
}

// A program the test started, ended by its process id however the test ends.
class Started
{
public:
    Started(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment)
    {
        m_process.setProcessEnvironment(environment);
        m_process.start(program, arguments);
    }
    ~Started()
    {
        // Asked to end first, so that the X server removes its lock file.
        if (m_process.state() != QProcess::NotRunning) {
            m_process.terminate();
            if (!m_process.waitForFinished(5000)) {
                m_process.kill();
                m_process.waitForFinished(5000);
            }
        }
    }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
};

// Waits up to 'seconds' for 'ready' to give a non-empty answer.
QString waitFor(int seconds, const std::function<QString()> &ready)
{
    const QDeadlineTimer deadline(seconds * 1000);
    while (!deadline.hasExpired()) {
        const QString answer = ready();
        if (!answer.isEmpty())
            return answer;
        QThread::msleep(200);
    }
    return {};
}

QString run(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(15000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QStringList sectionsOf(const QByteArray &text)
{
    QStringList sections;
    for (const QByteArray &line : text.split('\n')) {
        if (line.startsWith('['))
            sections << QString::fromUtf8(line);
    }
    return sections;
}

TEST(GrandOrgueCli, RealGrandOrgueKeepsWhatWeWrote)
{
    const QString grandOrgue = QStandardPaths::findExecutable(QStringLiteral("GrandOrgue"));
    ASSERT_FALSE(grandOrgue.isEmpty()) << "GrandOrgue is missing: sh scripts/install-deps --tests";
    const Home home;
    // GrandOrgue holds an offset as a single-precision number and its
    // settings dialog keeps three decimals: values of three decimals that
    // such a number holds exactly come back to the last digit; Werckmeister
    // III folded to 415 Hz comes back to the third decimal.
    const QString meantone = QStringLiteral("Mittelt\u00f6nig \u00bc");
    ASSERT_EQ(home.exportInto(kWerckmeister415).status, 0);
    ASSERT_EQ(
        home.exportInto({QStringLiteral("--cents"),
                         QStringLiteral("10.25,-13.75,3.5,20.5,-7,13.625,-10.25,1.75,-17.125,0,17.125,-3.5"),
                         QStringLiteral("--group"), QStringLiteral("Historisch"), QStringLiteral("--title"), meantone})
            .status,
        0);
    const QByteArray written = readAll(home.config);
    const QList<double> werckmeister = centsOf(home.offsets(QStringLiteral("Werckmeister III")));
    const QList<double> mitteltoenig = centsOf(home.offsets(meantone));
    ASSERT_EQ(werckmeister.size(), 12);
    ASSERT_EQ(mitteltoenig.size(), 12);

    // A private X server: it names its display on standard output.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    Started xvfb(QStringLiteral("Xvfb"), words("-displayfd 1 -screen 0 1280x1024x24 -nolisten tcp -nolisten unix"),
                 environment);
    xvfb.process().waitForReadyRead(30000);
    const QString display = QString::fromLatin1(xvfb.process().readAllStandardOutput()).trimmed();
    ASSERT_FALSE(display.isEmpty()) << "Xvfb did not start";
    environment.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + display);
    environment.insert(QStringLiteral("HOME"), home.dir.path());
    Started organ(grandOrgue, {}, environment);

    // With no sound device GrandOrgue asks why its settings open, then shows them.
    auto window = [&](const char *title) {
        return waitFor(60, [&] {
            return run(QStringLiteral("xdotool"),
                       {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                        QStringLiteral("^%1$").arg(QLatin1String(title))},
                       environment)
                .section(QLatin1Char('\n'), 0, 0);
        });
    };
    auto press = [&](const QString &id, const char *key) {
        run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), id}, environment);
        run(QStringLiteral("xdotool"), {QStringLiteral("key"), QLatin1String(key)}, environment);
    };
    const QString reason = window("Settings Reason");
    ASSERT_FALSE(reason.isEmpty()) << "GrandOrgue showed no settings question";

    // While it runs, an export would be lost: refused.
    const CliRun refused = home.exportInto({QStringLiteral("--cents"), QStringLiteral("0,0,0,0,0,0,0,0,0,0,0,0"),
                                            QStringLiteral("--title"), QStringLiteral("Equal")});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(
        refused.err.contains(QStringLiteral("GrandOrgue is running (process %1)").arg(organ.process().processId())))
        << refused.errText();
    EXPECT_EQ(readAll(home.config), written);

    press(reason, "Escape");
    const QString settings = window("Program Settings");
    ASSERT_FALSE(settings.isEmpty()) << "GrandOrgue showed no settings dialog";
    press(settings, "Return");
    const QString rewritten =
        waitFor(60, [&] { return readAll(home.config) != written ? QStringLiteral("y") : QString(); });
    ASSERT_FALSE(rewritten.isEmpty()) << "GrandOrgue did not rewrite its settings";
    QThread::msleep(500); // the file is replaced whole; let a slow writer finish
    organ.process().kill();
    organ.process().waitForFinished(10000);

    const QByteArray before = gunzipped(written);
    const QByteArray after = gunzipped(readAll(home.config));
    ASSERT_FALSE(after.isEmpty()) << "GrandOrgue's rewrite is not gzip";
    EXPECT_EQ(after.count("UserTemperamentCount=2\n"), 1);
    for (const QString &section : sectionsOf(before))
        EXPECT_TRUE(sectionsOf(after).contains(section)) << qPrintable(section);
    const CliRun listed = runCordavoCli({QStringLiteral("library"), QStringLiteral("--grandorgue"), home.config});
    EXPECT_EQ(listed.outLines(), (QStringList{QStringLiteral("Cordavo:"), QStringLiteral("  Werckmeister III"),
                                              QStringLiteral("Historisch:"), QStringLiteral("  ") + meantone}));
    const QList<double> werckmeisterAfter = centsOf(home.offsets(QStringLiteral("Werckmeister III")));
    const QList<double> mitteltoenigAfter = centsOf(home.offsets(meantone));
    ASSERT_EQ(werckmeisterAfter.size(), 12);
    ASSERT_EQ(mitteltoenigAfter.size(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_NEAR(werckmeisterAfter[i], werckmeister[i], 5e-4) << i;
        EXPECT_NEAR(mitteltoenigAfter[i], mitteltoenig[i], 1e-6) << i;
    }
}

} // namespace
