// Files dropped on the windows, named on the command line, and the desktop
// files that let a file manager hand them to the program.

#include "TestFiles.h"
#include "WindowTest.h"
#include "ui/desktop/FileOpening.h"
#include "ui/windows/UAbout.h"
#include "ui/windows/UCents.h"
#include "ui/windows/UScale.h"
#include "ui/windows/USetTemperament.h"

#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QSet>
#include <QUrl>
#include <QXmlStreamReader>

#include <functional>

using namespace cordavo;

namespace {

// 15 lines: name, short name, comment, then C to B; E 14 cents low.
const QByteArray kTemperament =
    "Well\r\nW\r\nKirnberger\r\n10\r\n0\r\n0\r\n0\r\n-14\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
const QByteArray kSupplier = "Acme\r\n7\r\n512\r\nName\r\nN\r\nNote\r\n";
// Equal temperament but for E, 10 cents low.
const QByteArray kScale = "! quarter.scl\nQuarter\n12\n100.0\n200.0\n300.0\n390.0\n500.0\n600.0\n700.0\n800.0\n900.0\n"
                          "1000.0\n1100.0\n2/1\n";
const QByteArray kCents =
    "0\r\n100\r\n200\r\n300\r\n386\r\n500\r\n600\r\n700\r\n800\r\n900\r\n1000\r\n1100\r\nJust\r\n";
// Twelve first terms, twelve second terms, the name.
const QByteArray kIntervals = "1\r\n16\r\n9\r\n6\r\n5\r\n4\r\n45\r\n3\r\n8\r\n5\r\n9\r\n15\r\n"
                              "1\r\n15\r\n8\r\n5\r\n4\r\n3\r\n32\r\n2\r\n5\r\n3\r\n5\r\n8\r\nPure\r\n";

const QString kKinds = QStringLiteral("temperament (*.Tmp), supplier (*.For), Scala scale (*.scl), cents (*.Cts), "
                                      "intervals (*.Tfs), temperament xml (*.Temperament_Hauptwerk_xml "
                                      "*.Temperament.Hauptwerk.xml *.xml *.txt)");

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString loaded(const QString &path)
{
    return QStringLiteral("information: File %1 Loaded").arg(native(path));
}

class FilesFromAnywhereTest : public WindowTest
{
protected:
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    QString write(const char *name, const QByteArray &bytes) const
    {
        const QString file = path(name);
        writeBytes(file, bytes);
        return file;
    }

    // Drags these files over the widget and drops them at a point of it, as
    // the window system delivers a drop; then lets the queued opening run.
    // Whether the widget took the drag.
    bool drop(QWidget *target, const QStringList &files, QPoint at = QPoint(10, 10))
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &file : files)
            urls << QUrl::fromLocalFile(file);
        data.setUrls(urls);
        return dropData(target, data, at);
    }

    static bool dropData(QWidget *target, const QMimeData &data, QPoint at = QPoint(10, 10))
    {
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &dropped);
        QCoreApplication::sendPostedEvents();
        return dropped.isAccepted();
    }

    // A point in the left or the right half of a window.
    static QPoint pointIn(const QWidget &window, SetterSide side)
    {
        return QPoint(side == SetterSide::Input ? window.width() / 4 : window.width() * 3 / 4, window.height() / 2);
    }

    QString mainText(const char *name) const { return mainControl<QLineEdit>(name)->text(); }
    QString note(int i) const { return noteFields(*main)[i]->text(); }
};

} // namespace

