#include "ui/desktop/RememberedPlaces.h"
#include "WindowTest.h"
#include "ui/desktop/QtUserDialogs.h"
#include "ui/windows/AnalysisWindow.h"
#include "ui/windows/UCents.h"
#include "ui/windows/UScale.h"

#include <QDir>
#include <QFileDialog>
#include <QPageLayout>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>

using namespace cordavo;

namespace {

// Windows made over a settings file of their own, as each run of the program
// makes them over the user's settings.
class RememberedPlacesTest : public WindowTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        openWindows();
    }

    void TearDown() override { closeWindows(); }

    QString settingsPath() const { return dir.filePath(QStringLiteral("Cordavo.ini")); }

    void openWindows()
    {
        settings = std::make_unique<QSettings>(settingsPath(), QSettings::IniFormat);
        places = std::make_unique<RememberedPlaces>(dialogs, *settings);
        windows = std::make_unique<CordavoWindows>(GetParam(), *places);
        main = &windows->FormTemperamento();
    }

    // The end of a run: the windows go and the settings are written out.
    void closeWindows()
    {
        windows.reset();
        places.reset();
        settings.reset();
        QApplication::processEvents();
    }

    void nextRun()
    {
        closeWindows();
        dialogs.log.clear();
        openWindows();
    }

    // Writes settings as an earlier run would have left them, between runs.
    void writeSettings(const QList<std::pair<const char *, QVariant>> &values)
    {
        closeWindows();
        {
            QSettings earlier(settingsPath(), QSettings::IniFormat);
            earlier.clear();
            for (const auto &[key, value] : values)
                earlier.setValue(QLatin1String(key), value);
        }
        openWindows();
    }

    // A new folder in the temporary one.
    QString folder(const char *name) const
    {
        const QString path = dir.filePath(QLatin1String(name));
        QDir().mkpath(path);
        return path;
    }

    // Asks the question of a command and cancels it: what it offered.
    const FileQuestion &offered(const std::function<void()> &command)
    {
        dialogs.fileAnswers.clear();
        command();
        return dialogs.offeredQuestion;
    }

public:
    // The file commands, one of each dialog, named in the tables below.
    void saveXml() const
    {
        fillIdentification();
        generate();
        trigger("SalvaXml");
    }
    void openXml() const { trigger("ApriXml"); }
    void saveSupplier() const
    {
        fillIdentification();
        trigger("SalvaFornitore");
    }
    void loadSupplier() const { trigger("CaricaFornitore"); }
    void saveTemperament() const
    {
        fillIdentification();
        trigger("SalvaTemperamento");
    }
    void loadTemperament() const { trigger("CaricaTemperamento"); }
    void exportTuning() const { trigger("EsportaAccordatura"); }
    void loadScala() const { trigger("CaricaScala"); }
    void saveCentsInput() const { windows->FormCents().ButtonSalvaInputClick(); }
    void loadCentsOut() const { windows->FormCents().ButtonCaricaOutClick(); }
    void saveIntervalsOut() const { windows->FormScale().ButtonSalvaOutClick(); }
    void loadIntervalsInput() const { windows->FormScale().ButtonCaricaInputClick(); }
    void savePicture() const { control<QPushButton>(windows->analysisWindow(), "savePictureButton")->click(); }

    void pageSetup() const { trigger("ImpostaStampante"); }

protected:
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<RememberedPlaces> places;
};

using Command = void (RememberedPlacesTest::*)() const;

// The parts of a page layout the page setup keeps, in millimetres.
std::string describe(const QPageLayout &layout)
{
    const QSizeF size = layout.pageSize().size(QPageSize::Millimeter);
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    return QStringLiteral("%1 %2x%3 %4 margins %5 %6 %7 %8")
        .arg(layout.pageSize().key())
        .arg(size.width())
        .arg(size.height())
        .arg(layout.orientation() == QPageLayout::Landscape ? QStringLiteral("landscape") : QStringLiteral("portrait"))
        .arg(qRound(margins.left() * 100) / 100.0)
        .arg(qRound(margins.top() * 100) / 100.0)
        .arg(qRound(margins.right() * 100) / 100.0)
        .arg(qRound(margins.bottom() * 100) / 100.0)
        .toStdString();
}

