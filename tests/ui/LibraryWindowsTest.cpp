#include "LibraryLookup.h"
#include "TestFiles.h"
#include "WindowTest.h"
#include "ui/windows/LibraryDialog.h"
#include "ui/windows/UCents.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cmath>

using namespace cordavo;

namespace {

QStringList tableNames()
{
    QFile file(QStringLiteral(":/temperaments.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')) && !line.startsWith(QLatin1String("name\t")))
            names << line.section(QLatin1Char('\t'), 0, 0);
    }
    return names;
}

} // namespace

// The shipped table: every row is offered and every construction agrees with
// its row, but for the rows the table got wrong.
TEST(BuiltInLibraryTest, OffersEveryRowOfTheTable)
{
    const Result<TemperamentLibrary> &library = builtInLibrary();
    ASSERT_TRUE(library.ok()) << library.error().toStdString();
    const QStringList names = tableNames();
    ASSERT_EQ(names.size(), 104);
    for (qsizetype i = 0; i < names.size(); ++i) {
        ASSERT_LT(i, library->entries.size());
        EXPECT_EQ(library->entries[i].name, names[i]) << "row " << i << " keeps its place and its name";
        EXPECT_TRUE(library->entries[i].inTable());
    }
    // Then the temperaments known only by their construction.
    QStringList constructedOnly;
    for (qsizetype i = names.size(); i < library->entries.size(); ++i)
        constructedOnly << library->entries[i].name;
    EXPECT_EQ(constructedOnly,
              (QStringList{"Kirnberger I", "Kirnberger II", "Young I", "Young II", "1/3-comma meantone (Salinas 1577)",
                           "2/9-comma meantone (Rossi 1666)", "Sorge I (1744)", "Barnes (1979)", "Marpurg nr 10"}));
    EXPECT_FALSE(names.contains(QStringLiteral("1/6-comma (dieses)"))) << "the twin of 1/6-comma meantone";
    EXPECT_FALSE(names.contains(QStringLiteral("Valotti"))) << "the usual spelling is shown";
    EXPECT_TRUE(names.contains(QStringLiteral("Vallotti")));
    EXPECT_EQ(groupsOf(library.value()),
              (QStringList{QString(), "1/4 comma variants", "1/5 comma", "1/6 comma", "Various comma", "Pythagorean",
                           "Other just", "Well tempered", "Harpsichord/Piano/Monochord"}));

    LibraryDialog dialog(library, kFullStopDecimal);
    EXPECT_EQ(dialog.shownNames().size(), library->entries.size());
    for (const LibraryEntry &entry : library->entries)
        EXPECT_TRUE(dialog.selectEntry(entry.name)) << entry.name.toStdString();
}

// Every row whose construction is known is checked against it: the row and
// the construction (computed from the commas or ratios, not from the table)
// must agree to the row's printed rounding, half a unit of its last decimal;
// the hair above that lets a row round a 1.955000865 that its compiler took
// as 1.955 either way.
TEST(BuiltInLibraryTest, ConstructionsAgreeWithTheirRows)
{
    const QStringList required = {"Equal temperament",
                                  "Pythagorean",
                                  "1/4 comma meantone (Aaron 1523)",
                                  "1/5-comma meantone (Verheijen)",
                                  "1/6-comma meantone",
                                  "1/6-comma (bemols)",
                                  "Zarlino (1558) 2/7-comma meantone",
                                  "Werckmeister III",
                                  "Werckmeister 4 (1691)",
                                  "Werckmeister 5 (1691)",
                                  "Werckmeister 6",
                                  "Vallotti",
                                  "Kirnberger III",
                                  "Kellner's Bach tuning",
                                  "Bach (Bradley Lehman)",
                                  "Neidhardt I (1724)",
                                  "Norden",
                                  "Pure Major",
                                  "Kirnberger I",
                                  "Kirnberger II",
                                  "Young I",
                                  "Young II",
                                  "1/3-comma meantone (Salinas 1577)",
                                  "2/9-comma meantone (Rossi 1666)",
                                  "Holden (John) 1770",
                                  "Pure Minor",
                                  "Modified 1/6-Pythagorean-comma temperament"};
    const Result<TemperamentLibrary> &library = builtInLibrary();
    for (const QString &name : required) {
        const LibraryEntry *entry = entryNamed(library.value(), name);
        ASSERT_NE(entry, nullptr) << name.toStdString();
        EXPECT_TRUE(entry->constructed()) << name.toStdString();
    }
    int constructedRows = 0;
    for (const LibraryEntry &entry : library->entries) {
        if (!entry.constructed() || !entry.inTable())
            continue;
        ++constructedRows;
        const long double unit = std::pow(10.0L, -entry.rowDecimals);
        const long double tolerance = unit / 2 + unit / 1000;
        for (int i = 0; i < 12; ++i) {
            EXPECT_LE(std::fabs(entry.deviations[i] - entry.tableRow[i]), tolerance)
                << entry.name.toStdString() << ", note " << i << ": the row has "
                << static_cast<double>(entry.tableRow[i]) << ", the construction "
                << static_cast<double>(entry.deviations[i]);
        }
        EXPECT_EQ(entry.deviations[9], 0) << entry.name.toStdString();
    }
    EXPECT_GE(constructedRows, 70);

    // The four slips of the sources, corrected in the table and shipped from the constructions.
    const struct {
        const char *name;
        int note;
        long double value;
    } slips[] = {
        {"Werckmeister 6", 2, 2.98L},
        {"Norden", 11, -5.474L},
        {"Bach (Bradley Lehman)", 4, -2.0L},
        {"Bach (Bradley Lehman)", 5, 7.8L},
        {"1/6-comma (bemols)", 8, 11.41L},
        // B five fifths of 1/5-comma meantone above C (15/8), not 14.86.
        {"Holden (John) 1770", 11, -4.69L},
        // D 10/9 and E 5/4 above C, where the whole-cent row had 0 for both.
        {"Pure Minor", 2, -1.96L},
        {"Pure Minor", 4, 1.96L},
    };
    for (const auto &slip : slips) {
        const LibraryEntry *entry = entryNamed(library.value(), QLatin1String(slip.name));
        ASSERT_NE(entry, nullptr) << slip.name;
        EXPECT_EQ(entry->tableRow[slip.note], slip.value) << slip.name;
        EXPECT_NEAR(static_cast<double>(entry->deviations[slip.note]), static_cast<double>(slip.value),
                    0.5 * std::pow(10.0, -entry->rowDecimals))
            << slip.name;
    }
    EXPECT_TRUE(entryNamed(library.value(), QStringLiteral("Werckmeister 6"))
                    ->construction.contains(QStringLiteral("corrected")));
}

class LibraryWindowsTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        cents = &windows->FormCents();
    }

    template <typename T = QPushButton> T *centsControl(const char *name) const { return control<T>(*cents, name); }
    QString sideName(SetterSide side) const
    {
        return centsControl<QLineEdit>(side == SetterSide::Input ? "EditNomeInput" : "EditNomeOut")->text();
    }

    TFormCents *cents = nullptr;
};

