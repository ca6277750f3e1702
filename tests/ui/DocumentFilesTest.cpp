#include "TestFiles.h"
#include "WindowTest.h"
#include "ui/windows/UTempXml.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace cordavo;

namespace {

// Output of one of poppler's tools on a file, or a note on what failed.
QString runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(tool, QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A word's box on a printed page, in points from the page's top-left corner.
struct PrintedWord {
    int page;
    double left;
    double top;
    double bottom;
    QString text;
};

// Every word of a PDF with its box, as pdftotext -bbox reports them; the
// heights of the pages come in pageHeights.
QList<PrintedWord> printedWords(const QString &pdf, QList<double> *pageHeights)
{
    const QString html = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    static const QRegularExpression tag(QStringLiteral(
        "<page width=\"[0-9.]+\" height=\"([0-9.]+)\">|"
        "<word xMin=\"([0-9.-]+)\" yMin=\"([0-9.-]+)\" xMax=\"[0-9.-]+\" yMax=\"([0-9.-]+)\">([^<]*)</word>"));
    QList<PrintedWord> words;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        if (!match.captured(1).isEmpty())
            pageHeights->append(match.captured(1).toDouble());
        else
            words.append({static_cast<int>(pageHeights->size()) - 1, match.captured(2).toDouble(),
                          match.captured(3).toDouble(), match.captured(4).toDouble(),
                          match.captured(5)
                              .replace(QLatin1String("&lt;"), QLatin1String("<"))
                              .replace(QLatin1String("&gt;"), QLatin1String(">"))
                              .replace(QLatin1String("&quot;"), QLatin1String("\""))
                              .replace(QLatin1String("&amp;"), QLatin1String("&"))});
    }
    return words;
}

// Saving, printing and the two data files, under both regional settings.
class DocumentFilesTest : public WindowTest
{
protected:
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    QString saved(const QString &file) const
    {
        return QStringLiteral("information: File ") + QDir::toNativeSeparators(file) + QStringLiteral(" Saved");
    }
    QString loaded(const QString &file) const
    {
        return QStringLiteral("information: File ") + QDir::toNativeSeparators(file) + QStringLiteral(" Loaded");
    }
    QLineEdit *edit(const char *name) const { return mainControl<QLineEdit>(name); }
    TNumEdit *field(const char *name) const { return mainControl<TNumEdit>(name); }
};

} // namespace

TEST_P(DocumentFilesTest, SavedXmlIsTheViewersTextInUtf8WithCrLf)
{
    fillIdentification(512);
    edit("EditNomeTemperamento")->setText(QString::fromUtf16(u"Societ\u00E0 & Figli"));
    generate();
    const QString file = path("Well.Temperament_Hauptwerk_xml");
    dialogs.fileAnswers = {file};
    trigger("SalvaXml");
    EXPECT_EQ(dialogs.log.last(), saved(file));

    const QByteArray bytes = readAll(file);
    EXPECT_EQ(bytes.count("\r\n"), 549);
    EXPECT_EQ(bytes.count('\n'), 549);
    EXPECT_TRUE(bytes.endsWith("</Hauptwerk>\r\n"));
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"));
    EXPECT_TRUE(bytes.contains("    <Name>Societ\xC3\xA0 &amp; Figli</Name>\r\n"));
    EXPECT_EQ(runTool(QStringLiteral("xmllint"), {QStringLiteral("--noout"), file}), QString());

    // The dialog offers the three types and keeps the chosen name for next time.
    EXPECT_EQ(dialogs.lastQuestion.filters.size(), 3);
    EXPECT_EQ(dialogs.lastQuestion.fileName, QStringLiteral("File1"));
    EXPECT_EQ(dialogs.lastQuestion.typeChanged(QStringLiteral("File1"), 0),
              QStringLiteral("File1.Temperament_Hauptwerk_xml"));
    dialogs.fileAnswers = {std::nullopt};
    trigger("SalvaXml");
    EXPECT_EQ(dialogs.lastQuestion.fileName, file);
}