const QPageLayout kA4At25mm(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(25, 25, 25, 25),
                            QPageLayout::Millimeter);

} // namespace

TEST_P(RememberedPlacesTest, EveryFileDialogSaysWhatKindOfFileItIsFor)
{
    struct Case {
        const char *command;
        Command ask;
        const char *kind;
    };
    const Case cases[] = {
        {"Save xml", &RememberedPlacesTest::saveXml, "xml"},
        {"Open xml", &RememberedPlacesTest::openXml, "xml"},
        {"Save Supplier", &RememberedPlacesTest::saveSupplier, "supplier"},
        {"Load Supplier", &RememberedPlacesTest::loadSupplier, "supplier"},
        {"Save Temperament", &RememberedPlacesTest::saveTemperament, "temperament"},
        {"Load Temperament", &RememberedPlacesTest::loadTemperament, "temperament"},
        {"Export Tuning", &RememberedPlacesTest::exportTuning, "tuning"},
        {"Load Scala", &RememberedPlacesTest::loadScala, "scala"},
        {"Cents, Save", &RememberedPlacesTest::saveCentsInput, "cents"},
        {"Cents, Load", &RememberedPlacesTest::loadCentsOut, "cents"},
        {"Intervals, Save", &RememberedPlacesTest::saveIntervalsOut, "intervals"},
        {"Intervals, Load", &RememberedPlacesTest::loadIntervalsInput, "intervals"},
        {"Save picture", &RememberedPlacesTest::savePicture, "picture"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.command);
        dialogs.log.clear();
        const FileQuestion &question = offered([&] { (this->*c.ask)(); });
        ASSERT_EQ(dialogs.log.size(), 1) << dialogs.log.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(question.kind.toStdString(), c.kind);
        EXPECT_EQ(question.directory.toStdString(), "") << "nothing chosen yet";
    }
    // A cancelled dialog leaves nothing to remember.
    EXPECT_FALSE(settings->childGroups().contains(QStringLiteral("files")));
}

