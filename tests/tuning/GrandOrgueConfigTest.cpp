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

// An export of 'cents' (A at 0) into 'path'.
GrandOrgueExportResult exportCents(const QString &path, const QString &group, const QString &title,
                                   const NoteCents &cents, bool replace = false)
{
    TuningSource source;
    source.cents = cents;
    return exportToGrandOrgue({path, source, group, title, false, replace});
}

// A plain settings file holding 'count' user temperaments, titled T1, T2 ...
QByteArray configHolding(int count)
{
    QByteArray text = "[General]\nUserTemperamentCount=" + QByteArray::number(count) + "\n";
    for (int n = 1; n <= count; ++n) {
        text += QStringLiteral("[UserTemperament%1]\nGroup=G\nName=N%2\n")
                    .arg(n, 3, 10, QLatin1Char('0'))
                    .arg(n)
                    .toLatin1();
        for (int i = 0; i < 12; ++i)
            text += "Offset" + QByteArray::number(i) + "=0.000000\n";
        text += "Title=T" + QByteArray::number(n) + "\n";
    }
    return text;
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
    ASSERT_TRUE(exportCents(path, QStringLiteral("Cordavo"), QStringLiteral("W3"), kWerckmeister).written());
    const QByteArray first = readAll(path);
    EXPECT_TRUE(first.startsWith("\x1F\x8B"));
    EXPECT_FALSE(QFileInfo::exists(path + QStringLiteral(".bak")));
    ASSERT_TRUE(exportCents(path, QStringLiteral("Cordavo"), QStringLiteral("Eq"), NoteCents{}).written());
    EXPECT_EQ(readAll(path + QStringLiteral(".bak")), first);
    EXPECT_EQ(readGrandOrgueConfig(path)->userTemperaments().size(), 2);

    const QString other = dir.filePath(QStringLiteral("notes.txt"));
    writeBytes(other, "Not settings\n");
    const auto refused = exportCents(other, QStringLiteral("Cordavo"), QStringLiteral("W3"), kWerckmeister);
    ASSERT_EQ(refused.status, GrandOrgueExportStatus::Failed);
    EXPECT_TRUE(refused.message.contains(QLatin1String("has no [General] section")));
    EXPECT_EQ(readAll(other), QByteArray("Not settings\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
}

TEST(GrandOrgueConfig, OffsetsAtTheEdgesOfTheRangeReadBackAsThemselves)
{
    // Six decimals, as the file holds them.
    for (long double edge : {1200.0, -1200.0, 1199.999999, -1199.999999}) {
        SCOPED_TRACE(double(edge));
        NoteCents offsets{};
        offsets[0] = edge;
        offsets[11] = -edge;
        GrandOrgueConfig config = GrandOrgueConfig::created();
        ASSERT_TRUE(config.put(QStringLiteral("G"), QStringLiteral("Edge"), offsets, false).ok());
        const GrandOrgueConfig again = readOk(config.bytes());
        ASSERT_EQ(again.userTemperaments().size(), 1);
        EXPECT_EQ(again.userTemperaments()[0].offsets[0], edge);
        EXPECT_EQ(again.userTemperaments()[0].offsets[11], -edge);
    }
}

TEST(GrandOrgueConfig, ASettingsFileTakesUpTo999UserTemperaments)
{
    QTemporaryDir dir;
    const struct {
        int holding;
        bool taken;
    } cases[] = {{998, true}, {999, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.holding);
        const QString path = dir.filePath(QStringLiteral("GrandOrgueConfig%1").arg(c.holding));
        writeBytes(path, configHolding(c.holding));
        const GrandOrgueExportResult result =
            exportCents(path, QStringLiteral("G"), QStringLiteral("New"), kWerckmeister);
        EXPECT_EQ(result.written(), c.taken) << qPrintable(result.message);
        const auto read = readGrandOrgueConfig(path);
        ASSERT_TRUE(read.ok()) << qPrintable(read.error());
        EXPECT_EQ(read->userTemperaments().size(), 999);
        EXPECT_EQ(read->userTemperaments().last().title, c.taken ? QStringLiteral("New") : QStringLiteral("T999"));
        if (!c.taken) {
            EXPECT_EQ(result.status, GrandOrgueExportStatus::Failed);
            EXPECT_TRUE(result.message.contains(QLatin1String("already holds 999 user temperaments")))
                << qPrintable(result.message);
            EXPECT_EQ(readAll(path), configHolding(999));
        }
    }
}

// One export after another into one file, each with what it must answer.
TEST(GrandOrgueConfig, ExportAnswersWhatWasWrittenOrWhyNot)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("GrandOrgueConfig"));
    NoteCents wide{};
    wide[0] = -1150;
    const struct {
        const char *name;
        const char *group, *title;
        NoteCents cents;
        bool replace;
        GrandOrgueExportStatus status;
        const char *message; // a part of it
        int count;           // user temperaments in the file afterwards
    } steps[] = {
        {"a comment sign", "Cordavo", "Werck; III", kWerckmeister, false, GrandOrgueExportStatus::Refused,
         "holds a \";\"", -1},
        {"an empty title", "Cordavo", "  ", kWerckmeister, false, GrandOrgueExportStatus::Refused, "title is empty",
         -1},
        {"an offset beyond -1200", "Cordavo", "Wide", NoteCents{-1200, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}, false,
         GrandOrgueExportStatus::Refused, "C would lie -1201.00 cents", -1},
        {"blanks around", " Kirche ", " Werckmeister III ", kWerckmeister, false, GrandOrgueExportStatus::Written, "",
         1},
        {"the same title in another group", "Cordavo", "Werckmeister III", NoteCents{}, false,
         GrandOrgueExportStatus::Written, "", 2},
        {"the same title in the same group", "Kirche", "Werckmeister III", NoteCents{}, false,
         GrandOrgueExportStatus::TitleTaken,
         "already holds a temperament titled \"Werckmeister III\" in the group "
         "\"Kirche\"",
         2},
        {"replaced", "Kirche", "Werckmeister III", wide, true, GrandOrgueExportStatus::Written, "", 2},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.name);
        const QByteArray before = QFileInfo::exists(path) ? readAll(path) : QByteArray();
        const GrandOrgueExportResult result =
            exportCents(path, QLatin1String(step.group), QLatin1String(step.title), step.cents, step.replace);
        EXPECT_EQ(result.status, step.status);
        EXPECT_TRUE(result.message.contains(QLatin1String(step.message))) << qPrintable(result.message);
        EXPECT_EQ(result.shownPath, QDir::toNativeSeparators(path));
        if (step.count < 0) {
            EXPECT_FALSE(QFileInfo::exists(path));
            continue;
        }
        if (!result.written()) {
            EXPECT_EQ(readAll(path), before);
        }
        EXPECT_EQ(readGrandOrgueConfig(path)->userTemperaments().size(), step.count);
    }
    // Two temperaments of one title, each with its own name and offsets.
    const auto temperaments = readGrandOrgueConfig(path)->userTemperaments();
    ASSERT_EQ(temperaments.size(), 2);
    EXPECT_EQ(temperaments[0].group, QStringLiteral("Kirche"));
    EXPECT_EQ(temperaments[1].group, QStringLiteral("Cordavo"));
    EXPECT_EQ(temperaments[0].title, temperaments[1].title);
    EXPECT_NE(temperaments[0].name, temperaments[1].name);
    EXPECT_EQ(temperaments[0].offsets[0], -1150);
    EXPECT_EQ(temperaments[1].offsets[0], 0);
}

