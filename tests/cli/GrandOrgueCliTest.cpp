// "export --format grandorgue" and "library --grandorgue", and a real
// GrandOrgue reading what they write.

#include "CliProcess.h"
#include "GzipText.h"
#include "TestFiles.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>

using namespace cordavo;

namespace {

QStringList words(const QString &text)
{
    return text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// A copy of the settings file GrandOrgue 3.9.5 wrote on its first start, in
// a temporary home.
struct Home {
    QTemporaryDir dir;
    QString config = dir.filePath(QStringLiteral("GrandOrgueConfig"));
    Home() { QFile::copy(QStringLiteral(CORDAVO_TEST_DATA "/grandorgue/GrandOrgueConfig"), config); }

    CliRun exportInto(const QStringList &arguments) const
    {
        return runCordavoCli(words(QStringLiteral("export --format grandorgue --config ")) + QStringList{config} +
                             arguments);
    }
    // The twelve offsets that "library --grandorgue FILE --title TITLE" prints.
    QList<double> offsets(const QString &title) const
    {
        QList<double> values;
        for (const QString &line : runCordavoCli(words(QStringLiteral("library --grandorgue"))
                                                 << config << QStringLiteral("--title") << title)
                                       .outLines())
            values << line.section(QLatin1Char('\t'), 1).toDouble();
        return values;
    }
};

TEST(GrandOrgueCli, ReplacesOnlyWhenToldAndRefusesWrongUses)
{
    const Home home;
    const struct {
        const char *arguments; // CONFIG stands for the settings file
        int status;
        const char *error;
        const char *out; // a part of standard output
    } cases[] = {
        {"export --format grandorgue --library vallotti --config CONFIG", 0, "", "written into"},
        {"export --format grandorgue --library vallotti --config CONFIG", 1, "give --replace to replace it", ""},
        {"export --format grandorgue --library vallotti --config CONFIG --replace", 0, "", ""},
        {"export --format scl --library vallotti --out x.scl --fold-pitch", 2,
         "--fold-pitch is for --format grandorgue", ""},
        {"export --format grandorgue --library vallotti --out x.scl", 2,
         "--out: grandorgue writes into GrandOrgue's settings file", ""},
        {"export --format grandorgue --cents 0,0,0,0,0,0,0,0,0,0,0,0 --config CONFIG", 2, "--title TEXT is required",
         ""},
        {"library --grandorgue CONFIG --title Nothing", 1, "holds no user temperament titled \"Nothing\"", ""},
        // The same title in another group is another temperament.
        {"export --format grandorgue --library vallotti --config CONFIG --group Kirche", 0, "",
         "\"Vallotti\" in the group \"Kirche\" written into"},
        {"library --grandorgue CONFIG --title Vallotti", 1,
         "holds 2 user temperaments titled \"Vallotti\", in the groups \"Cordavo\", \"Kirche\"; give --group", ""},
        {"library --grandorgue CONFIG --title Vallotti --group Kirche", 0, "", "A\t0\n"},
        {"library --grandorgue CONFIG --title Vallotti --group Nowhere", 1, "titled \"Vallotti\" in the group", ""},
        {"library --grandorgue CONFIG", 0, "", "Kirche:\n  Vallotti\tCordavo-"},
        {"library --grandorgue CONFIG --group Kirche", 2, "--group is for --title TEXT", ""},
        {"library --group Kirche", 2, "--group is for --grandorgue FILE", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun run = runCordavoCli(
            words(QString::fromUtf8(c.arguments)).replaceInStrings(QStringLiteral("CONFIG"), home.config));
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.error))) << run.errText();
        EXPECT_TRUE(run.out.contains(c.out)) << run.outText();
    }
}

// GrandOrgue holds offsets in single precision and writes them with six
// decimals; its settings dialog keeps three, and so does the listing.
TEST(GrandOrgueCli, OffsetsArePrintedToTheThreeDecimalsGrandOrgueKeeps)
{
    const struct {
        const char *written, *printed;
    } cases[] = {{"20.530001", "20.53"},  {"-101.270625", "-101.271"}, {"-0.000400", "0"},      {"0.999500", "1"},
                 {"1200.000000", "1200"}, {"-1200.000000", "-1200"},   {"13.686286", "13.686"}, {"0.000000", "0"}};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("GrandOrgueConfig"));
    QByteArray text = "[General]\nUserTemperamentCount=1\n[UserTemperament001]\nGroup=G\nName=N\nTitle=T\n";
    for (int i = 0; i < 12; ++i)
        text += "Offset" + QByteArray::number(i) + "=" + cases[i % std::size(cases)].written + "\n";
    writeBytes(path, text);
    const CliRun run = runCordavoCli(words(QStringLiteral("library --title T --grandorgue")) << path);
    ASSERT_EQ(run.status, 0) << run.errText();
    const QStringList lines = run.outLines();
    ASSERT_EQ(lines.size(), 12);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(lines[i].section(QLatin1Char('\t'), 1), QLatin1String(cases[i % std::size(cases)].printed)) << i;
}

