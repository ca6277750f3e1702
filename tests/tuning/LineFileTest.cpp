#include "tuning/LineFile.h"
#include "TestFiles.h"
#include "numbers/NumEditText.h"
#include "tuning/IntervalCents.h"
#include "tuning/TemperamentFiles.h"
#include "tuning/TemperamentXml.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>

#include <unistd.h>
#endif

using namespace cordavo;

namespace {

QByteArray temperamentBytes(const char *eLine)
{
    QByteArray bytes = "Well\r\nW\r\n\r\n10\r\n0\r\n0\r\n0\r\n";
    bytes += eLine;
    bytes += "\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
    return bytes;
}

} // namespace

TEST(SplitLines, EveryLineEndCountsAndALastLineWithoutOne)
{
    struct Case {
        const char *text;
        QStringList lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"\r\n", {""}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(splitLines(QString::fromLatin1(c.text)), c.lines) << c.text;
}

TEST(DecodeLineFileText, Utf8OrElseWindows1252)
{
    EXPECT_EQ(decodeLineFileText(QByteArray("Societ\xC3\xA0 \xE2\x82\xAC")),
              QString::fromUtf16(u"Societ\u00E0 \u20AC"));
    EXPECT_EQ(decodeLineFileText(QByteArray("Societ\xE0 \x80 \x93x\x94")),
              QString::fromUtf16(u"Societ\u00E0 \u20AC \u201Cx\u201D"));
}

TEST(ParseLineFile, ChecksTheWholeFileBeforeGivingAnything)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        QStringView layout;
        QChar decimal;
        QString error; // empty: loads
    };
    const QChar comma = QLatin1Char(',');
    const QChar stop = QLatin1Char('.');
    const Case cases[] = {
        {"empty", "", kSupplierLayout, stop,
         "Line 1 of \"X\": the line is missing; the file has 0 lines of the 6 it needs"},
        {"one line", "Acme", kSupplierLayout, stop,
         "Line 2 of \"X\": the line is missing; the file has 1 line of the 6 it needs"},
        {"five lines of fifteen", "a\r\nb\r\nc\r\n1\r\n2\r\n", kTemperamentLayout, stop,
         "Line 6 of \"X\": the line is missing; the file has 5 lines of the 15 it needs"},
        {"letters", "Acme\r\nabc\r\n1\r\nn\r\ns\r\n\r\n", kSupplierLayout, stop,
         "Line 2 of \"X\": \"abc\" is not a number"},
        {"thousands separator", "Acme\r\n1.234,5\r\n1\r\nn\r\ns\r\n\r\n", kSupplierLayout, comma,
         "Line 2 of \"X\": \"1.234,5\" is not a number"},
        {"too large", "Acme\r\n1e400\r\n1\r\nn\r\ns\r\n\r\n", kSupplierLayout, stop,
         "Line 2 of \"X\": \"1e400\" is too large: no field holds a number beyond 999999999999999 either way"},
        {"beyond every field", temperamentBytes("1092222222222222222222222,18"), kTemperamentLayout, comma,
         "Line 8 of \"X\": \"1092222222222222222222222,18\" is too large: no field holds a number beyond "
         "999999999999999 either way"},
        {"just inside every field", temperamentBytes("-999999999999999"), kTemperamentLayout, stop, ""},
        {"beyond extended range", temperamentBytes("1e99999"), kTemperamentLayout, stop,
         "Line 8 of \"X\": \"1e99999\" is not a number"},
        {"nan", "Acme\r\n7\r\nnan\r\nn\r\ns\r\n\r\n", kSupplierLayout, stop,
         "Line 3 of \"X\": \"nan\" is not a number"},
        {"empty number line", "Acme\r\n\r\n1\r\nn\r\ns\r\n\r\n", kSupplierLayout, stop,
         "Line 2 of \"X\": \"\" is not a number"},
        {"number with junk", temperamentBytes("13,69x"), kTemperamentLayout, comma,
         "Line 8 of \"X\": \"13,69x\" is not a number"},
        {"NUL bytes", QByteArray("Acme\r\n7\0\r\n1\r\nn\r\ns\r\n\r\n", 18), kSupplierLayout, stop,
         "\"X\" is not a text file: it holds NUL bytes"},
        {"LF only", "Acme\n7\n1\nn\ns\nc\n", kSupplierLayout, stop, ""},
        {"CR only, no end on the last line", "Acme\r7\r1\rn\rs\rc", kSupplierLayout, stop, ""},
        {"extra lines ignored", "Acme\r\n7\r\n1\r\nn\r\ns\r\nc\r\nmore\r\nabc\r\n", kSupplierLayout, stop, ""},
        {"full stop under comma setting", temperamentBytes("-13.69"), kTemperamentLayout, comma, ""},
        {"comma under full-stop setting", temperamentBytes("-13,69"), kTemperamentLayout, stop, ""},
        {"invalid UTF-8 name", "Soci\xE0\r\n7\r\n1\r\nn\r\ns\r\n\r\n", kSupplierLayout, stop, ""},
    };
    for (const auto &c : cases) {
        const LineFileContents contents = parseLineFile(c.bytes, QStringLiteral("X"), c.layout, c.decimal);
        EXPECT_EQ(contents.error(), c.error) << c.name;
        EXPECT_EQ(contents.ok() ? contents.value().size() : 0, c.error.isEmpty() ? c.layout.size() : 0) << c.name;
    }
}