TEST_P(FilesFromAnywhereTest, EachKindDroppedOnTheMainWindowFillsWhatItsCommandFills)
{
    struct Row {
        const char *file;
        QByteArray bytes;
        std::function<QString()> filled; // what the file changed, as "a|b|c"
        QString expected;
    };
    auto join = [](const QStringList &parts) { return parts.join(QLatin1Char('|')); };
    const Row rows[] = {
        {"Well.Tmp", kTemperament,
         [&] {
             return join({mainText("EditNomeTemperamento"), mainText("EditCommento"), note(0), note(4)});
         },
         QStringLiteral("Well|Kirnberger|10|-14")},
        {"lower.tmp", kTemperament, [&] { return note(4); }, QStringLiteral("-14")},
        {"Acme.For", kSupplier,
         [&] {
             return join({mainText("EditNomeFornitore"), mainText("NumEdit_IdFornitore"), mainText("EditNomeCorto")});
         },
         QStringLiteral("Acme|7|N")},
        {"Quarter.scl", kScale,
         [&] {
             return join({mainText("EditNomeTemperamento"), note(4), note(9)});
         },
         QStringLiteral("Quarter|-10|")},
        {"Just.Cts", kCents,
         [&] {
             TFormCents &cents = windows->FormCents();
             return join(
                 {QString::number(double(cents.positions(SetterSide::Input)[4])),
                  control<QLineEdit>(cents, "EditNomeInput")->text(),
                  cents.isVisible() && !main->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden")});
         },
         QStringLiteral("386|Just|shown")},
        {"Pure.Tfs", kIntervals,
         [&] {
             TFormScale &scale = windows->FormScale();
             return join({setterFields(scale, SetterSide::Input)[1]->text(),
                          setterFields(scale, SetterSide::Input, 2)[1]->text(),
                          control<QLineEdit>(scale, "EditNomeInput")->text(),
                          scale.isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden")});
         },
         QStringLiteral("16|15|Pure|shown")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.file);
        fresh();
        const QString file = write(row.file, row.bytes);
        EXPECT_TRUE(drop(main, {file}));
        EXPECT_EQ(row.filled(), row.expected);
        EXPECT_EQ(dialogs.log, QStringList{loaded(file)});
    }
}

TEST_P(FilesFromAnywhereTest, AnXmlDocumentDroppedOpensAsOpenXmlDoes)
{
    fillIdentification(512);
    noteFields(*main)[4]->setValue(-13.69);
    generate();
    const QString file = path("Well.Temperament_Hauptwerk_xml");
    dialogs.fileAnswers = {file};
    trigger("SalvaXml");
    const QStringList before = fieldTexts();

    fresh();
    EXPECT_TRUE(drop(main, {file}));
    EXPECT_EQ(dialogs.log, QStringList{loaded(file)});
    EXPECT_EQ(fieldTexts(), before);
    EXPECT_TRUE(windows->FormXml().isVisible());
    EXPECT_TRUE(main->xmlGenerated());
}

TEST_P(FilesFromAnywhereTest, ADropOverATextFieldOpensTheFileAndTypesNothing)
{
    const QString file = write("Well.Tmp", kTemperament);
    QLineEdit *comment = mainControl<QLineEdit>("EditCommento");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    data.setText(file); // as file managers offer it too
    EXPECT_TRUE(dropData(comment, data));
    EXPECT_EQ(comment->text(), QStringLiteral("Kirnberger"));
    EXPECT_EQ(dialogs.log, QStringList{loaded(file)});

    // Text alone is still typed into the field.
    QMimeData text;
    text.setText(QStringLiteral(" and more"));
    EXPECT_TRUE(dropData(comment, text, QPoint(comment->width() - 2, 5)));
    EXPECT_EQ(comment->text(), QStringLiteral("Kirnberger and more"));
}

TEST_P(FilesFromAnywhereTest, SeveralFilesOpenInTurn)
{
    const QString supplier = write("Acme.For", kSupplier);
    const QString temperament = write("Well.Tmp", kTemperament);
    EXPECT_TRUE(drop(main, {supplier, temperament}));
    EXPECT_EQ(dialogs.log, (QStringList{loaded(supplier), loaded(temperament)}));
    EXPECT_EQ(mainText("EditNomeFornitore"), QStringLiteral("Acme"));
    // The temperament file came last: its names are the ones shown.
    EXPECT_EQ(mainText("EditNomeTemperamento"), QStringLiteral("Well"));
    EXPECT_EQ(note(0), QStringLiteral("10"));
}

TEST_P(FilesFromAnywhereTest, ARefusedFileChangesNothing)
{
    fillIdentification(512);
    noteFields(*main)[2]->setValue(3);
    const QStringList before = fieldTexts();
    struct Row {
        const char *file;
        QByteArray bytes;
        QString message;
    };
    const Row rows[] = {
        {"Five.Tmp", "n\r\ns\r\nc\r\n1\r\n2\r\n",
         "error: Line 6 of \"Five.Tmp\": the line is missing; the file has 5 lines of the 15 it needs"},
        {"Abc.For", "Acme\r\nabc\r\n1\r\nn\r\ns\r\n\r\n", "error: Line 2 of \"Abc.For\": \"abc\" is not a number"},
        {"Short.Cts", "0\r\n1\r\n",
         "error: Line 3 of \"Short.Cts\": the line is missing; the file has 2 lines of the 13 it needs"},
        {"Short.Tfs", "1\r\n2\r\n",
         "error: Line 3 of \"Short.Tfs\": the line is missing; the file has 2 lines of the 25 it needs"},
        {"notes.pdf", "%PDF-1.4\n", ""},
        {"Makefile", "all:\n", ""},
        // Notes beyond an octave from equal temperament, refused at the door.
        {"Far.Tmp", "n\r\ns\r\nc\r\n0\r\n0\r\n0\r\n5000\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n",
         "error: \"Far.Tmp\" cannot be loaded: it puts D# at +5000 cents, where a note must lie from -1200 to +1200 "
         "cents"},
        {"Far.Cts", "0\r\n100\r\n200\r\n300\r\n400\r\n500\r\n600\r\n700\r\n800\r\n900\r\n1000\r\n-1200\r\nN\r\n",
         "error: \"Far.Cts\" cannot be loaded: it puts B at -2300 cents, where a note must lie from -1200 to +1200 "
         "cents"},
        // Its mapping beside it, 22 Hz typed for 220.
        {"Low.scl", kScale,
         QStringLiteral("error: \"Low.kbm\" cannot be loaded: it puts C at -3986.31 cents, C# at -3986.31 cents, D "
                        "at -3986.31 cents (and 9 more notes), where a note must lie from -1200 to +1200 cents")
             .replace(QStringLiteral("3986.31"), local("3986.31"))},
    };
    write("Low.kbm", "12\n0\n127\n60\n57\n22\n12\n0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n");
    for (const Row &row : rows) {
        SCOPED_TRACE(row.file);
        dialogs.log.clear();
        const QString file = write(row.file, row.bytes);
        const QString message =
            row.message.isEmpty()
                ? QStringLiteral("message: %1 is not a file Cordavo can open: %2").arg(native(file), kKinds)
                : row.message;
        EXPECT_TRUE(drop(main, {file}));
        EXPECT_EQ(dialogs.log, QStringList{message});
        EXPECT_EQ(fieldTexts(), before);
        EXPECT_FALSE(windows->FormCents().isVisible());
        EXPECT_FALSE(windows->FormScale().isVisible());
        EXPECT_EQ(texts(setterFields(windows->FormCents(), SetterSide::Input)), QStringList(12, QStringLiteral("1")));
    }
}

TEST_P(FilesFromAnywhereTest, OnlyLocalFilesAreTaken)
{
    QMimeData text;
    text.setText(QStringLiteral("Well.Tmp"));
    EXPECT_FALSE(dropData(main, text));
    QMimeData web;
    web.setUrls({QUrl(QStringLiteral("https://example.org/Well.Tmp"))});
    EXPECT_FALSE(dropData(main, web));
    EXPECT_FALSE(dropData(&windows->FormCents(), web));
    // The fifths setter loads no files at all.
    EXPECT_FALSE(drop(&windows->FormCicloQuinte(), {write("Just.Cts", kCents)}));
    EXPECT_EQ(dialogs.log, QStringList());
}

TEST_P(FilesFromAnywhereTest, ASetterLoadsAFileIntoTheSideItIsDroppedOn)
{
    TFormCents &cents = windows->FormCents();
    TFormScale &scale = windows->FormScale();
    struct Row {
        SetterWindow *setter;
        const char *file;
        QByteArray bytes;
        SetterSide side;
        bool overField;   // dropped on one of the side's note fields rather than the window
        QString expected; // the side's name after the drop
    };
    const Row rows[] = {
        {&cents, "Just.Cts", kCents, SetterSide::Out, false, "Just"},
        {&cents, "Just.Cts", kCents, SetterSide::Input, true, "Just"},
        // A field of the right-hand half gets the drop at a point of its own.
        {&cents, "Just.Cts", kCents, SetterSide::Out, true, "Just"},
        {&cents, "Quarter.scl", kScale, SetterSide::Input, false, "Quarter"},
        {&scale, "Pure.Tfs", kIntervals, SetterSide::Out, false, "Pure"},
        {&scale, "Pure.Tfs", kIntervals, SetterSide::Input, true, "Pure"},
        {&scale, "Pure.Tfs", kIntervals, SetterSide::Out, true, "Pure"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.file) + (row.side == SetterSide::Input ? " Input" : " Out"));
        cents.setSideName(SetterSide::Input, QStringLiteral("in"));
        cents.setSideName(SetterSide::Out, QStringLiteral("out"));
        for (SetterSide side : {SetterSide::Input, SetterSide::Out})
            control<QLineEdit>(scale, side == SetterSide::Input ? "EditNomeInput" : "EditNomeOut")
                ->setText(QStringLiteral("x"));
        dialogs.log.clear();
        const QString file = write(row.file, row.bytes);
        const SetterSide other = row.side == SetterSide::Input ? SetterSide::Out : SetterSide::Input;
        auto name = [&](SetterSide side) {
            return control<QLineEdit>(*row.setter, side == SetterSide::Input ? "EditNomeInput" : "EditNomeOut")->text();
        };
        const QString otherBefore = name(other);
        if (row.overField)
            EXPECT_TRUE(drop(setterFields(*row.setter, row.side)[5], {file}));
        else
            EXPECT_TRUE(drop(row.setter, {file}, pointIn(*row.setter, row.side)));
        EXPECT_EQ(dialogs.log, QStringList{loaded(file)});
        EXPECT_EQ(name(row.side), row.expected);
        EXPECT_EQ(name(other), otherBefore);
    }
    EXPECT_EQ(cents.positions(SetterSide::Input)[4], 390);
    EXPECT_EQ(cents.positions(SetterSide::Out)[4], 386);
    EXPECT_EQ(setterFields(scale, SetterSide::Out)[6]->text(), QStringLiteral("45"));
}

TEST_P(FilesFromAnywhereTest, ASetterRefusesAFileItsLoadDoesNotTake)
{
    TFormScale &scale = windows->FormScale();
    const QStringList before = texts(setterFields(scale, SetterSide::Input));
    for (const char *name : {"Just.Cts", "Quarter.scl", "Well.Tmp"}) {
        SCOPED_TRACE(name);
        dialogs.log.clear();
        const QString file = write(name, kCents);
        EXPECT_TRUE(drop(&scale, {file}, pointIn(scale, SetterSide::Input)));
        EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("message: %1 is not a file this setter can open: "
                                                          "intervals (*.Tfs)")
                                               .arg(native(file))});
        EXPECT_EQ(texts(setterFields(scale, SetterSide::Input)), before);
    }
    dialogs.log.clear();
    const QString temperament = write("Well.Tmp", kTemperament);
    EXPECT_TRUE(drop(&windows->FormCents(), {temperament}));
    EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("message: %1 is not a file this setter can open: cents "
                                                      "(*.Cts), Scala scale (*.scl)")
                                           .arg(native(temperament))});
}

