#include "WindowTest.h"
#include "numbers/NumberFormat.h"
#include "tuning/CircleOfFifths.h"
#include "ui/widgets/CentsList.h"
#include "ui/widgets/NumEdit.h"
#include "ui/windows/UCents.h"
#include "ui/windows/USetTemperament.h"
#include "ui/windows/UTemperamento.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace cordavo;

namespace {

const char *const kRefusal = "message: Exporting is not possible! Calculations are required before";
const char *const kExported = "message: Export correctly";

const char *const kNoDifference = ", , , , , , , , , , , ";
const char *const kEqualList = "0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100";
const char *const kQuarterList =
    "0, 76.05, 193.16, 269.21, 386.32, 462.37, 579.47, 696.58, 772.63, 889.74, 965.79, 1082.9";

const char *const kFifthNames[12] = {"C_G",   "G_D",   "D_A",   "A_E",   "E_B",  "B_Fd",
                                     "Fd_Cd", "Cd_Gd", "Gd_Eb", "Eb_Bb", "Bb_F", "F_C"};

class FifthsWindowTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        fifths = &windows->FormCicloQuinte();
    }

    std::string expected(const char *list) const { return local(list).toStdString(); }
    static std::string shown(const CentsList *list) { return list->lines().join(QStringLiteral(", ")).toStdString(); }

    // A control of one side, by its name without the side: ("ListBoxCents", Out) is ListBoxCentsOut.
    template <typename T> T *sideControl(const char *name, SetterSide side) const
    {
        const std::string full = std::string(name) + (side == SetterSide::Input ? "Input" : "Out");
        return control<T>(*fifths, full.c_str());
    }
    CentsList *list(SetterSide side) const { return sideControl<CentsList>("ListBoxCents", side); }
    QCheckBox *equal(SetterSide side) const { return sideControl<QCheckBox>("CheckBoxEquabile", side); }
    QComboBox *rounds(SetterSide side) const { return sideControl<QComboBox>("ComboBoxArrotonda", side); }
    QPushButton *calculate(SetterSide side) const { return sideControl<QPushButton>("ButtonCalcolaCents", side); }
    QPushButton *exportCents(SetterSide side) const { return sideControl<QPushButton>("ButtonEsportaCents", side); }
    QRadioButton *pythagorean(SetterSide side) const
    {
        return control<QRadioButton>(*fifths, side == SetterSide::Input ? "RadioButtonInputPitagorico"
                                                                        : "RadioButtonOutPitagorico");
    }
    QPushButton *exportButton() const { return control<QPushButton>(*fifths, "ButtonEsporta"); }

    // A side's fifth boxes in circle order, C-G first and F-C last.
    std::array<QComboBox *, 12> fifthBoxes(SetterSide side) const
    {
        std::array<QComboBox *, 12> boxes{};
        for (int k = 0; k < 12; ++k) {
            const std::string name =
                std::string("ComboBox") + (side == SetterSide::Input ? "Input_" : "Out_") + kFifthNames[k];
            boxes[k] = control<QComboBox>(*fifths, name.c_str());
        }
        return boxes;
    }

    // Every fifth box of a side at one item, then some at another.
    void choose(SetterSide side, int item, std::initializer_list<int> others = {}, int otherItem = 0)
    {
        for (QComboBox *box : fifthBoxes(side))
            box->setCurrentIndex(item);
        for (int k : others)
            fifthBoxes(side)[k]->setCurrentIndex(otherItem);
    }

    // The note fields of the main window after it has taken the export.
    QStringList mainNoteTexts()
    {
        main->showMainWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(main));
        return texts(noteFields(*main));
    }

    TFormCicloQuinte *fifths = nullptr;
};

constexpr int kFC = 11;

} // namespace

TEST_P(FifthsWindowTest, OpensFixedWithEveryBoxAtItsFirstChoice)
{
    EXPECT_EQ(fifths->windowTitle(), QStringLiteral("Cordavo"));
    EXPECT_EQ(fifths->minimumSize(), QSize(828, 739));
    EXPECT_EQ(fifths->maximumSize(), QSize(828, 739));
    for (const char *part : {"Input", "Out"}) {
        const QString side = QString::fromLatin1(part);
        for (const char *fifth :
             {"C_G", "G_D", "D_A", "A_E", "E_B", "B_Fd", "Fd_Cd", "Cd_Gd", "Gd_Eb", "Eb_Bb", "Bb_F", "F_C"}) {
            auto *box = fifths->findChild<QComboBox *>(QStringLiteral("ComboBox%1_%2").arg(side, QLatin1String(fifth)));
            ASSERT_NE(box, nullptr) << part << ' ' << fifth;
            EXPECT_EQ(box->count(), 10);
            EXPECT_EQ(box->currentText(), QStringLiteral("- 1/4"));
        }
        EXPECT_EQ(fifths->findChild<QComboBox *>(QStringLiteral("ComboBoxArrotonda") + side)->currentText(),
                  QStringLiteral("   2"));
        EXPECT_TRUE(fifths->findChild<QRadioButton *>(QStringLiteral("RadioButton%1Sintonico").arg(side))->isChecked());
    }
}