TEST(ParseLineFile, ReadsTheValuesOfAGoodFile)
{
    const LineFileContents contents =
        parseLineFile(temperamentBytes("-13,69"), QStringLiteral("X"), kTemperamentLayout, QLatin1Char('.'));
    ASSERT_TRUE(contents.ok());
    const TemperamentRecord record = temperamentRecord(contents.value());
    EXPECT_EQ(record.name, QStringLiteral("Well"));
    EXPECT_EQ(record.comment, QString());
    EXPECT_EQ(record.cents[0], 10);
    EXPECT_EQ(record.cents[4], -13.69L);
}

TEST(ReadLineFile, RefusesWhatIsNotASmallFile)
{
    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("Big.For"));
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(50 * 1024 * 1024));
    }
    struct Case {
        QString path;
        QString startOfError;
    };
    const Case cases[] = {
        {dir.path(), QStringLiteral("Cannot load \"%1\": it is a folder").arg(QDir::toNativeSeparators(dir.path()))},
        {dir.filePath(QStringLiteral("Missing.For")), QStringLiteral("Cannot load \"")},
        {big,
         QStringLiteral("Cannot load \"%1\": at 52428800 bytes it is too large").arg(QDir::toNativeSeparators(big))},
    };
    for (const auto &c : cases) {
        const LineFileContents contents = readLineFile(c.path, kSupplierLayout, QLatin1Char('.'));
        EXPECT_TRUE(contents.error().startsWith(c.startOfError)) << qPrintable(contents.error());
        EXPECT_FALSE(contents.ok());
    }
}

TEST(SaveFileAtomically, WritesWholeOrLeavesTheOldFile)
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("Well.Tmp"));
    EXPECT_EQ(saveFileAtomically(target, "first\r\n").error(), QString());
    EXPECT_EQ(readAll(target), QByteArray("first\r\n"));
    EXPECT_EQ(saveFileAtomically(target, "second\r\n").error(), QString());
    EXPECT_EQ(readAll(target), QByteArray("second\r\n"));

    writeBytes(dir.filePath(QStringLiteral("plain")), "x");
    const auto native = [](const QString &path) { return quoted(QDir::toNativeSeparators(path)); };
    struct Failure {
        QString path;
        QString reason;
    };
    QList<Failure> failures = {
        {dir.path(), QStringLiteral("it is a folder")},
        {dir.filePath(QStringLiteral("plain/inside.Tmp")),
         native(dir.filePath(QStringLiteral("plain"))) + QStringLiteral(" is not a folder")},
        {dir.filePath(QStringLiteral("missing/inside.Tmp")),
         QStringLiteral("the folder %1 does not exist").arg(native(dir.filePath(QStringLiteral("missing"))))},
    };
#ifdef Q_OS_UNIX
    // Pipes, and folders without write permission, as Unix has them.
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    failures.append({fifo, QStringLiteral("it is not a regular file")});
    // A file of the system's own, in a folder that takes no new files.
    if (QFileInfo(QStringLiteral("/proc/version")).isFile())
        failures.append(
            {QStringLiteral("/proc/version"), QStringLiteral("no new file can be made in the folder \"/proc\" (")});