TEST_P(RememberedPlacesTest, EachKindOpensInTheFolderAndTypeLastChosenForItInTheNextRun)
{
    struct Case {
        const char *kind;
        Command choose;
        const char *file;
        int type; // the type chosen; -1 for the one shown
        Command next;
        int nextType;
        const char *nextSuffix;
        const char *nextName;
    };
    const Case cases[] = {
        {"xml, saved as txt", &RememberedPlacesTest::saveXml, "W3.Txt", 2, &RememberedPlacesTest::saveXml, 2,
         "Temperament.Hauptwerk.xml", "File1.Txt"},
        {"xml, opened next", &RememberedPlacesTest::saveXml, "W3.Txt", 2, &RememberedPlacesTest::openXml, 0, "", ""},
        {"supplier", &RememberedPlacesTest::saveSupplier, "Acme.For", -1, &RememberedPlacesTest::loadSupplier, 0, "For",
         ""},
        {"temperament", &RememberedPlacesTest::loadTemperament, "W3.Tmp", -1, &RememberedPlacesTest::saveTemperament, 0,
         "Tmp", "File1.Tmp"},
        {"tuning, AnaMark", &RememberedPlacesTest::exportTuning, "W3.tun", 1, &RememberedPlacesTest::exportTuning, 1,
         "tun", "File1.tun"},
        {"scala", &RememberedPlacesTest::loadScala, "W3.scl", -1, &RememberedPlacesTest::loadScala, 0, "scl", ""},
        {"cents, as Scala", &RememberedPlacesTest::saveCentsInput, "W3.scl", 1, &RememberedPlacesTest::saveCentsInput,
         1, "scl", "File1.scl"},
        {"cents, Scala opened next", &RememberedPlacesTest::saveCentsInput, "W3.scl", 1,
         &RememberedPlacesTest::loadCentsOut, 1, "scl", ""},
        {"intervals", &RememberedPlacesTest::saveIntervalsOut, "W3.Tfs", -1, &RememberedPlacesTest::loadIntervalsInput,
         0, "Tfs", ""},
        {"picture, as SVG", &RememberedPlacesTest::savePicture, "W3.svg", 1, &RememberedPlacesTest::savePicture, 1,
         "svg", "Temperament.svg"},
    };
    for (const auto &c : cases) {
#if !__has_include(<QSvgGenerator>)
        // A build without Qt Svg (the Windows one) saves pictures as PNG only.
        if (c.choose == &RememberedPlacesTest::savePicture)
            continue;
#endif
        SCOPED_TRACE(c.kind);
        const QString place = folder(c.kind);
        dialogs.fileAnswers = {QDir(place).filePath(QLatin1String(c.file))};
        if (c.type >= 0)
            dialogs.typeAnswers = {c.type};
        (this->*c.choose)();
        ASSERT_TRUE(dialogs.fileAnswers.empty());
        nextRun();
        const FileQuestion &question = offered([&] { (this->*c.next)(); });
        EXPECT_EQ(question.directory.toStdString(), place.toStdString());
        EXPECT_EQ(question.selectedFilter, c.nextType);
        EXPECT_EQ(question.defaultSuffix.toStdString(), c.nextSuffix) << "the suffix follows the type";
        EXPECT_EQ(question.fileName.toStdString(), c.nextName) << "the name follows the type";
        nextRun();
    }
}

TEST_P(RememberedPlacesTest, KindsKeepTheirOwnFoldersAndTheLastChoiceWins)
{
    const QString suppliers = folder("suppliers");
    const QString temperaments = folder("temperaments");
    const QString elsewhere = folder("elsewhere");
    dialogs.fileAnswers = {QDir(suppliers).filePath(QStringLiteral("Acme.For")),
                           QDir(temperaments).filePath(QStringLiteral("W3.Tmp"))};
    saveSupplier();
    saveTemperament();
    nextRun();
    EXPECT_EQ(offered([&] { loadSupplier(); }).directory.toStdString(), suppliers.toStdString());
    EXPECT_EQ(offered([&] { loadTemperament(); }).directory.toStdString(), temperaments.toStdString());
    EXPECT_EQ(offered([&] { openXml(); }).directory.toStdString(), "");
    EXPECT_EQ(offered([&] { loadCentsOut(); }).directory.toStdString(), "");

    // A file opened elsewhere moves its kind only; the run after, too.
    dialogs.fileAnswers = {QDir(elsewhere).filePath(QStringLiteral("Other.For"))};
    loadSupplier();
    EXPECT_EQ(offered([&] { saveSupplier(); }).directory.toStdString(), elsewhere.toStdString());
    nextRun();
    EXPECT_EQ(offered([&] { saveSupplier(); }).directory.toStdString(), elsewhere.toStdString());
    EXPECT_EQ(offered([&] { saveTemperament(); }).directory.toStdString(), temperaments.toStdString());
    EXPECT_TRUE(QFileInfo(settingsPath()).size() > 0) << "written to the settings file";
}