TEST_P(FifthsWindowTest, RefusesEveryExportUntilItsSidesAreCalculated)
{
    const NoteCents before = windows->FormCents().positions(SetterSide::Input);
    exportButton()->click();
    exportCents(SetterSide::Input)->click();
    exportCents(SetterSide::Out)->click();
    EXPECT_EQ(dialogs.log, QStringList(3, QString::fromLatin1(kRefusal)));
    EXPECT_FALSE(main->exportPending());
    EXPECT_FALSE(windows->FormCents().isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(windows->FormCents().positions(SetterSide::Input), before);

    // One side calculated: its own "Export Cents" works, the others still refuse.
    calculate(SetterSide::Input)->click();
    dialogs.log.clear();
    exportButton()->click();
    exportCents(SetterSide::Out)->click();
    EXPECT_EQ(dialogs.log, QStringList(2, QString::fromLatin1(kRefusal)));
    EXPECT_FALSE(main->exportPending());
    exportCents(SetterSide::Input)->click();
    EXPECT_EQ(dialogs.log.last(), QString::fromLatin1(kExported));
}

// The core's table of circles is tested with the core; here, that each side
// hands the core its own boxes in circle order, its own comma and its own
// rounding, and shows the result in the setting's decimal separator.
TEST_P(FifthsWindowTest, CalculateShowsWhatTheCoreGivesForTheSidesBoxes)
{
    struct SideSetting {
        FifthChoices items;
        Comma comma;
        const char *rounds; // the text in the "Rounds" box
        int decimals;
    };
    struct Case {
        const char *name;
        SideSetting input;
        SideSetting out;
    };
    const FifthChoices initial{3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
    const FifthChoices everyItem{1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 2, 6};
    const FifthChoices everyItemBackwards{6, 2, 0, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    const Case cases[] = {
        {"initial choices", {initial, Comma::Syntonic, "   2", 2}, {initial, Comma::Syntonic, "   2", 2}},
        {"every item, sides apart",
         {everyItem, Comma::Pythagorean, "   3", 3},
         {everyItemBackwards, Comma::Syntonic, "   1", 1}},
        {"typed roundings", {everyItemBackwards, Comma::Pythagorean, "4", 4}, {everyItem, Comma::Syntonic, " 10 ", 10}},
        {"no decimals on one side", {initial, Comma::Syntonic, "   0", 0}, {everyItem, Comma::Pythagorean, "   5", 5}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        fresh();
        for (SetterSide side : {SetterSide::Input, SetterSide::Out}) {
            const SideSetting &set = side == SetterSide::Input ? c.input : c.out;
            for (int k = 0; k < 12; ++k)
                fifthBoxes(side)[k]->setCurrentIndex(set.items[k]);
            pythagorean(side)->setChecked(set.comma == Comma::Pythagorean);
            rounds(side)->setEditText(QString::fromLatin1(set.rounds));
        }
        calculate(SetterSide::Input)->click();
        EXPECT_EQ(list(SetterSide::Out)->count(), 0);
        calculate(SetterSide::Out)->click();
        for (SetterSide side : {SetterSide::Input, SetterSide::Out}) {
            const SideSetting &set = side == SetterSide::Input ? c.input : c.out;
            EXPECT_EQ(list(side)->lines(), calculateCircle(set.items, set.comma, set.decimals, GetParam().decimal))
                << (side == SetterSide::Input ? "Input" : "Out");
        }
        // Pressing it again renews the list rather than extending it.
        calculate(SetterSide::Input)->click();
        EXPECT_EQ(list(SetterSide::Input)->count(), 12);
        EXPECT_TRUE(dialogs.log.isEmpty());
    }
}

TEST_P(FifthsWindowTest, TypedTextThatNamesNoFractionIsRefusedAndNeverBecomesAnItem)
{
    // Refused, each box named, whether the list is empty or calculated.
    const QString items = QStringLiteral("is not one of 0 -1/2 -1/3 -1/4 -1/5 -1/6 -2/5 -2/7 +1/5 +1/6");
    for (bool calculatedBefore : {false, true}) {
        SCOPED_TRACE(calculatedBefore);
        choose(SetterSide::Out, 0);
        if (calculatedBefore)
            calculate(SetterSide::Out)->click();
        const std::string before = shown(list(SetterSide::Out));
        fifthBoxes(SetterSide::Out)[9]->setEditText(QStringLiteral("-1/12"));
        fifthBoxes(SetterSide::Out)[3]->setEditText(QStringLiteral(""));
        dialogs.log.clear();
        calculate(SetterSide::Out)->click();
        EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("message: New Temperament fifth 4 (A-E): \"\" %1\n"
                                                          "New Temperament fifth 10 (Eb-Bb): \"-1/12\" %1")
                                               .arg(items)});
        EXPECT_EQ(shown(list(SetterSide::Out)), before);
    }

    // An item's text typed with other blanks counts as that item.
    choose(SetterSide::Input, 0);
    fifthBoxes(SetterSide::Input)[0]->setEditText(QStringLiteral("-1/4 "));
    calculate(SetterSide::Input)->click();
    EXPECT_EQ(list(SetterSide::Input)->lines().value(7), local("696.58"));

    // Typing and Enter leave the items as they were.
    fifths->showInFront();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fifths));
    for (QComboBox *box : {fifthBoxes(SetterSide::Input)[2], rounds(SetterSide::Out)}) {
        const int count = box->count();
        box->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), QStringLiteral("7x"));
        QTest::keyClick(box->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(box->count(), count) << qPrintable(box->objectName());
    }
}