#endif
    for (const auto &[path, reason] : failures) {
        const QString error = saveFileAtomically(path, "data").error();
        EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot save %1: %2").arg(native(path), reason)))
            << qPrintable(error);
    }
#ifdef Q_OS_UNIX
    EXPECT_TRUE(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile()) << "the pipe stays a pipe";

    // A folder without write permission (root writes anywhere, so only as a user).
    if (::geteuid() != 0) {
        const QString locked = dir.filePath(QStringLiteral("locked"));
        ASSERT_TRUE(QDir().mkdir(locked));
        const QString old = locked + QStringLiteral("/Old.Tmp");
        writeBytes(old, "old\r\n");
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_FALSE(saveFileAtomically(old, "new\r\n").error().isEmpty());
        EXPECT_EQ(readAll(old), QByteArray("old\r\n"));
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
#endif
}

#ifdef Q_OS_UNIX
TEST(SaveFileAtomically, LeavesAPipeOrADeviceAlone)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.Tmp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString first = dir.filePath(QStringLiteral("first.scl"));
    const QString expected =
        QStringLiteral(
            "Cannot save \"%1\": it is not a regular file (a device, a pipe or a socket); nothing was written")
            .arg(QDir::toNativeSeparators(pipe));
    EXPECT_EQ(saveFileAtomically(pipe, "data").error(), expected);
    // Saved together with another file: neither is written.
    EXPECT_EQ(saveFilesAtomically({{first, "scale"}, {pipe, "mapping"}}).error(), expected);
    EXPECT_FALSE(QFileInfo::exists(first));
    EXPECT_FALSE(QFileInfo(pipe).isFile());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("pipe.Tmp")});
}
#endif

TEST(TemperamentFiles, RoundTripUnderBothSettingsAndAcrossThem)
{
    SupplierRecord supplier{QStringLiteral("Acme"), 7,        512, QStringLiteral("Werckmeister III"),
                            QStringLiteral("W3"),   QString()};
    TemperamentRecord temperament{QString::fromUtf16(u"Societ\u00E0"), QStringLiteral("S"), QStringLiteral("a; b"), {}};
    for (int i = 0; i < 12; ++i)
        temperament.cents[i] = -13.69L + i * 2.5L;
    for (const QChar writer : {QLatin1Char(','), QLatin1Char('.')}) {
        const QByteArray supplierBytes = encodeLineFile(supplierFileLines(supplier, writer));
        const QByteArray temperamentBytes = encodeLineFile(temperamentFileLines(temperament, writer));
        for (const QChar reader : {QLatin1Char(','), QLatin1Char('.')}) {
            const auto s = parseLineFile(supplierBytes, QStringLiteral("S.For"), kSupplierLayout, reader);
            ASSERT_TRUE(s.ok()) << qPrintable(s.error());
            const SupplierRecord back = supplierRecord(s.value());
            EXPECT_EQ(back.supplierName, supplier.supplierName);
            EXPECT_EQ(back.supplierId, 7);
            EXPECT_EQ(back.temperamentId, 512);
            EXPECT_EQ(back.comment, QString());
            const auto t = parseLineFile(temperamentBytes, QStringLiteral("T.Tmp"), kTemperamentLayout, reader);
            ASSERT_TRUE(t.ok()) << qPrintable(t.error());
            const TemperamentRecord tBack = temperamentRecord(t.value());
            EXPECT_EQ(tBack.name, temperament.name);
            for (int i = 0; i < 12; ++i)
                EXPECT_NEAR(double(tBack.cents[i]), double(temperament.cents[i]), 1e-12);
        }
    }
    EXPECT_EQ(encodeLineFile(supplierFileLines(supplier, QLatin1Char(','))),
              QByteArray("Acme\r\n7\r\n512\r\nWerckmeister III\r\nW3\r\n\r\n"));
}