TEST_P(DocumentFilesTest, SavingKeepsTheUsersEditsAndIsRefusedBeforeTheFirstGeneration)
{
    const QString empty = path("Empty.Temperament.Hauptwerk.xml");
    dialogs.fileAnswers = {empty};
    trigger("SalvaXml");
    EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("message: Before Generating The XML Page")});
    EXPECT_FALSE(QFileInfo::exists(empty));
    dialogs.log.clear();

    fillIdentification(512);
    generate();
    viewer()->appendPlainText(QStringLiteral("<!-- tuned by ear -->"));
    const QString edited = path("Edited.Txt");
    dialogs.fileAnswers = {edited};
    trigger("SalvaXml");
    EXPECT_TRUE(readAll(edited).endsWith("</Hauptwerk>\r\n<!-- tuned by ear -->\r\n"));

    // Cancelling writes nothing and says nothing.
    dialogs.log.clear();
    dialogs.fileAnswers = {std::nullopt};
    trigger("SalvaXml");
    EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("save")});
}

TEST_P(DocumentFilesTest, AFailedSaveSaysWhyAndKeepsTheOldFile)
{
    fillIdentification(512);
    generate();
    const QString existing = path("Keep.For");
    writeBytes(existing, "old\r\n");
    struct Case {
        const char *command;
        QString target;
    };
    const Case cases[] = {
        {"SalvaXml", dir.path()},
        {"SalvaFornitore", dir.path()},
        {"SalvaTemperamento", path("Keep.For/inside.Tmp")},
        {"SalvaFornitore", path("no/such/folder/File1.For")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.command) + " to " + c.target.toStdString());
        dialogs.log.clear();
        dialogs.fileAnswers = {c.target};
        trigger(c.command);
        ASSERT_EQ(dialogs.log.size(), 2) << qPrintable(dialogs.log.join(QLatin1Char('|')));
        EXPECT_TRUE(dialogs.log[1].startsWith(
            QStringLiteral("error: Cannot save \"%1\": ").arg(QDir::toNativeSeparators(c.target))))
            << qPrintable(dialogs.log[1]);
    }
    EXPECT_EQ(readAll(existing), QByteArray("old\r\n"));
}

TEST_P(DocumentFilesTest, PrintingIsRefusedBeforeTheFirstGeneration)
{
    trigger("Stampa");
    trigger("AnteprimaStampa");
    EXPECT_EQ(dialogs.log, QStringList(2, QStringLiteral("message: Before Generating The XML Page")));
}

TEST_P(DocumentFilesTest, PrintsTheViewersLinesInOrderOverSeveralPages)
{
    fillIdentification(512);
    generate();
    viewer()->appendPlainText(QStringLiteral("typed after generating"));
    viewer()->appendPlainText(QStringLiteral("W") + QString(400, QLatin1Char('x')) + QStringLiteral("END"));
    const QString pdf = path("print.pdf");
    dialogs.pdfPath = pdf;
    dialogs.printAnswers = {false};
    trigger("Stampa");
    EXPECT_FALSE(QFileInfo::exists(pdf)) << "a cancelled print dialog printed";

    dialogs.printAnswers = {true};
    trigger("Stampa");
    EXPECT_EQ(dialogs.entries(QStringLiteral("error")), QStringList());
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
    const QString pages = info.section(QStringLiteral("Pages:"), 1).section(QLatin1Char('\n'), 0, 0).trimmed();
    EXPECT_GE(pages.toInt(), 5) << qPrintable(info);

    const QString text = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    const QStringList order = {
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"),
        QStringLiteral("<Name>Werckmeister III</Name>"),
        QStringLiteral("<PitchHz>8.17579891564371</PitchHz>"),
        QStringLiteral("<PitchHz>440</PitchHz>"),
        QStringLiteral("<PitchHz>16744.0361792383</PitchHz>"),
        QStringLiteral("</Hauptwerk>"),
        QStringLiteral("typed after generating"),
        QStringLiteral("END"),
    };
    qsizetype at = 0;
    for (const QString &piece : order) {
        const qsizetype found = text.indexOf(piece, at);
        EXPECT_GE(found, at) << qPrintable(piece);
        if (found >= 0)
            at = found;
    }
    // The long line continues on the next printed lines instead of running off the page.
    EXPECT_FALSE(text.contains(QStringLiteral("W") + QString(400, QLatin1Char('x'))));
}