#ifndef Q_OS_WIN
// A settings file named through a link is changed where it lies, and its
// copy kept beside it; the link stays a link. (QFile::link makes a shortcut
// on Windows, which is a file of its own.)
TEST(GrandOrgueConfig, ALinkedSettingsFileIsChangedWhereItLies)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("real/sub"));
    QDir(dir.path()).mkpath(QStringLiteral("links"));
    const QString real = dir.filePath(QStringLiteral("real/GrandOrgueConfig"));
    QFile::copy(kGrandOrgueFile, real);
    const struct {
        const char *name;
        const char *link, *target; // the link made, and what it points to (relative to it)
        const char *named;         // what the export is given
        const char *file;          // the file changed
    } cases[] = {
        {"a link to the file", "links/mine", "../real/GrandOrgueConfig", "links/mine", "real/GrandOrgueConfig"},
        {"a link to its folder", "links/folder", "../real", "links/folder/GrandOrgueConfig", "real/GrandOrgueConfig"},
        {"a link to a link", "links/second", "mine", "links/second", "real/GrandOrgueConfig"},
        {"a link to a file not yet made", "links/new", "../real/sub/GrandOrgueConfig", "links/new",
         "real/sub/GrandOrgueConfig"},
    };
    int exported = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString link = dir.filePath(QLatin1String(c.link));
        ASSERT_TRUE(QFile::link(QLatin1String(c.target), link));
        const QString file = QFileInfo(dir.filePath(QLatin1String(c.file))).absoluteFilePath();
        const bool existed = QFileInfo::exists(file);
        const QByteArray before = existed ? readAll(file) : QByteArray();
        EXPECT_EQ(grandOrgueSettingsFile(dir.filePath(QLatin1String(c.named))), file);
        const GrandOrgueExportResult result = exportCents(dir.filePath(QLatin1String(c.named)), QStringLiteral("G"),
                                                          QStringLiteral("T%1").arg(++exported), kWerckmeister);
        ASSERT_TRUE(result.written()) << qPrintable(result.message);
        EXPECT_EQ(result.shownPath, QDir::toNativeSeparators(file));
        EXPECT_TRUE(QFileInfo(link).isSymbolicLink());
        EXPECT_EQ(QFileInfo::exists(file + QStringLiteral(".bak")), existed);
        if (existed) {
            EXPECT_EQ(readAll(file + QStringLiteral(".bak")), before);
        }
        EXPECT_EQ(readGrandOrgueConfig(file)->userTemperaments().last().title, QStringLiteral("T%1").arg(exported));
    }
    // Nothing was written beside the links.
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("links")))
                  .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                  .size(),
              4);
}
#endif

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
    // Its settings, named directly or through links, and another instance's
    // settings file in its home that is a link to elsewhere.
    const QString settings = home.filePath(QStringLiteral("GrandOrgueConfig"));
    QFile::copy(kGrandOrgueFile, settings);
    QFile::copy(kGrandOrgueFile, elsewhere.filePath(QStringLiteral("shared")));
    QFile::link(settings, elsewhere.filePath(QStringLiteral("mine")));
    QFile::link(home.path(), elsewhere.filePath(QStringLiteral("home")));
    QFile::link(elsewhere.filePath(QStringLiteral("shared")), home.filePath(QStringLiteral("GrandOrgueConfig-Second")));
    const struct {
        QString path;
        bool used;
    } cases[] = {
        {settings, true},
        {elsewhere.filePath(QStringLiteral("GrandOrgueConfig")), false},
        {elsewhere.filePath(QStringLiteral("mine")), true},
        {elsewhere.filePath(QStringLiteral("home/GrandOrgueConfig")), true},
        {elsewhere.filePath(QStringLiteral("shared")), true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(qPrintable(c.path));
        EXPECT_EQ(grandOrgueProcessesUsing(c.path), c.used ? QList<qint64>{live.processId()} : QList<qint64>{});
    }
    // An export through the link is refused and changes nothing.
    const QByteArray before = readAll(settings);
    const auto refused = exportCents(elsewhere.filePath(QStringLiteral("mine")), QStringLiteral("G"),
                                     QStringLiteral("T"), kWerckmeister);
    EXPECT_EQ(refused.status, GrandOrgueExportStatus::Failed);
    EXPECT_TRUE(refused.message.startsWith(QStringLiteral("GrandOrgue is running (process %1)").arg(live.processId())))
        << qPrintable(refused.message);
    EXPECT_TRUE(refused.message.contains(QDir::toNativeSeparators(QFileInfo(settings).canonicalFilePath())));
    EXPECT_EQ(readAll(settings), before);
    EXPECT_FALSE(QFileInfo::exists(settings + QStringLiteral(".bak")));
    for (QProcess *process : {&live, &reaper}) {
        process->kill();
        process->waitForFinished();
    }
}
#endif