TEST(TemperamentFiles, CentsFileRoundTripUnderBothSettings)
{
    CentsRecord side{{}, QStringLiteral("Meantone")};
    for (int i = 0; i < 12; ++i)
        side.positions[i] = 100 * i + 0.25L;
    for (const QChar separator : {QLatin1Char(','), QLatin1Char('.')}) {
        SCOPED_TRACE(separator.toLatin1());
        const QByteArray bytes = encodeLineFile(centsFileLines(side, separator));
        EXPECT_TRUE(
            bytes.startsWith(QStringLiteral("0.25\r\n100.25\r\n").replace(QLatin1Char('.'), separator).toLatin1()));
        const auto read = parseLineFile(bytes, QStringLiteral("M.Cts"), kCentsLayout, separator);
        ASSERT_TRUE(read.ok()) << qPrintable(read.error());
        const CentsRecord back = centsRecord(read.value());
        EXPECT_EQ(back.name, side.name);
        EXPECT_EQ(back.positions, side.positions);
    }
}

// Fifteen significant digits carry a field's two decimals only below 10^13;
// a larger value a file may hold is written with its decimals in full, so
// that what the fields held reads back unchanged: cents, temperament and
// interval files alike, under either separator.
TEST(TemperamentFiles, LargeFieldValuesSurviveSaving)
{
    const struct {
        const char *typed; // as a field shows it, with a full stop
        const char *written;
    } cases[] = {
        {"1234.57", "1234.57"},
        {"9999999999999.99", "9999999999999.99"},
        {"-12345678901234.5", "-12345678901234.5"},
        {"777777777777777.1", "777777777777777.1"},
        {"100000000000000", "100000000000000"},
        {"-999999999999999.99", "-999999999999999.99"},
    };
    const Separators fullStop{QLatin1Char('.'), QLatin1Char(',')};
    for (const auto &c : cases) {
        const long double held = NumEditText::TextToValue(QString::fromLatin1(c.typed), fullStop);
        for (const QChar separator : {QLatin1Char(','), QLatin1Char('.')}) {
            SCOPED_TRACE(std::string(c.typed) + " with " + separator.toLatin1());
            EXPECT_EQ(lineFileNumber(held, separator),
                      QString::fromLatin1(c.written).replace(QLatin1Char('.'), separator));
            CentsRecord cents{{}, QStringLiteral("C")};
            cents.positions.fill(held);
            TemperamentRecord temperament{QStringLiteral("T"), QStringLiteral("T"), QString(), {}};
            temperament.cents.fill(held);
            IntervalRecord interval;
            interval.terms.first.fill(held);
            interval.terms.second.fill(held);
            const struct {
                QStringList lines;
                QStringView layout;
            } files[] = {{centsFileLines(cents, separator), kCentsLayout},
                         {temperamentFileLines(temperament, separator), kTemperamentLayout},
                         {intervalFileLines(interval, separator), kIntervalLayout}};
            for (const auto &file : files) {
                const auto read =
                    parseLineFile(encodeLineFile(file.lines), QStringLiteral("f"), file.layout, separator);
                ASSERT_TRUE(read.ok()) << qPrintable(read.error());
                for (qsizetype i = 0; i < read->size(); ++i) {
                    if (file.layout[i] == QLatin1Char('N')) {
                        EXPECT_EQ(fieldValue(read->at(i).number, kTwoDecimalsPattern), held) << i;
                    }
                }
            }
        }
    }
}

// A cents file a fuzzer found, its numbers 7777777777777.096 and
// 777777777777777.096 under a decimal comma: the setter's two decimals of
// each survive saving.
TEST(TemperamentFiles, CentsFileFoundByFuzzingSurvivesSaving)
{
    const QByteArray bytes = QByteArray::fromBase64(
        "MQoxDQoxMw0KLDA5NjANMA0wDTc3Nzc3Nzc3Nzc3NzcsMDk2MA0wDTANNzc3Nzc3Nzc3Nzc3Nzc3LDA5NjANMA0wDTc3Nzc3Nzc3Nzc3Nzc3Nz"
        "c3NzdlNzc3Nzc3CjA6CjANCjAKCg0NCjAKCg0xMzc3Nzc3NzcKMDoKMA0KMAoKDTE3Nzc3Nzc3Nzc3N2U3Nzc3NzcKMDoKMA0KMAoKDQ0KMAoK"
        "DTEzNzc3Nzc3NwowOgowDQowCgoNMTMwyQ0sNgowOQ0KMAowCg==");
    const QChar comma = QLatin1Char(',');
    const auto read = parseLineFile(bytes, QStringLiteral("f.Cts"), kCentsLayout, comma);
    ASSERT_TRUE(read.ok()) << qPrintable(read.error());
    CentsRecord loaded = centsRecord(read.value());
    for (long double &position : loaded.positions)
        position = fieldValue(position, kTwoDecimalsPattern);
    EXPECT_EQ(loaded.positions[9], NumEditText::TextToValue(u"777777777777777.1", Separators{}));
    const auto again =
        parseLineFile(encodeLineFile(centsFileLines(loaded, comma)), QStringLiteral("f.Cts"), kCentsLayout, comma);
    ASSERT_TRUE(again.ok()) << qPrintable(again.error());
    CentsRecord reloaded = centsRecord(again.value());
    for (long double &position : reloaded.positions)
        position = fieldValue(position, kTwoDecimalsPattern);
    EXPECT_EQ(reloaded.positions, loaded.positions);
    EXPECT_EQ(reloaded.name, loaded.name);
}