// Printed and previewed pages alike keep inside the margins of the page setup.
TEST_P(DocumentFilesTest, EveryPrintedLineKeepsInsideThePageSetupsMargins)
{
    fillIdentification(512);
    generate();
    const QPageLayout chosen(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(30, 40, 15, 35),
                             QPageLayout::Millimeter);
    dialogs.printAnswers = {true};
    dialogs.layoutAnswers = {chosen};
    trigger("ImpostaStampante");
    for (const char *command : {"Stampa", "AnteprimaStampa"}) {
        SCOPED_TRACE(command);
        const QString pdf = path(command) + QStringLiteral(".pdf");
        dialogs.pdfPath = pdf;
        dialogs.printAnswers = {true};
        trigger(command);
        ASSERT_EQ(dialogs.entries(QStringLiteral("error")), QStringList());

        const QMarginsF margins = chosen.margins(QPageLayout::Point);
        QList<double> heights;
        const QList<PrintedWord> words = printedWords(pdf, &heights);
        ASSERT_GE(heights.size(), 2);
        // Text past a page's edge would be missing here: every word of the viewer is printed.
        QStringList printed;
        for (const PrintedWord &word : words)
            printed << word.text;
        const QStringList shown =
            windows->FormXml().lines().join(QLatin1Char(' ')).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ASSERT_EQ(printed.size(), shown.size());
        EXPECT_EQ(printed, shown);
        QList<const PrintedWord *> lowest(heights.size(), nullptr);
        for (const PrintedWord &word : words) {
            EXPECT_GE(word.left, margins.left() - 1) << qPrintable(word.text);
            EXPECT_GE(word.top, margins.top() - 1) << qPrintable(word.text);
            if (!lowest[word.page] || word.bottom > lowest[word.page]->bottom)
                lowest[word.page] = &word;
        }
        for (int page = 0; page < heights.size(); ++page) {
            SCOPED_TRACE(page + 1);
            ASSERT_TRUE(lowest[page]);
            const PrintedWord &last = *lowest[page];
            const double bottom = heights[page] - margins.bottom();
            EXPECT_LE(last.bottom, bottom) << qPrintable(last.text);
            // A full page has no room left for one more line.
            if (page + 1 < heights.size()) {
                EXPECT_GT(last.bottom + 2 * (last.bottom - last.top), bottom) << qPrintable(last.text);
            }
        }
    }
    EXPECT_TRUE(dialogs.log.contains(QStringLiteral("preview")));
}

TEST_P(DocumentFilesTest, ADocumentOpenedFromAFileCanBePrinted)
{
    fillIdentification(512);
    generate();
    const QString file = path("Well.Temperament.Hauptwerk.xml");
    dialogs.fileAnswers = {file};
    trigger("SalvaXml");

    fresh();
    dialogs.fileAnswers = {file};
    trigger("ApriXml");
    const QString pdf = path("opened.pdf");
    dialogs.pdfPath = pdf;
    dialogs.printAnswers = {true};
    trigger("Stampa");
    EXPECT_EQ(dialogs.log, (QStringList{QStringLiteral("open"), loaded(file), QStringLiteral("print")}));
    const QString text = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("<Name>Werckmeister III</Name>"))) << qPrintable(text.left(500));
}