#ifdef Q_OS_WIN
// On Windows a program named GrandOrgue.exe (a copy of cmd.exe, waiting for
// a key) is found; it keeps its settings in the application data folder.
TEST(GrandOrgueConfig, ARunningGrandOrgueExeIsFound)
{
    QTemporaryDir appData, programs, elsewhere;
    const QByteArray oldAppData = qgetenv("APPDATA");
    qputenv("APPDATA", QDir::toNativeSeparators(appData.path()).toLocal8Bit());
    const QString settings = appData.filePath(QStringLiteral("GrandOrgueConfig"));
    const QString program = programs.filePath(QStringLiteral("GrandOrgue.exe"));
    ASSERT_TRUE(QFile::copy(qEnvironmentVariable("SystemRoot") + QStringLiteral("/System32/cmd.exe"), program));
    QProcess organ;
    organ.start(program, {QStringLiteral("/c"), QStringLiteral("pause")});
    ASSERT_TRUE(organ.waitForStarted());
    QThread::msleep(500);
    EXPECT_EQ(grandOrgueProcessesUsing(settings), QList<qint64>{organ.processId()});
    EXPECT_TRUE(grandOrgueProcessesUsing(elsewhere.filePath(QStringLiteral("GrandOrgueConfig"))).isEmpty());
    const auto refused = exportCents(settings, QStringLiteral("G"), QStringLiteral("T"), kWerckmeister);
    EXPECT_EQ(refused.status, GrandOrgueExportStatus::Failed);
    EXPECT_TRUE(refused.message.startsWith(QStringLiteral("GrandOrgue is running"))) << qPrintable(refused.message);
    EXPECT_FALSE(QFileInfo::exists(settings));
    organ.kill();
    organ.waitForFinished();
    EXPECT_TRUE(grandOrgueProcessesUsing(settings).isEmpty());
    qputenv("APPDATA", oldAppData);
}
#endif

} // namespace