// A supplier file and then a temperament file loaded onto the data leave
// what the main window's fields hold: whole identification numbers, cents
// at two decimals, the later file's names.
TEST(TemperamentFiles, LoadedRecordsAreHeldAsTheFieldsHoldThem)
{
    const SupplierRecord supplier{QStringLiteral("Acme"),
                                  7.4L,
                                  511.5L,
                                  QStringLiteral("From supplier"),
                                  QStringLiteral("FS"),
                                  QStringLiteral("supplier comment")};
    TemperamentRecord temperament{QStringLiteral("Well"), QStringLiteral("W"), QString(), {}};
    temperament.cents[0] = 1.006L;
    temperament.cents[1] = -0.004L;
    temperament.cents[11] = -13.694L;
    TemperamentData data;
    applySupplierRecord(data, supplier);
    EXPECT_EQ(data.name, QStringLiteral("From supplier"));
    EXPECT_EQ(data.supplierId, 7);
    EXPECT_EQ(data.temperamentId, 512);
    applyTemperamentRecord(data, temperament);
    EXPECT_EQ(data.supplierName, QStringLiteral("Acme"));
    EXPECT_EQ(data.name, QStringLiteral("Well"));
    EXPECT_EQ(data.comment, QString());
    EXPECT_EQ(data.cents[0], 1.01L);
    EXPECT_EQ(data.cents[1], 0);
    EXPECT_EQ(data.cents[11], -13.69L);

    // Saving writes back what the data hold.
    EXPECT_EQ(supplierFileLines(supplierRecord(data), QLatin1Char('.')),
              (QStringList{"Acme", "7", "512", "Well", "W", ""}));
    EXPECT_EQ(temperamentFileLines(temperamentRecord(data), QLatin1Char('.')).mid(0, 4),
              (QStringList{"Well", "W", "", "1.01"}));
}

TEST(XmlFileNameForType, KeepsTheStemAndTakesTheTypesExtension)
{
    struct Case {
        const char *name;
        int type;
        const char *result;
    };
    const Case cases[] = {
        {"File1", 0, "File1.Temperament_Hauptwerk_xml"},
        {"File1.Temperament_Hauptwerk_xml", 1, "File1.Temperament.Hauptwerk.xml"},
        {"File1.Temperament.Hauptwerk.xml", 2, "File1.Txt"},
        {"File1.Txt", 0, "File1.Temperament_Hauptwerk_xml"},
        {"Old.Organ.Temperament.Hauptwerk.xml", 2, "Old.Txt"},
        {"my.file.txt", 1, "my.Temperament.Hauptwerk.xml"},
        {"", 0, ".Temperament_Hauptwerk_xml"},
        // A dot that starts the name, or lies in a folder's, starts no extension.
        {".hidden", 0, ".hidden.Temperament_Hauptwerk_xml"},
        {".hidden.Txt", 1, ".hidden.Temperament.Hauptwerk.xml"},
        {"old.v2/File1.Txt", 0, "old.v2/File1.Temperament_Hauptwerk_xml"},
        {"old.v2\\.hidden", 2, "old.v2\\.hidden.Txt"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(xmlFileNameForType(QString::fromLatin1(c.name), c.type), QString::fromLatin1(c.result)) << c.name;
}