TEST_P(LibraryWindowsTest, TheCommandEndsTheFunctionsMenu)
{
    auto *functions = main->menuBar()->findChild<QMenu *>(QStringLiteral("MImpostazioni"));
    ASSERT_NE(functions, nullptr);
    ASSERT_FALSE(functions->actions().isEmpty());
    EXPECT_EQ(functions->actions().last(), mainControl<QAction>("LibreriaTemperamenti"));
    EXPECT_EQ(functions->actions().last()->text().remove(QLatin1Char('&')),
              QStringLiteral("Temperament Library\u2026"));
}

TEST_P(LibraryWindowsTest, TheFilterListsTheMatchesBestFirst)
{
    LibraryDialog &dialog = main->libraryDialog();
    auto *filter = control<QLineEdit>(dialog, "filterEdit");
    struct Case {
        const char *typed;
        QStringList shown;
    };
    const Case cases[] = {
        {"werckmeister", {"Werckmeister III", "Werckmeister 4 (1691)", "Werckmeister 5 (1691)", "Werckmeister 6"}},
        {"  1691 ", {"Werckmeister 4 (1691)", "Werckmeister 5 (1691)"}},
        {"MARPURG NR 1", {"Marpurg nr 1"}},
        {"young", {"Young I", "Young II", "Vallotti"}},
        {"Vallotti", {"Vallotti", "Young II"}},
        {"valotti", {"Vallotti", "Young II"}},
        {"Tartini", {"Vallotti"}},
        {"werkmeister vi", {"Werckmeister 6"}},
        {"1691 Werkmeister", {"Werckmeister 4 (1691)", "Werckmeister 5 (1691)"}},
        {"Neidhart III", {"Neidhardt III (1724)"}},
        {"Neidhardt große Stadt", {"Neidhardt III (1724)"}},
        {"kirnberg", {"Kirnberger III", "Kirnberger I", "Kirnberger II"}},
        {"Werckmeister II", {"1/4 comma meantone (Aaron 1523)"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        QTest::keyClicks(filter, QString::fromUtf8(c.typed));
        EXPECT_EQ(dialog.shownNames(), c.shown);
        ASSERT_NE(dialog.selectedEntry(), nullptr) << "the first is chosen";
        EXPECT_EQ(dialog.selectedEntry()->name, c.shown.first());
        filter->clear();
    }
    EXPECT_EQ(dialog.shownNames().size(), builtInLibrary()->entries.size()) << "an empty filter shows everything";
    EXPECT_EQ(dialog.searchRemark(), QString());

    // A name that matches none lists the nearest, none of them chosen.
    QTest::keyClicks(filter, QStringLiteral("Valoti"));
    EXPECT_EQ(dialog.shownNames(), QStringList{QStringLiteral("Vallotti")});
    EXPECT_EQ(dialog.selectedEntry(), nullptr);
    EXPECT_EQ(dialog.searchRemark(),
              QStringLiteral("No temperament of the library has such a name; the nearest are listed."));
    filter->clear();
    QTest::keyClicks(filter, QStringLiteral("xyzzy"));
    EXPECT_EQ(dialog.shownNames(), QStringList());
    EXPECT_EQ(dialog.searchRemark(), QStringLiteral("No temperament of the library has such a name."));
}

// From the keyboard alone: Down leaves the filter for the list, Enter there
// takes the entry; the next opening starts afresh in the filter.
TEST_P(LibraryWindowsTest, TheKeyboardGoesFromTheFilterToTheList)
{
    LibraryDialog &dialog = main->libraryDialog();
    auto *filter = control<QLineEdit>(dialog, "filterEdit");
    auto *tree = control<QTreeWidget>(dialog, "entryTree");
    dialog.show();
    QTest::keyClicks(filter, QStringLiteral("neidhardt"));
    EXPECT_EQ(dialog.selectedEntry()->name, QStringLiteral("Neidhardt I (1724)"));
    QTest::keyClick(filter, Qt::Key_Down);
    EXPECT_EQ(dialog.focusWidget(), tree);
    EXPECT_EQ(dialog.selectedEntry()->name, QStringLiteral("Neidhardt I (1724)")) << "Down only moves the focus";
    QTest::keyClick(tree, Qt::Key_Down);
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.selectedEntry()->name, QStringLiteral("Neidhardt II (1724)"));

    // With nothing chosen, Down chooses the first in the list.
    dialog.show();
    filter->clear();
    QTest::keyClicks(filter, QStringLiteral("Valoti"));
    QTest::keyClick(filter, Qt::Key_Down);
    ASSERT_NE(dialog.selectedEntry(), nullptr);
    EXPECT_EQ(dialog.selectedEntry()->name, QStringLiteral("Vallotti"));
    dialog.hide();

    // Reopened: an empty filter with the focus, the last choice kept.
    trigger("LibreriaTemperamenti");
    EXPECT_EQ(filter->text(), QString());
    EXPECT_EQ(dialog.focusWidget(), filter);
    EXPECT_EQ(mainControl<QLineEdit>("EditNomeTemperamento")->text(), QStringLiteral("Vallotti"));
    EXPECT_EQ(dialog.shownNames().size(), builtInLibrary()->entries.size());
}

TEST_P(LibraryWindowsTest, ThePreviewShowsTheChosenEntry)
{
    LibraryDialog &dialog = main->libraryDialog();
    QPushButton *ok = control<QDialogButtonBox>(dialog, "buttons")->button(QDialogButtonBox::Ok);
    EXPECT_EQ(dialog.previewTexts(), QStringList(12, QString()));
    EXPECT_FALSE(ok->isEnabled()) << "nothing chosen yet";

    ASSERT_TRUE(dialog.selectEntry(QStringLiteral("Werckmeister III")));
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialog.previewTexts(),
              local({"11.73", "1.96", "3.91", "5.87", "1.96", "9.78", "0.00", "7.82", "3.91", "0.00", "7.82", "3.91"}));
    EXPECT_EQ(dialog.previewDescription(),
              QStringLiteral("C-G, G-D, D-A and B-F# narrowed by 1/4 Pythagorean comma, the rest pure"));
    // A row without construction previews as the table gives it.
    ASSERT_TRUE(dialog.selectEntry(QStringLiteral("Barca 1786")));
    EXPECT_EQ(dialog.previewTexts(), local({"4.56", "-3.26", "1.95", "0.65", "-1.96", "2.61", "-5.21", "2.61", "-1.30",
                                            "0.00", "0.65", "-3.91"}));
    EXPECT_EQ(dialog.previewDescription(), QString());
    // The one-decimal row of Bach (Bradley Lehman) gives way to its construction.
    ASSERT_TRUE(dialog.selectEntry(QStringLiteral("Bach (Bradley Lehman)")));
    EXPECT_EQ(dialog.previewTexts(),
              local({"5.87", "3.91", "1.96", "3.91", "-1.96", "7.82", "1.96", "3.91", "3.91", "0.00", "3.91", "0.00"}));
    ASSERT_TRUE(dialog.selectEntry(QStringLiteral("Vallotti")));
    EXPECT_TRUE(dialog.previewDescription().endsWith(QStringLiteral("Also known as Tartini-Vallotti, Vallotti-Young")))
        << dialog.previewDescription().toStdString();
    EXPECT_EQ(dialog.problemText(), QString());

    // A row whose source is doubtful says so.
    ASSERT_TRUE(dialog.selectEntry(QStringLiteral("Koenig, Balthasar Organ Niederehe 1714")));
    EXPECT_TRUE(dialog.previewDescription().contains(QStringLiteral("wolf on B-F#")))
        << dialog.previewDescription().toStdString();

    // Filtering chooses the best match in place of the entry filtered away.
    QTest::keyClicks(control<QLineEdit>(dialog, "filterEdit"), QStringLiteral("meantone"));
    ASSERT_NE(dialog.selectedEntry(), nullptr);
    EXPECT_EQ(dialog.selectedEntry()->name, QStringLiteral("1/4 comma meantone (Aaron 1523)"));
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_FALSE(dialog.selectEntry(QStringLiteral("Werckmeister III"))) << "hidden by the filter";
    // Nothing matching leaves nothing chosen.
    QTest::keyClicks(control<QLineEdit>(dialog, "filterEdit"), QStringLiteral("xyzzy"));
    EXPECT_EQ(dialog.selectedEntry(), nullptr);
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(dialog.previewTexts(), QStringList(12, QString()));
}