TEST_P(FilesFromAnywhereTest, FilesNamedAtStartOpenOnceTheAboutWindowIsAnswered)
{
    const QString supplier = write("Acme.For", kSupplier);
    const QString temperament = write("Well.Tmp", kTemperament);
    const QStringList before = fieldTexts();
    main->openAtStart({supplier, temperament});
    EXPECT_EQ(fieldTexts(), before);
    EXPECT_EQ(dialogs.log, QStringList());

    windows->start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    EXPECT_EQ(dialogs.log, (QStringList{QStringLiteral("modal: ") + windows->AboutBox().windowTitle(), loaded(supplier),
                                        loaded(temperament)}));
    EXPECT_EQ(mainText("EditNomeFornitore"), QStringLiteral("Acme"));
    EXPECT_EQ(note(4), QStringLiteral("-14"));

    // Once greeted, a file named later opens at once.
    dialogs.log.clear();
    const QString scale = write("Quarter.scl", kScale);
    main->openAtStart({scale});
    EXPECT_EQ(dialogs.log, QStringList{loaded(scale)});
}

TEST_P(FilesFromAnywhereTest, ASetterFileNamedAtStartOpensItsSetterWithTheFileOnTheLeft)
{
    const QString file = write("Just.Cts", kCents);
    main->openAtStart({file});
    windows->start();
    TFormCents &cents = windows->FormCents();
    // The main window's first activation greets, opens the file and gives way to the setter.
    ASSERT_TRUE(QTest::qWaitFor([&] { return cents.isVisible(); }));
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(cents.positions(SetterSide::Input)[4], 386);
    EXPECT_EQ(control<QLineEdit>(cents, "EditNomeInput")->text(), QStringLiteral("Just"));
    EXPECT_EQ(dialogs.entries(QStringLiteral("information")),
              QStringList{QStringLiteral("File %1 Loaded").arg(native(file))});
}