TEST_P(DocumentFilesTest, SavedXmlKeepsNoBreakSpacesAndLineSeparators)
{
    struct Case {
        const char *name;
        QString temperamentName;
        QString comment;
        QByteArray line;
    };
    const Case cases[] = {
        {"no-break space in the name", QString::fromUtf16(u"Mean\u00A0tone"), QString(),
         "    <Name>Mean\xC2\xA0tone</Name>\r\n"},
        {"line separator in the comment", QStringLiteral("Meantone"), QString::fromUtf16(u"first\u2028second"),
         "    <Comments>first\xE2\x80\xA8second</Comments>\r\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        fillIdentification(512);
        edit("EditNomeTemperamento")->setText(c.temperamentName);
        edit("EditCommento")->setText(c.comment);
        generate();
        const QString file = path("Exact.Temperament.Hauptwerk.xml");
        dialogs.fileAnswers = {file};
        trigger("SalvaXml");
        const QByteArray bytes = readAll(file);
        EXPECT_TRUE(bytes.contains(c.line)) << bytes.left(400).constData();
        EXPECT_EQ(bytes.count("\r\n"), 549);
        EXPECT_EQ(bytes.count('\n'), 549);
    }
}

TEST_P(DocumentFilesTest, ALongShortNameFromAFileStaysWholeWhileTypingStopsAtFive)
{
    const QString supplier = path("Long.For");
    writeBytes(supplier, "Acme\r\n7\r\n512\r\nWell\r\nLONGSHORTNAME\r\n\r\n");
    const QString temperament = path("Long.Tmp");
    writeBytes(temperament,
               "Well\r\nLONGSHORTNAME\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
    for (const char *load : {"CaricaFornitore", "CaricaTemperamento"}) {
        SCOPED_TRACE(load);
        fillIdentification(512);
        dialogs.fileAnswers = {load == std::string("CaricaFornitore") ? supplier : temperament};
        trigger(load);
        EXPECT_EQ(edit("EditNomeCorto")->text(), QStringLiteral("LONGSHORTNAME"));
        generate();
        EXPECT_TRUE(viewer()->toPlainText().contains(QStringLiteral("\n    <ShortName>LONGSHORTNAME</ShortName>\n")));
        const QString saved = path("Again.Tmp");
        dialogs.fileAnswers = {saved};
        trigger("SalvaTemperamento");
        EXPECT_TRUE(readAll(saved).startsWith("Well\r\nLONGSHORTNAME\r\n"));
    }

    // What the user types or pastes stops at five characters in all.
    QLineEdit *field = edit("EditNomeCorto");
    struct Case {
        const char *name;
        QString start;
        std::function<void()> edit;
        const char *result;
    };
    const Case cases[] = {
        {"typing", QString(), [&] { QTest::keyClicks(field, QStringLiteral("ABCDEFG")); }, "ABCDE"},
        {"a sixth character", QStringLiteral("LONGSHORTNAME"), [&] { QTest::keyClick(field, Qt::Key_X); },
         "LONGSHORTNAME"},
        {"deleting from a long name", QStringLiteral("LONGSHORTNAME"),
         [&] { QTest::keyClick(field, Qt::Key_Backspace); }, "LONGSHORTNAM"},
        {"typing over a selected long name", QStringLiteral("LONGSHORTNAME"),
         [&] {
             field->selectAll();
             QTest::keyClicks(field, QStringLiteral("MT"));
         },
         "MT"},
        {"pasting", QStringLiteral("W3"),
         [&] {
             QGuiApplication::clipboard()->setText(QStringLiteral("ABCDEFG"));
             QTest::keySequence(field, QKeySequence::Paste);
         },
         "W3ABC"},
        {"pasting from the context menu", QStringLiteral("W3"),
         [&] {
             QGuiApplication::clipboard()->setText(QStringLiteral("ABCDEFG"));
             QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2), field->mapToGlobal(QPoint(2, 2)));
             QApplication::sendEvent(field, &event);
             auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
             ASSERT_TRUE(menu);
             for (QAction *action : menu->actions()) {
                 if (action->text().startsWith(QLineEdit::tr("&Paste")))
                     action->trigger();
             }
             menu->close();
         },
         "W3ABC"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        field->setText(c.start);
        field->setFocus();
        field->end(false);
        c.edit();
        EXPECT_EQ(field->text(), QLatin1String(c.result));
    }
}

TEST_P(DocumentFilesTest, PageSetupStartsAtA4WithMarginsOf25mm)
{
    const QPageLayout layout = main->printer().pageLayout();
    EXPECT_EQ(layout.pageSize().id(), QPageSize::A4);
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    EXPECT_NEAR(margins.left(), 25, 0.01);
    EXPECT_NEAR(margins.top(), 25, 0.01);
    EXPECT_NEAR(margins.right(), 25, 0.01);
    EXPECT_NEAR(margins.bottom(), 25, 0.01);
    trigger("ImpostaStampante");
    EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("page setup")});
}