TEST_P(FifthsWindowTest, ARoundsBoxThatNamesNoWholeNumberUpToTenChangesNothing)
{
    const char *bad[] = {"", "   ", "11", "-1", "2.5", "2,5", "x", "1 0", "100"};
    for (SetterSide side : {SetterSide::Input, SetterSide::Out}) {
        const char *head = side == SetterSide::Input ? "Old Temperament" : "New Temperament";
        // Never calculated: the list stays empty and "Export Cents" still refuses.
        for (const char *text : bad) {
            dialogs.log.clear();
            rounds(side)->setEditText(QString::fromLatin1(text));
            calculate(side)->click();
            ASSERT_EQ(dialogs.log.size(), 1) << text;
            EXPECT_EQ(dialogs.log[0], QStringLiteral("message: %1 Rounds: \"%2\" is not a whole number of decimals "
                                                     "from 0 to 10")
                                          .arg(QLatin1String(head), QLatin1String(text)));
            EXPECT_EQ(list(side)->count(), 0) << text;
        }
        dialogs.log.clear();
        exportCents(side)->click();
        EXPECT_EQ(dialogs.log, QStringList{QString::fromLatin1(kRefusal)});

        // Calculated: the list keeps its lines.
        rounds(side)->setEditText(QStringLiteral(" 10 "));
        calculate(side)->click();
        const std::string tenDecimals = shown(list(side));
        EXPECT_EQ(list(side)->lines().value(1), local("76.0489992635"));
        for (const char *text : bad) {
            rounds(side)->setEditText(QString::fromLatin1(text));
            calculate(side)->click();
            EXPECT_EQ(shown(list(side)), tenDecimals) << text;
        }
    }
}

TEST_P(FifthsWindowTest, EqualReplacesTheListAndHoldsItUntilCalculateAfterUnchecking)
{
    calculate(SetterSide::Input)->click();
    equal(SetterSide::Input)->click();
    EXPECT_EQ(shown(list(SetterSide::Input)), expected(kEqualList));

    // While checked, Calculate does nothing.
    choose(SetterSide::Input, 0);
    calculate(SetterSide::Input)->click();
    EXPECT_EQ(shown(list(SetterSide::Input)), expected(kEqualList));

    // Unchecking keeps the list; only Calculate renews it.
    equal(SetterSide::Input)->click();
    EXPECT_EQ(shown(list(SetterSide::Input)), expected(kEqualList));
    calculate(SetterSide::Input)->click();
    EXPECT_EQ(list(SetterSide::Input)->lines().value(1), local("113.69"));

    // Changing the boxes, the comma or the rounding leaves a calculated list alone.
    const std::string calculated = shown(list(SetterSide::Input));
    choose(SetterSide::Input, 1);
    pythagorean(SetterSide::Input)->setChecked(true);
    rounds(SetterSide::Input)->setCurrentIndex(5);
    EXPECT_EQ(shown(list(SetterSide::Input)), calculated);
    EXPECT_TRUE(dialogs.log.isEmpty());
}