TEST_P(RememberedPlacesTest, PlacesThatCannotBeUsedArePassedOver)
{
    const QString gone = folder("gone");
    ASSERT_TRUE(QDir(gone).removeRecursively());
    const QString file = dir.filePath(QStringLiteral("a file"));
    writeBytes(file, "x");
    writeSettings({{"files/supplier/folder", gone},
                   {"files/temperament/folder", file},
                   {"files/cents/type", QStringLiteral("Nonsense (*.xyz)")},
                   {"files/tuning/type", QString()}});
    struct Case {
        const char *what;
        Command ask;
        int type;
        const char *suffix;
    };
    const Case cases[] = {
        {"a folder since removed", &RememberedPlacesTest::loadSupplier, 0, "For"},
        {"a file where a folder was", &RememberedPlacesTest::loadTemperament, 0, "Tmp"},
        {"a type no longer listed", &RememberedPlacesTest::saveCentsInput, 0, "Cts"},
        {"an empty type", &RememberedPlacesTest::exportTuning, 0, "scl"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const FileQuestion &question = offered([&] { (this->*c.ask)(); });
        EXPECT_EQ(question.directory.toStdString(), "");
        EXPECT_EQ(question.selectedFilter, c.type);
        EXPECT_EQ(question.defaultSuffix.toStdString(), c.suffix);
    }
}

TEST_P(RememberedPlacesTest, ThePageSetupComesBackInTheNextRun)
{
    dialogs.printAnswers = {false};
    pageSetup();
    EXPECT_EQ(describe(dialogs.offeredLayout), describe(kA4At25mm)) << "the first run starts as before";

    struct Case {
        const char *how;
        bool print; // chosen in the print dialog rather than the page setup
        QPageLayout layout;
    };
    const Case cases[] = {
        {"Letter, landscape", false,
         QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(10, 12.5, 20, 30),
                     QPageLayout::Millimeter)},
        {"a size of its own", false,
         QPageLayout(QPageSize(QSizeF(150, 230), QPageSize::Millimeter), QPageLayout::Portrait, QMarginsF(5, 6, 7, 8),
                     QPageLayout::Millimeter)},
        {"A5 in the print dialog", true,
         QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                     QPageLayout::Millimeter)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.how);
        dialogs.printAnswers = {true};
        dialogs.layoutAnswers = {c.layout};
        if (c.print) {
            fillIdentification();
            generate();
            dialogs.pdfPath = dir.filePath(QStringLiteral("printed.pdf"));
            trigger("Stampa");
            EXPECT_TRUE(dialogs.entries(QStringLiteral("error")).isEmpty());
        } else {
            pageSetup();
        }
        nextRun();
        dialogs.printAnswers = {false};
        pageSetup();
        EXPECT_EQ(describe(dialogs.offeredLayout), describe(c.layout));
        // A cancelled page setup changes nothing.
        nextRun();
        dialogs.printAnswers = {false};
        pageSetup();
        EXPECT_EQ(describe(dialogs.offeredLayout), describe(c.layout));
    }
}