// A program the test started, ended by its process id however the test ends.
class Started
{
public:
    Started(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment)
    {
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
    }
    ~Started()
    {
        // Asked to end first, so that the X server removes its lock file.
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    QProcess process;
};

// Waits up to a minute for 'ready' to give a non-empty answer.
QString waitFor(const std::function<QString()> &ready)
{
    for (QDeadlineTimer deadline(60000); !deadline.hasExpired(); QThread::msleep(200)) {
        if (const QString answer = ready(); !answer.isEmpty())
            return answer;
    }
    return {};
}

QStringList sectionsOf(const QByteArray &text)
{
    QStringList sections;
    for (const QByteArray &line : text.split('\n'))
        sections << (line.startsWith('[') ? QString::fromUtf8(line) : QString());
    sections.removeAll(QString());
    return sections;
}

TEST(GrandOrgueCli, RealGrandOrgueKeepsWhatWeWrote)
{
    const QString grandOrgue = QStandardPaths::findExecutable(QStringLiteral("GrandOrgue"));
    ASSERT_FALSE(grandOrgue.isEmpty()) << "GrandOrgue is missing: sh scripts/install-deps --tests";
    // GrandOrgue holds an offset as a single-precision number and its
    // settings dialog keeps three decimals, as "library --grandorgue" prints
    // them: both temperaments come back to the last of them.
    const Home home;
    const QString meantone = QStringLiteral("Mittelt\u00f6nig \u00bc");
    ASSERT_EQ(home.exportInto(words(QStringLiteral("--library vallotti --new-a 415 --fold-pitch"))).status, 0);
    ASSERT_EQ(home.exportInto(words(QStringLiteral("--cents 10.25,-13.75,3.5,20.5,-7,13.625,-10.25,1.75,-17.125,0,"
                                                   "17.125,-3.5 --group Historisch --title"))
                              << meantone)
                  .status,
              0);
    const QByteArray written = readAll(home.config);
    const QList<double> vallotti = home.offsets(QStringLiteral("Vallotti"));
    const QList<double> mitteltoenig = home.offsets(meantone);
    EXPECT_EQ(vallotti[9], -101.271);

    // A private X server, which names its display on standard output.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    Started xvfb(QStringLiteral("Xvfb"), words(QStringLiteral("-displayfd 1 -screen 0 1280x1024x24 -nolisten tcp")),
                 environment);
    xvfb.process.waitForReadyRead(30000);
    const QString display = QString::fromLatin1(xvfb.process.readAllStandardOutput()).trimmed();
    ASSERT_FALSE(display.isEmpty()) << "Xvfb did not start";
    environment.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + display);
    environment.insert(QStringLiteral("HOME"), home.dir.path());
    Started organ(grandOrgue, {}, environment);

    auto xdotool = [&](const QStringList &arguments) {
        QProcess tool;
        tool.setProcessEnvironment(environment);
        tool.start(QStringLiteral("xdotool"), arguments);
        tool.waitForFinished(15000);
        return QString::fromUtf8(tool.readAllStandardOutput()).section(QLatin1Char('\n'), 0, 0);
    };
    // With no sound device GrandOrgue asks why its settings open, then shows them.
    auto answer = [&](const char *title, const char *key) {
        const QString window = waitFor([&] {
            return xdotool(words(QStringLiteral("search --onlyvisible --name"))
                           << QStringLiteral("^%1$").arg(QLatin1String(title)));
        });
        if (!window.isEmpty()) {
            xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
            xdotool({QStringLiteral("key"), QLatin1String(key)});
        }
        return !window.isEmpty();
    };
    ASSERT_FALSE(
        waitFor([&] { return xdotool(words(QStringLiteral("search --onlyvisible --name Reason$"))); }).isEmpty());

    // While it runs, an export would be lost: refused.
    const CliRun refused = home.exportInto(words(QStringLiteral("--cents 0,0,0,0,0,0,0,0,0,0,0,0 --title Equal")));
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(
        refused.err.contains(QStringLiteral("GrandOrgue is running (process %1)").arg(organ.process.processId())))
        << refused.errText();
    EXPECT_EQ(readAll(home.config), written);
    // So is one through a link to its settings from another folder.
    QTemporaryDir links;
    const QString link = links.filePath(QStringLiteral("organ.settings"));
    ASSERT_TRUE(QFile::link(home.config, link));
    const CliRun linked = runCordavoCli(words(QStringLiteral("export --format grandorgue --title Equal --cents "
                                                             "0,0,0,0,0,0,0,0,0,0,0,0 --config"))
                                        << link);
    EXPECT_EQ(linked.status, 1);
    EXPECT_TRUE(
        linked.err.contains(QStringLiteral("GrandOrgue is running (process %1)").arg(organ.process.processId())))
        << linked.errText();
    EXPECT_EQ(readAll(home.config), written);

    ASSERT_TRUE(answer("Settings Reason", "Escape"));
    ASSERT_TRUE(answer("Program Settings", "Return"));
    ASSERT_FALSE(waitFor([&] { return readAll(home.config) != written ? QStringLiteral("y") : QString(); }).isEmpty())
        << "GrandOrgue did not rewrite its settings";
    QThread::msleep(500); // the file is replaced whole; let a slow writer finish
    organ.process.kill();
    organ.process.waitForFinished(10000);

    const QByteArray after = gunzipped(readAll(home.config));
    ASSERT_FALSE(after.isEmpty()) << "GrandOrgue's rewrite is not gzip";
    EXPECT_EQ(after.count("UserTemperamentCount=2\n"), 1);
    for (const QString &section : sectionsOf(gunzipped(written)))
        EXPECT_TRUE(sectionsOf(after).contains(section)) << qPrintable(section);
    const QList<double> vallottiAfter = home.offsets(QStringLiteral("Vallotti"));
    const QList<double> mitteltoenigAfter = home.offsets(meantone);
    ASSERT_EQ(vallottiAfter.size(), 12);
    ASSERT_EQ(mitteltoenigAfter.size(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(vallottiAfter[i], vallotti[i]) << i;
        EXPECT_EQ(mitteltoenigAfter[i], mitteltoenig[i]) << i;
    }
}

} // namespace