TEST_P(LibraryWindowsTest, ATableThatCannotBeReadIsShownNotHidden)
{
    const Result<TemperamentLibrary> broken =
        parseTemperamentLibrary(QStringLiteral("# comment\nname\tgroup\tC\tC#\tD\tD#\tE\tF\tF#\tG\tG#\tA\tA#\tB\n"
                                               "Good\tG\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n"
                                               "Bad\tG\t0\t0\t1,5\t0\t0\t0\t0\t0\t0\t0\t0\t0\n"));
    ASSERT_FALSE(broken.ok());
    LibraryDialog dialog(broken, GetParam());
    EXPECT_EQ(dialog.problemText(), QStringLiteral("The temperament library could not be read. "
                                                   "Line 4 of the temperament table: \"1,5\" is not a number"));
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("libraryProblem"));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->isVisibleTo(&dialog));
    EXPECT_EQ(label->text(), dialog.problemText());
    EXPECT_EQ(dialog.shownNames(), QStringList()) << "a half-read table offers nothing";
    EXPECT_FALSE(control<QLineEdit>(dialog, "filterEdit")->isEnabled());
    EXPECT_FALSE(control<QDialogButtonBox>(dialog, "buttons")->button(QDialogButtonBox::Ok)->isEnabled());

    // The shipped table reads, and its dialog says nothing of the kind.
    auto *shipped = main->libraryDialog().findChild<QLabel *>(QStringLiteral("libraryProblem"));
    ASSERT_NE(shipped, nullptr);
    EXPECT_FALSE(shipped->isVisibleTo(&main->libraryDialog()));
}