TEST_P(DocumentFilesTest, DataFilesAreNotSavedWhileTheCheckFails)
{
    fillIdentification(512);
    edit("EditNomeCorto")->clear();
    trigger("SalvaTemperamento");
    EXPECT_EQ(dialogs.log, (QStringList{QStringLiteral("message: Short Name Temperament Required"),
                                        QStringLiteral("message: Unsaved data for errors !")}));
    dialogs.log.clear();
    edit("EditNomeFornitore")->clear();
    trigger("SalvaFornitore");
    EXPECT_EQ(dialogs.log.size(), 3);
    EXPECT_EQ(dialogs.log.last(), QStringLiteral("message: Unsaved data for errors !"));
}

TEST_P(DocumentFilesTest, SupplierAndTemperamentFilesRoundTrip)
{
    fillIdentification(512);
    field("NumEdit_Mi")->setValue(-13.69);
    field("NumEdit_Do")->setValue(1.5);
    const QString supplier = path("Acme.For");
    const QString temperament = path("Well.Tmp");
    dialogs.fileAnswers = {supplier, temperament};
    trigger("SalvaFornitore");
    trigger("SalvaTemperamento");
    EXPECT_EQ(dialogs.entries(QStringLiteral("information")).size(), 2);
    EXPECT_EQ(readAll(supplier), QByteArray("Acme\r\n7\r\n512\r\nWerckmeister III\r\nW3\r\n\r\n"));
    const QStringList lines = QString::fromUtf8(readAll(temperament)).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[3], local("1.5"));
    EXPECT_EQ(lines[4], QStringLiteral("0"));
    EXPECT_EQ(lines[7], local("-13.69"));

    const QStringList before = fieldTexts();
    fresh();
    dialogs.fileAnswers = {supplier, temperament};
    trigger("CaricaFornitore");
    trigger("CaricaTemperamento");
    EXPECT_EQ(dialogs.log,
              (QStringList{QStringLiteral("open"), loaded(supplier), QStringLiteral("open"), loaded(temperament)}));
    EXPECT_EQ(fieldTexts(), before);
    EXPECT_EQ(field("NumEdit_Mi")->value(), -13.69L);
}