CORDAVO_BOTH_SETTINGS(FilesFromAnywhereTest);

TEST(FileArguments, EveryArgumentButTheProgramAndAFirstDoubleDashIsAFile)
{
    const QString here = QDir::currentPath();
    EXPECT_EQ(fileArguments({QStringLiteral("cordavo")}), QStringList());
    EXPECT_EQ(fileArguments({QStringLiteral("cordavo"), QStringLiteral("a.Tmp"), QStringLiteral("/b/c.For")}),
              (QStringList{here + QStringLiteral("/a.Tmp"), QStringLiteral("/b/c.For")}));
    EXPECT_EQ(fileArguments(
                  {QStringLiteral("cordavo"), QStringLiteral("--"), QStringLiteral("--"), QStringLiteral("-x.scl")}),
              (QStringList{here + QStringLiteral("/--"), here + QStringLiteral("/-x.scl")}));
}

namespace {

const QString kResources = QStringLiteral(CORDAVO_TEST_DATA "/../../resources/");

// A tool's exit code and everything it printed.
std::pair<int, QString> run(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, arguments);
    if (!process.waitForFinished(60000))
        return {-1, tool + QStringLiteral(" did not run (sh scripts/install-deps --tests installs it)")};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAll())};
}

} // namespace

TEST(DesktopFiles, TheDesktopEntryAndTheMimeTypesAreValidAndAgree)
{
    const QString entry = kResources + QStringLiteral("cordavo.desktop");
    const QString mime = kResources + QStringLiteral("cordavo-mime.xml");
    EXPECT_EQ(run(QStringLiteral("desktop-file-validate"), {entry}), std::make_pair(0, QString()));
    EXPECT_EQ(run(QStringLiteral("xmllint"), {QStringLiteral("--noout"), mime}), std::make_pair(0, QString()));

    // Every type the program's file-types package names has globs the
    // program opens, and the desktop entry offers the program for each.
    QFile mimeFile(mime);
    ASSERT_TRUE(mimeFile.open(QIODevice::ReadOnly));
    QXmlStreamReader reader(&mimeFile);
    QSet<QString> types;
    QString type;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("mime-type"))
            types << (type = reader.attributes().value(QLatin1String("type")).toString());
        if (reader.name() == QLatin1String("glob")) {
            const QString name =
                QStringLiteral("x") + reader.attributes().value(QLatin1String("pattern")).mid(1).toString();
            EXPECT_NE(fileKindOf(name), FileKind::Unknown) << qPrintable(type) << " " << qPrintable(name);
        }
    }
    EXPECT_FALSE(reader.hasError()) << qPrintable(reader.errorString());
    EXPECT_EQ(types.size(), 6);

    const QStringList lines = QString::fromUtf8(readAll(entry)).split(QLatin1Char('\n'));
    EXPECT_TRUE(lines.contains(QStringLiteral("Exec=cordavo %F")));
    QSet<QString> offered;
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("MimeType=")))
            for (const QString &t : line.mid(9).split(QLatin1Char(';'), Qt::SkipEmptyParts))
                offered << t;
    }
    EXPECT_EQ(offered, types);
}
