// GrandOrgue's settings file: what we add must leave the rest as GrandOrgue
// wrote it, and what we read must be what GrandOrgue plays.

#include "tuning/GrandOrgueConfig.h"

#include "GzipText.h"
#include "TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <cmath>

using namespace cordavo;

namespace {

// Written by GrandOrgue 3.9.5 itself on its first start.
const QString kGrandOrgueFile = QStringLiteral(CORDAVO_TEST_DATA "/grandorgue/GrandOrgueConfig");

constexpr NoteCents kWerckmeister{11.73, 1.96, 3.91, 5.87, 1.96, 9.78, 0, 7.82, 3.91, 0, 7.82, 3.91};

GrandOrgueConfig readOk(const QByteArray &bytes)
{
    Result<GrandOrgueConfig> config = GrandOrgueConfig::read(bytes, QStringLiteral("GrandOrgueConfig"));
    EXPECT_TRUE(config.ok()) << qPrintable(config.error());
    return config.ok() ? std::move(config).value() : GrandOrgueConfig::created();
}

QByteArray latin1Config()
{
    QByteArray text = "[General]\nUserTemperamentCount=1\n[UserTemperament001]\nGroup=Kirche\nName=Mine\n";
    for (int i = 0; i < 12; ++i)
        text += "Offset" + QByteArray::number(i) + "=" + (i == 4 ? "-13.686286" : "0.000000") + "\n";
    return text + "Title=Stra\xDF"
                  "e\n[Zeta]\nA=1\n";
}

TEST(GrandOrgueConfig, AddingTwiceToGrandOrguesOwnFileKeepsOneCountAndEveryOtherLine)
{
    const QByteArray original = readAll(kGrandOrgueFile);
    GrandOrgueConfig config = readOk(original);
    ASSERT_TRUE(config.put(QStringLiteral("Cordavo"), QStringLiteral("Werckmeister III"), kWerckmeister, false).ok());
    ASSERT_TRUE(config.put(QStringLiteral("Cordavo"), QStringLiteral("Equal"), NoteCents{}, false).ok());
    const QByteArray written = config.bytes();
    ASSERT_TRUE(written.startsWith("\x1F\x8B"));
    const QByteArray text = gunzipped(written);
    ASSERT_TRUE(text.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(text.count("UserTemperamentCount="), 1);
    EXPECT_TRUE(text.contains("\nUserTemperamentCount=2\n"));
    QByteArrayList added = text.split('\n');
    for (const QByteArray &line : gunzipped(original).split('\n')) {
        if (!line.startsWith("UserTemperamentCount")) {
            EXPECT_TRUE(added.removeOne(line)) << line.constData();
        }
    }
    // What is left is the two sections, sorted as GrandOrgue sorts them, after [UI].
    EXPECT_EQ(added.size(), 2 * 16 + 1);
    EXPECT_GT(text.indexOf("[UserTemperament001]\nGroup=Cordavo\nName=Cordavo-"), text.indexOf("[UI]"));
    EXPECT_TRUE(text.contains("Offset0=11.730000\nOffset1=1.960000\nOffset10=7.820000\nOffset11=3.910000\n"
                              "Offset2=3.910000"));
    EXPECT_TRUE(text.contains("Offset9=0.000000\nTitle=Equal\n"));
}

TEST(GrandOrgueConfig, CompressionMarkAndLatin1AreKeptAsTheyWere)
{
    const QByteArray grandOrgue = readAll(kGrandOrgueFile);
    const struct {
        const char *name;
        QByteArray bytes;
        const char *title;
        bool compressed;
        bool mark;
    } cases[] = {
        {"compressed", grandOrgue, "Kirnberger", true, true},
        {"plain UTF-8", gunzipped(grandOrgue), "Kirnberger", false, true},
        {"plain ISO-8859-1", latin1Config(), "R\u00e9gence", false, false},
        {"ISO-8859-1 meets a Cyrillic title", latin1Config(), "\u0416", false, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        GrandOrgueConfig config = readOk(c.bytes);
        ASSERT_TRUE(config.put(QStringLiteral("G"), QString::fromUtf8(c.title), kWerckmeister, false).ok());
        const QByteArray written = config.bytes();
        EXPECT_EQ(written.startsWith("\x1F\x8B"), c.compressed);
        const QByteArray text = c.compressed ? gunzipped(written) : written;
        EXPECT_EQ(text.startsWith("\xEF\xBB\xBF"), c.mark);
        // Read back, every temperament is there with its own title.
        const GrandOrgueConfig again = readOk(written);
        const auto &read = again.userTemperaments();
        ASSERT_FALSE(read.isEmpty());
        EXPECT_EQ(read.last().title, QString::fromUtf8(c.title));
        if (c.bytes.startsWith("[General]")) {
            EXPECT_EQ(read.first().title, QStringLiteral("Stra\u00dfe"));
            EXPECT_NEAR(double(read.first().offsets[4]), -13.686286, 1e-9);
        }
    }
}

TEST(GrandOrgueConfig, ReadBackGivesTheOffsetsAndReplacingKeepsTheName)
{
    GrandOrgueConfig config = readOk(readAll(kGrandOrgueFile));
    NoteCents fine{};
    for (int i = 0; i < 12; ++i)
        fine[i] = -1200 + 218.1234567L * i;
    const QString group = QStringLiteral("Cordavo"), title = QStringLiteral("Fine");
    const auto first = config.put(group, title, kWerckmeister, false);
    EXPECT_FALSE(config.put(group, title, fine, false).ok());
    ASSERT_TRUE(config.put(group, title, fine, true).ok());
    // Another file gives the same group and title the same Name.
    EXPECT_EQ(GrandOrgueConfig::created().put(group, title, fine, false)->name, first->name);
    const GrandOrgueConfig again = readOk(config.bytes());
    ASSERT_EQ(again.userTemperaments().size(), 1);
    EXPECT_EQ(again.userTemperaments()[0].name, first->name);
    for (int i = 0; i < 12; ++i)
        EXPECT_NEAR(double(again.userTemperaments()[0].offsets[i]), double(fine[i]), 1e-6) << i;
}

TEST(GrandOrgueConfig, OffsetsHaveAAtZeroAndFoldThePitchWithinTwelveHundredCents)
{
    NoteCents shifted = kWerckmeister;
    for (long double &value : shifted)
        value += 5; // A at 5 cents: the offsets still put A at 0
    const struct {
        const char *name;
        NoteCents cents;
        double oldA, newA;
        bool fold;
        double c, a; // the expected offsets of C and A; NAN for a refusal
    } cases[] = {
        {"A moved to 0", shifted, 440, 440, false, 11.73, 0},
        {"pitch not folded", kWerckmeister, 440, 415, false, 11.73, 0},
        {"415 Hz folded", kWerckmeister, 440, 415, true, 11.73 - 101.2706, -101.2706},
        {"old A 415 keeps 440", kWerckmeister, 415, 415, true, 11.73, 0},
        {"up to +1200 taken", NoteCents{1200, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 440, 440, true, 1200, 0},
        {"C folded past -1200", NoteCents{-1150, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 440, 400, true, NAN, 0},
        {"the same unfolded", NoteCents{-1150, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 440, 400, false, -1150, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Result<NoteCents> offsets = grandOrgueOffsets(c.cents, c.oldA, c.newA, c.fold);
        if (std::isnan(c.c)) {
            ASSERT_FALSE(offsets.ok());
            EXPECT_TRUE(offsets.error().startsWith(QStringLiteral("C would lie -1315.00 cents")))
                << qPrintable(offsets.error());
            continue;
        }
        ASSERT_TRUE(offsets.ok()) << qPrintable(offsets.error());
        EXPECT_NEAR(double(offsets.value()[0]), c.c, 1e-4);
        EXPECT_NEAR(double(offsets.value()[9]), c.a, 1e-4);
    }
}

TEST(GrandOrgueConfig, FilesAndTitlesGrandOrgueCannotTakeAreRefused)
{
    QByteArray broken = readAll(kGrandOrgueFile);
    broken.chop(20);
    const struct {
        const char *name;
        QByteArray bytes;
        const char *error;
    } files[] = {
        {"a picture", QByteArray("\x89PNG\r\n\x1A\n\0\0", 10), "is not a GrandOrgue settings file: it is not text"},
        {"no [General]", "[UI]\nA=1\n", "is not a GrandOrgue settings file: it has no [General] section"},
        {"damaged archive", broken, "its compressed data is damaged"},
        {"bad UTF-8", "\xEF\xBB\xBF[General]\n\xC3(\n", "it is not text"},
        {"count given twice", "[General]\nUserTemperamentCount=0\nUserTemperamentCount=0\n",
         "line 3: UserTemperamentCount is given a second time in [General]"},
        {"section missing", "[General]\nUserTemperamentCount=1\n", "counts 1 user temperaments but has no section"},
        {"offset missing", latin1Config().replace("Offset7=0.000000\n", ""), "[UserTemperament001] has no Offset7"},
        {"offset not a number", latin1Config().replace("Offset7=0.000000", "Offset7=1,5"), "Offset7=1,5 is not"},
    };
    for (const auto &c : files) {
        SCOPED_TRACE(c.name);
        const auto read = GrandOrgueConfig::read(c.bytes, QStringLiteral("GrandOrgueConfig"));
        ASSERT_FALSE(read.ok());
        EXPECT_TRUE(read.error().contains(QLatin1String(c.error))) << qPrintable(read.error());
    }
    GrandOrgueConfig config = GrandOrgueConfig::created();
    for (const char *title : {"Werck; III", "Werck\nIII", ""}) {
        SCOPED_TRACE(title);
        EXPECT_FALSE(config.put(QStringLiteral("Cordavo"), QLatin1String(title), kWerckmeister, false).ok());
    }
    EXPECT_TRUE(config.userTemperaments().isEmpty());
    // GrandOrgue plays an offset beyond its range at -1200.
    const auto wide = GrandOrgueConfig::read(latin1Config().replace("-13.686286", "1300"), QString());
    ASSERT_TRUE(wide.ok());
    EXPECT_EQ(wide->userTemperaments().first().offsets[4], -1200);
}

TEST(GrandOrgueConfig, ExportKeepsTheOldFileAsBakAndLeavesOtherFilesAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("GrandOrgueConfig"));
    // None yet: a new file, compressed as GrandOrgue writes it.
    ASSERT_TRUE(exportToGrandOrgue(path, QStringLiteral("Cordavo"), QStringLiteral("W3"), kWerckmeister, false).ok());
    const QByteArray first = readAll(path);
    EXPECT_TRUE(first.startsWith("\x1F\x8B"));
    EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral(".bak")));
    ASSERT_TRUE(exportToGrandOrgue(path, QStringLiteral("Cordavo"), QStringLiteral("Eq"), NoteCents{}, false).ok());
    EXPECT_EQ(readAll(path + QStringLiteral(".bak")), first);
    EXPECT_EQ(readGrandOrgueConfig(path)->userTemperaments().size(), 2);

    const QString other = dir.filePath(QStringLiteral("notes.txt"));
    writeBytes(other, "Not settings\n");
    const auto refused =
        exportToGrandOrgue(other, QStringLiteral("Cordavo"), QStringLiteral("W3"), kWerckmeister, false);
    ASSERT_FALSE(refused.ok());
    EXPECT_TRUE(refused.error().contains(QLatin1String("has no [General] section")));
    EXPECT_EQ(readAll(other), QByteArray("Not settings\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

#ifdef Q_OS_LINUX
// The check for a running GrandOrgue, on programs named GrandOrgue (copies of
// sleep and true) that the test starts and ends by their process ids.
TEST(GrandOrgueConfig, OnlyALiveGrandOrgueOfTheFilesHomeCounts)
{
    QTemporaryDir home, elsewhere;
    const QString program = home.filePath(QStringLiteral("GrandOrgue"));
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), program));
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/true"), elsewhere.filePath(QStringLiteral("GrandOrgue"))));
    QProcess live, reaper;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    live.setProcessEnvironment(environment);
    live.start(program, {QStringLiteral("30")});
    // A GrandOrgue that has ended under a parent that never reaps it.
    reaper.start(QStringLiteral("sh"),
                 {QStringLiteral("-c"),
                  QStringLiteral("'%1' & exec sleep 30").arg(elsewhere.filePath(QStringLiteral("GrandOrgue")))});
    ASSERT_TRUE(live.waitForStarted() && reaper.waitForStarted());
    QThread::msleep(300);
    EXPECT_EQ(grandOrgueProcessesUsing(home.filePath(QStringLiteral("GrandOrgueConfig"))),
              QList<qint64>{live.processId()});
    EXPECT_TRUE(grandOrgueProcessesUsing(elsewhere.filePath(QStringLiteral("GrandOrgueConfig"))).isEmpty());
    for (QProcess *process : {&live, &reaper}) {
        process->kill();
        process->waitForFinished();
    }
}
#endif

} // namespace