TEST_P(FifthsWindowTest, ExportHandsNewMinusOldShiftedSoThatAIsZero)
{
    struct Case {
        const char *name;
        std::function<void()> set;
        const char *noteFields; // C to B as the main window shows them; 0 is an empty field
    };
    const Case cases[] = {
        {"equal on both sides",
         [this] {
             equal(SetterSide::Input)->click();
             equal(SetterSide::Out)->click();
         },
         kNoDifference},
        {"identical settings",
         [this] {
             choose(SetterSide::Input, 5, {1, 4}, 8);
             choose(SetterSide::Out, 5, {1, 4}, 8);
             calculate(SetterSide::Input)->click();
             calculate(SetterSide::Out)->click();
         },
         kNoDifference},
        {"pure fifths against equal",
         [this] {
             equal(SetterSide::Input)->click();
             choose(SetterSide::Out, 0);
             calculate(SetterSide::Out)->click();
         },
         "-5.87, 7.82, -1.96, 11.73, 1.95, 15.64, 5.86, -3.91, 9.77, , 13.68, 3.91"},
        {"quarter-comma chain against equal",
         [this] {
             equal(SetterSide::Input)->click();
             choose(SetterSide::Out, 3, {kFC}, 0);
             calculate(SetterSide::Out)->click();
         },
         "10.26, -13.69, 3.42, -20.53, -3.43, -27.38, -10.27, 6.84, -17.11, , -23.96, -6.85"},
        {"equal against the initial choices",
         [this] {
             calculate(SetterSide::Input)->click();
             equal(SetterSide::Out)->click();
         },
         "-10.26, 13.69, -3.42, 20.53, 3.42, 27.37, 10.27, -6.84, 17.11, , 23.95, 6.84"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        fresh();
        ASSERT_NO_FATAL_FAILURE(openSetter("RadioButtonQuinte", fifths));
        c.set();
        const QStringList lists = list(SetterSide::Input)->lines() + list(SetterSide::Out)->lines();
        dialogs.log.clear();

        exportButton()->click();
        EXPECT_EQ(dialogs.log, QStringList{QString::fromLatin1(kExported)}) << c.name;
        EXPECT_TRUE(main->isVisible()) << c.name;
        EXPECT_TRUE(fifths->isVisible()) << c.name;
        EXPECT_EQ(mainNoteTexts().join(QStringLiteral(", ")).toStdString(), expected(c.noteFields)) << c.name;
        EXPECT_EQ(list(SetterSide::Input)->lines() + list(SetterSide::Out)->lines(), lists) << c.name;
    }
}

TEST_P(FifthsWindowTest, ExportCentsSendsOneSidesPositionsAsListed)
{
    TFormCents &cents = windows->FormCents();
    const NoteCents outBefore = cents.positions(SetterSide::Out);
    fifths->showInFront();
    equal(SetterSide::Input)->click();
    exportCents(SetterSide::Input)->click();
    EXPECT_EQ(dialogs.log, QStringList{QString::fromLatin1(kExported)});
    EXPECT_TRUE(cents.isVisible());
    EXPECT_TRUE(fifths->isVisible());
    EXPECT_FALSE(main->exportPending());
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(cents.positions(SetterSide::Input)[i], 100 * i) << i;
    EXPECT_EQ(cents.positions(SetterSide::Out), outBefore);

    // The Out side goes to the Out side, positions above C and unshifted.
    pythagorean(SetterSide::Out)->setChecked(true);
    calculate(SetterSide::Out)->click();
    exportCents(SetterSide::Out)->click();
    const NoteCents sent = cents.positions(SetterSide::Out);
    const QStringList shownLines = list(SetterSide::Out)->lines();
    ASSERT_EQ(shownLines.size(), 12);
    EXPECT_EQ(shownLines[4], local("384.36"));
    for (int i = 0; i < 12; ++i) {
        const auto listed = readRegional(shownLines[i], GetParam().decimal);
        ASSERT_TRUE(listed.has_value()) << i;
        EXPECT_NEAR(static_cast<double>(sent[i]), static_cast<double>(*listed), 1e-9) << i;
    }
    EXPECT_EQ(cents.positions(SetterSide::Input)[11], 1100);
}

TEST_P(FifthsWindowTest, ClosingShowsTheMainWindowAndKeepsTheLists)
{
    ASSERT_NO_FATAL_FAILURE(openSetter("RadioButtonQuinte", fifths));
    EXPECT_FALSE(main->isVisible());
    calculate(SetterSide::Out)->click();

    fifths->close();
    EXPECT_FALSE(fifths->isVisible());
    EXPECT_TRUE(main->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));

    mainControl<QPushButton>("ButtonSetTemperamento")->click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fifths));
    EXPECT_EQ(shown(list(SetterSide::Out)), expected(kQuarterList));
}

CORDAVO_BOTH_SETTINGS(FifthsWindowTest);