TEST_P(LibraryWindowsTest, TheMainWindowTakesDeviationsAndName)
{
    mainControl<QLineEdit>("EditNomeTemperamento")->setText(QStringLiteral("old"));
    ASSERT_TRUE(main->libraryDialog().selectEntry(QStringLiteral("Kirnberger III")));
    trigger("LibreriaTemperamenti");
    EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("modal: Temperament Library")});
    // The construction's C# (0.49), not the table's 0.44; the fields drop a leading 0.
    EXPECT_EQ(texts(noteFields(*main)),
              local({"10.26", ".49", "3.42", "4.4", "-3.42", "8.31", ".49", "6.84", "2.44", "", "6.35", "-1.47"}));
    EXPECT_EQ(mainControl<TNumEdit>("NumEdit_Do")->value(), 10.26L);
    EXPECT_EQ(mainControl<QLineEdit>("EditNomeTemperamento")->text(), QStringLiteral("Kirnberger III"));

    // Accepted with nothing chosen: nothing changes.
    QTest::keyClicks(control<QLineEdit>(main->libraryDialog(), "filterEdit"), QStringLiteral("xyz"));
    mainControl<QLineEdit>("EditNomeTemperamento")->setText(QStringLiteral("kept"));
    trigger("LibreriaTemperamenti");
    EXPECT_EQ(mainControl<QLineEdit>("EditNomeTemperamento")->text(), QStringLiteral("kept"));
    EXPECT_EQ(mainControl<TNumEdit>("NumEdit_Do")->value(), 10.26L);
}