TEST_P(RememberedPlacesTest, APageSetupThatCannotBeUsedLeavesA4WithMarginsOf25mm)
{
    struct Case {
        const char *what;
        const char *key;
        QVariant value;
    };
    const Case cases[] = {
        {"the page setup as kept", nullptr, {}},
        {"an unknown paper size", "pageSetup/paperSize", 9999},
        {"a paper size that is not a number", "pageSetup/paperSize", QStringLiteral("A4")},
        {"a sideways orientation", "pageSetup/orientation", QStringLiteral("sideways")},
        {"a negative margin", "pageSetup/topMargin", -1},
        {"margins wider than the page", "pageSetup/leftMargin", 500},
        {"a custom size without a width", "pageSetup/paperSize", static_cast<int>(QPageSize::Custom)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QList<std::pair<const char *, QVariant>> values = {{"pageSetup/paperSize", static_cast<int>(QPageSize::A3)},
                                                           {"pageSetup/orientation", QStringLiteral("landscape")},
                                                           {"pageSetup/leftMargin", 10},
                                                           {"pageSetup/topMargin", 10},
                                                           {"pageSetup/rightMargin", 10},
                                                           {"pageSetup/bottomMargin", 10}};
        if (c.key)
            values << std::pair{c.key, c.value};
        writeSettings(values);
        dialogs.printAnswers = {false};
        pageSetup();
        const QPageLayout kept(QPageSize(QPageSize::A3), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                               QPageLayout::Millimeter);
        EXPECT_EQ(describe(dialogs.offeredLayout), describe(c.key ? kA4At25mm : kept));
    }
}

CORDAVO_BOTH_SETTINGS(RememberedPlacesTest);

// Qt's own dialog opens in the question's folder, with the name last chosen
// but not the folder it was chosen in.
TEST(FileDialogFolder, AFolderOfItsOwnWinsOverTheFolderOfTheName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString remembered = dir.filePath(QStringLiteral("remembered"));
    const QString earlier = dir.filePath(QStringLiteral("earlier"));
    ASSERT_TRUE(QDir().mkpath(remembered) && QDir().mkpath(earlier));
    struct Case {
        const char *what;
        QString directory;
        QString expectedFolder;
    };
    const Case cases[] = {
        {"with a folder", remembered, remembered},
        {"without one", QString(), earlier},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        FileQuestion question;
        question.filters = {QStringLiteral("For (*.For *.for *.FOR)")};
        question.directory = c.directory;
        question.fileName = QDir(earlier).filePath(QStringLiteral("Acme.For"));
        QFileDialog dialog;
        prepareFileDialog(dialog, question, QFileDialog::AcceptSave);
        EXPECT_EQ(dialog.directory().absolutePath(), c.expectedFolder);
        auto *nameBox = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(nameBox);
        EXPECT_EQ(nameBox->text(), QStringLiteral("Acme.For"));
    }
}

// Before anything is chosen for a kind, the dialog opens in the user's
// documents on Windows, and elsewhere in the folder the program was started
// in, unless that is the program's own (a Start-menu entry's, which an
// install for everyone cannot write).
TEST(FileDialogFolder, NothingChosenYetOpensInTheDocumentsOnWindowsAndNeverInTheProgramFolder)
{
    // Full paths as the system gives them (on Windows with a drive).
    const auto path = [](const char *inRoot) { return QDir::rootPath() + QLatin1String(inRoot); };
    const QString program = path("opt/Cordavo");
    const QString documents = path("home/ada/Documents");
    struct Case {
        const char *what;
        QString working;
        bool windows;
        QString expected;
    };
    const Case cases[] = {
        {"Windows, started in its own folder", program, true, documents},
        {"Windows, started elsewhere", path("home/ada/scores"), true, documents},
        {"Linux, started in a folder of the user's", path("home/ada/scores"), false, path("home/ada/scores")},
        {"Linux, started in the program's folder", program, false, documents},
        {"Linux, the program's folder written otherwise", path("opt/Cordavo/./"), false, documents},
        {"Linux, a folder differing in capitals only is another", path("OPT/cordavo"), false, path("OPT/cordavo")},
        {"no folder to start in", QString(), false, documents},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(firstFolder(c.working, program, documents, c.windows).toStdString(), c.expected.toStdString());
    }
    EXPECT_EQ(firstFolder(program, program, QString(), true), QDir::homePath()) << "no documents folder";
}

// Qt's own dialog, with nothing chosen for the kind and a name without a
// folder, opens in the first folder: on Windows the documents, elsewhere the
// folder the test started in.
TEST(FileDialogFolder, ANameWithoutAFolderOpensInTheFirstFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    FileQuestion question;
    question.filters = {QStringLiteral("Tmp (*.Tmp *.tmp *.TMP)")};
    question.fileName = QStringLiteral("Werckmeister.Tmp");
    QFileDialog dialog;
    prepareFileDialog(dialog, question, QFileDialog::AcceptSave);
    QDir::setCurrent(before);
#ifdef Q_OS_WIN
    const QString expected = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
#else
    const QString expected = dir.path();
#endif
    EXPECT_EQ(QDir(dialog.directory()).canonicalPath(), QDir(expected).canonicalPath());
}