TEST_P(DocumentFilesTest, FilesFromTheOtherSettingLoadAndNumbersTakeTheFieldsPattern)
{
    const QString supplier = path("Other.For");
    writeBytes(supplier, "Acme\r\n12.7\r\n1234,4\r\nName\r\nN\r\nOld comment\r\n");
    const QString temperament = path("Other.tmp");
    writeBytes(temperament, "Well\nW\n\n10\n0\n0\n0\n-13,686\n0\n0\n0\n0\n0\n0\n0\n");
    dialogs.fileAnswers = {supplier, temperament};
    trigger("CaricaFornitore");
    trigger("CaricaTemperamento");
    EXPECT_EQ(dialogs.entries(QStringLiteral("error")), QStringList());
    EXPECT_EQ(field("NumEdit_IdFornitore")->value(), 13);
    EXPECT_EQ(field("NumEdit_IdFornitore")->text(), QStringLiteral("13"));
    EXPECT_EQ(field("NumEdit_IdTemperamento")->value(), 1234);
    EXPECT_EQ(field("NumEdit_Mi")->text(), local("-13.69"));
    EXPECT_EQ(field("NumEdit_Mi")->value(), -13.69L);
    EXPECT_EQ(field("NumEdit_Do")->value(), 10);
    EXPECT_EQ(edit("EditNomeFornitore")->text(), QStringLiteral("Acme"));
    EXPECT_EQ(edit("EditCommento")->text(), QString()); // the temperament file's empty comment came last
}

TEST_P(DocumentFilesTest, ABadFileChangesNoFieldAndSaysWhereItIsWrong)
{
    fillIdentification(512);
    field("NumEdit_Re")->setValue(3);
    const QStringList before = fieldTexts();
    const QString folder = path("Folder.Tmp");
    QDir().mkdir(folder);
    const QString big = path("Big.Tmp");
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(50 * 1024 * 1024));
    }
    struct Case {
        const char *name;
        QByteArray bytes; // written to the file unless empty and the file is special
        bool supplier;
        QString error;
    };
    const Case cases[] = {
        {"Empty.For", "", true, "Line 1 of \"Empty.For\": the line is missing; the file has 0 lines of the 6 it needs"},
        {"Five.Tmp", "n\r\ns\r\nc\r\n1\r\n2\r\n", false,
         "Line 6 of \"Five.Tmp\": the line is missing; the file has 5 lines of the 15 it needs"},
        {"Abc.For", "Acme\r\nabc\r\n1\r\nn\r\ns\r\n\r\n", true, "Line 2 of \"Abc.For\": \"abc\" is not a number"},
        {"Huge.For", "Acme\r\n1e400\r\n1\r\nn\r\ns\r\n\r\n", true,
         "Line 2 of \"Huge.For\": \"1e400\" is too large: no field holds a number beyond 999999999999999 either way"},
        {"Nan.For", "Acme\r\nnan\r\n1\r\nn\r\ns\r\n\r\n", true, "Line 2 of \"Nan.For\": \"nan\" is not a number"},
        {"Sep.Tmp", "n\r\ns\r\nc\r\n1\r\n2\r\n3\r\n4\r\n1.234,5\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n", false,
         "Line 8 of \"Sep.Tmp\": \"1.234,5\" is not a number"},
        {"Binary.For",
         QByteArray("\x7f"
                    "ELF\0\0\0\r\n\0\0\r\n",
                    13),
         true, "\"Binary.For\" is not a text file: it holds NUL bytes"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        offerFile(c.name, c.bytes);
        trigger(c.supplier ? "CaricaFornitore" : "CaricaTemperamento");
        EXPECT_EQ(dialogs.log, (QStringList{QStringLiteral("open"), QStringLiteral("error: ") + c.error}));
        EXPECT_EQ(fieldTexts(), before);
    }
    for (const QString &file : {folder, big, path("Missing.Tmp")}) {
        SCOPED_TRACE(file.toStdString());
        dialogs.log.clear();
        dialogs.fileAnswers = {file};
        trigger("CaricaTemperamento");
        ASSERT_EQ(dialogs.log.size(), 2);
        EXPECT_TRUE(dialogs.log[1].startsWith(
            QStringLiteral("error: Cannot load \"%1\": ").arg(QDir::toNativeSeparators(file))))
            << qPrintable(dialogs.log[1]);
        EXPECT_EQ(fieldTexts(), before);
    }
}

CORDAVO_BOTH_SETTINGS(DocumentFilesTest);