TEST_P(LibraryWindowsTest, ASetterSideTakesPositionsAboveC)
{
    ASSERT_TRUE(cents->libraryDialog().selectEntry(QStringLiteral("Werckmeister III")));
    centsControl("ButtonLibreriaOut")->click();
    EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("modal: Temperament Library")});
    EXPECT_EQ(
        texts(setterFields(*cents, SetterSide::Out)),
        // C# and E are 90.224996 and 390.224996 above C.
        local({"", "90.22", "192.18", "294.13", "390.22", "498.04", "588.27", "696.09", "792.18", "888.27", "996.09"})
            << QStringLiteral("1") + GetParam().thousands + QStringLiteral("092") + GetParam().decimal +
                   QStringLiteral("18"));
    EXPECT_EQ(sideName(SetterSide::Out), QStringLiteral("Werckmeister III"));
    EXPECT_EQ(texts(setterFields(*cents, SetterSide::Input)), QStringList(12, QStringLiteral("1")));
    EXPECT_EQ(sideName(SetterSide::Input), QString());

    // The other side, from a row of the table; the left side ends as equal temperament.
    ASSERT_TRUE(cents->libraryDialog().selectEntry(QStringLiteral("Equal temperament")));
    centsControl("ButtonLibreriaInput")->click();
    EXPECT_EQ(cents->positions(SetterSide::Input),
              (NoteCents{0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100}));
    EXPECT_EQ(sideName(SetterSide::Input), QStringLiteral("Equal temperament"));

    // Exported, the main window gets the two-decimal positions back as deviations.
    centsControl("ButtonEsporta")->click();
    main->FormActivate();
    EXPECT_EQ(texts(noteFields(*main)),
              local({"11.73", "1.95", "3.91", "5.86", "1.95", "9.77", "", "7.82", "3.91", "", "7.82", "3.91"}));
}

TEST_P(LibraryWindowsTest, TheLibraryButtonsFitBesideTheOthers)
{
    for (const char *name : {"ButtonLibreriaInput", "ButtonLibreriaOut"}) {
        SCOPED_TRACE(name);
        QPushButton *library = centsControl(name);
        EXPECT_EQ(library->text().remove(QLatin1Char('&')), QStringLiteral("Library\u2026"));
        EXPECT_TRUE(QRect(0, 0, 714, 663).contains(library->geometry()));
        for (const char *other : {"ButtonCaricaInput", "ButtonCaricaOut", "ButtonSalvaInput", "ButtonSalvaOut",
                                  "CheckBoxEquabileInput", "CheckBoxEquabileOut"})
            EXPECT_FALSE(library->geometry().intersects(centsControl<QWidget>(other)->geometry())) << other;
    }
    EXPECT_EQ(centsControl("ButtonLibreriaInput")->x(), centsControl("ButtonCaricaInput")->x());
    EXPECT_EQ(centsControl("ButtonLibreriaOut")->x(), centsControl("ButtonCaricaOut")->x());
    EXPECT_EQ(centsControl("ButtonCaricaInput")->geometry(), QRect(24, 600, 90, 30)) << "Load stays where it was";
}

TEST_P(LibraryWindowsTest, ScalaFilesRoundTripThroughTheSetter)
{
    const NoteCents values{0, 90.23, 192.18, 294.13, 390.23, 498.04, 588.27, 696.09, 792.18, 888.27, 996.09, 1092.18};
    cents->setPositions(SetterSide::Input, values);
    cents->setSideName(SetterSide::Input, QStringLiteral("Werckmeister III"));
    const QString file = dir.filePath(QStringLiteral("W3.scl"));
    dialogs.fileAnswers = {file};
    centsControl("ButtonSalvaInput")->click();
    EXPECT_EQ(dialogs.lastQuestion.filters,
              (QStringList{QStringLiteral("Cts (*.Cts *.cts *.CTS)"), QStringLiteral("Scala (*.scl *.Scl *.SCL)")}));
    EXPECT_EQ(dialogs.log.last(), QStringLiteral("information: File %1 Saved").arg(QDir::toNativeSeparators(file)));
    EXPECT_EQ(readAll(file), QByteArray("! W3.scl\r\nWerckmeister III\r\n12\r\n90.23000\r\n192.18000\r\n294.13000\r\n"
                                        "390.23000\r\n498.04000\r\n588.27000\r\n696.09000\r\n792.18000\r\n888.27000\r\n"
                                        "996.09000\r\n1092.18000\r\n2/1\r\n"))
        << "a full stop whatever the setting";

    dialogs.fileAnswers = {file};
    centsControl("ButtonCaricaOut")->click();
    EXPECT_EQ(dialogs.log.last(), QStringLiteral("information: File %1 Loaded").arg(QDir::toNativeSeparators(file)));
    EXPECT_EQ(texts(setterFields(*cents, SetterSide::Out)), texts(setterFields(*cents, SetterSide::Input)));
    EXPECT_EQ(sideName(SetterSide::Out), QStringLiteral("Werckmeister III"));

    // A .Cts name still saves a cents file.
    const QString cts = dir.filePath(QStringLiteral("W3.Cts"));
    dialogs.fileAnswers = {cts};
    centsControl("ButtonSalvaOut")->click();
    EXPECT_EQ(readAll(cts).count("\r\n"), 13);
    EXPECT_TRUE(readAll(cts).startsWith(local("0\r\n90.23\r\n").toLatin1()));
}

TEST_P(LibraryWindowsTest, ChoosingTheScalaTypeRenamesTheFile)
{
    dialogs.fileAnswers = {std::nullopt};
    centsControl("ButtonSalvaOut")->click();
    ASSERT_TRUE(dialogs.lastQuestion.typeChanged);
    EXPECT_EQ(dialogs.lastQuestion.typeChanged(QStringLiteral("File1"), 1), QStringLiteral("File1.scl"));
    EXPECT_EQ(dialogs.lastQuestion.typeChanged(QStringLiteral("File1.scl"), 0), QStringLiteral("File1.Cts"));
    EXPECT_EQ(dialogs.lastQuestion.typeChanged(QStringLiteral("Old.CTS"), 1), QStringLiteral("Old.scl"));
    EXPECT_EQ(dialogs.lastQuestion.typeChanged(QString(), 1), QString());
}

TEST_P(LibraryWindowsTest, ABadScalaFileChangesNothing)
{
    // The message names the file and the line, then the problem.
    struct Case {
        const char *name;
        QByteArray bytes;
        int line;
        const char *problem;
    };
    const Case cases[] = {
        {"Seven.scl", "Diatonic\r\n7\r\n", 2, "the scale has 7 notes; only scales of 12 notes load"},
        {"Short.scl", "S\n12\n100.0\n", 4, "the file ends after 1 of its 12 pitches"},
        {"Negative.scl", "N\n12\n100.0\n-9/8\n", 4, "\"-9/8\" is a negative ratio"},
        {"NoOctave.scl", "N\n12\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n3/1\n", 14,
         "the last pitch \"3/1\" is not the octave (2/1 or 1200.0)"},
    };
    cents->setSideName(SetterSide::Out, QStringLiteral("before"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        offerFile(c.name, c.bytes);
        centsControl("ButtonCaricaOut")->click();
        const QString error = QStringLiteral("error: Line %1 of \"%2\": %3")
                                  .arg(QString::number(c.line), QLatin1String(c.name), QLatin1String(c.problem));
        EXPECT_EQ(dialogs.log, (QStringList{QStringLiteral("open"), error}));
        EXPECT_EQ(texts(setterFields(*cents, SetterSide::Out)), QStringList(12, QStringLiteral("1")));
        EXPECT_EQ(sideName(SetterSide::Out), QStringLiteral("before"));
    }
}

CORDAVO_BOTH_SETTINGS(LibraryWindowsTest);
