#include "TestSettings.h"
#include "ScriptedDialogs.h"
#include "numbers/NumberFormat.h"
#include "tuning/CircleOfFifths.h"
#include "ui/CentsList.h"
#include "ui/CordavoWindows.h"
#include "ui/NumEdit.h"
#include "ui/UCents.h"
#include "ui/USetTemperament.h"
#include "ui/UTemperamento.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
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

// Each case runs under a comma and a full-stop decimal setting.
class FifthsWindowTest : public ::testing::TestWithParam<Separators>
{
protected:
    void SetUp() override
    {
        windows = std::make_unique<CordavoWindows>(GetParam(), dialogs);
        main = &windows->FormTemperamento();
        fifths = &windows->FormCicloQuinte();
    }

    void TearDown() override
    {
        windows.reset();
        QApplication::processEvents();
    }

    // A new set of windows for the next case of a table.
    void fresh()
    {
        TearDown();
        dialogs.log.clear();
        SetUp();
    }

    // A list of texts written with the full stop, in the test's setting.
    QString decimal(const char *fullStopText) const
    {
        return QString::fromLatin1(fullStopText).replace(QLatin1Char('.'), GetParam().decimal);
    }
    std::string expected(const char *list) const { return decimal(list).toStdString(); }
    static std::string shown(const CentsList *list) { return list->lines().join(QStringLiteral(", ")).toStdString(); }

    CentsList *list(SetterSide side) const
    {
        return side == SetterSide::Input ? fifths->ListBoxCentsInput : fifths->ListBoxCentsOut;
    }
    QCheckBox *equal(SetterSide side) const
    {
        return side == SetterSide::Input ? fifths->CheckBoxEquabileInput : fifths->CheckBoxEquabileOut;
    }
    QComboBox *rounds(SetterSide side) const
    {
        return side == SetterSide::Input ? fifths->ComboBoxArrotondaInput : fifths->ComboBoxArrotondaOut;
    }
    QPushButton *calculate(SetterSide side) const
    {
        return side == SetterSide::Input ? fifths->ButtonCalcolaCentsInput : fifths->ButtonCalcolaCentsOut;
    }
    QPushButton *exportCents(SetterSide side) const
    {
        return side == SetterSide::Input ? fifths->ButtonEsportaCentsInput : fifths->ButtonEsportaCentsOut;
    }

    // Every fifth box of a side at one item, then some at another.
    void choose(SetterSide side, int item, std::initializer_list<int> others = {}, int otherItem = 0)
    {
        for (QComboBox *box : fifths->fifthBoxes(side))
            box->setCurrentIndex(item);
        for (int k : others)
            fifths->fifthBoxes(side)[k]->setCurrentIndex(otherItem);
    }

    // The note fields of the main window after it has taken the export.
    QStringList mainNoteTexts()
    {
        main->showMainWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(main));
        QStringList texts;
        for (TNumEdit *field : main->noteFields())
            texts << field->text();
        return texts;
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<CordavoWindows> windows;
    TFormTemperamento *main = nullptr;
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
    fifths->ButtonEsporta->click();
    fifths->ButtonEsportaCentsInput->click();
    fifths->ButtonEsportaCentsOut->click();
    EXPECT_EQ(dialogs.log, QStringList(3, QString::fromLatin1(kRefusal)));
    EXPECT_FALSE(main->exportPending());
    EXPECT_FALSE(windows->FormCents().isVisible());
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(windows->FormCents().positions(SetterSide::Input), before);

    // One side calculated: its own "Export Cents" works, the others still refuse.
    fifths->ButtonCalcolaCentsInput->click();
    dialogs.log.clear();
    fifths->ButtonEsporta->click();
    fifths->ButtonEsportaCentsOut->click();
    EXPECT_EQ(dialogs.log, QStringList(2, QString::fromLatin1(kRefusal)));
    EXPECT_FALSE(main->exportPending());
    fifths->ButtonEsportaCentsInput->click();
    EXPECT_EQ(dialogs.log.last(), QString::fromLatin1(kExported));
}

TEST_P(FifthsWindowTest, CalculateListsTheSidesPositions)
{
    struct Case {
        const char *name;
        SetterSide side;
        std::function<void(TFormCicloQuinte &)> set;
        const char *list;
    };
    const Case cases[] = {
        {"initial choices", SetterSide::Input, [](TFormCicloQuinte &) {}, kQuarterList},
        {"typed 4 decimals", SetterSide::Input,
         [](TFormCicloQuinte &w) { w.ComboBoxArrotondaInput->setEditText(QStringLiteral("4")); },
         "0, 76.049, 193.1569, 269.2059, 386.3137, 462.3627, 579.4706, 696.5785, 772.6275, 889.7353, 965.7843, "
         "1082.8922"},
        {"half Pythagorean comma", SetterSide::Out,
         [](TFormCicloQuinte &w) {
             for (QComboBox *box : w.fifthBoxes(SetterSide::Out))
                 box->setCurrentIndex(1);
             w.RadioButtonOutPitagorico->setChecked(true);
         },
         "0, 31.57, 180.45, 212.02, 360.9, 392.47, 541.35, 690.22, 721.8, 870.67, 902.25, 1051.12"},
        {"widened by a fifth of a comma", SetterSide::Input,
         [](TFormCicloQuinte &w) {
             for (QComboBox *box : w.fifthBoxes(SetterSide::Input))
                 box->setCurrentText(QStringLiteral("+1/5"));
         },
         "0, 143.8, 212.51, 356.31, 425.03, 568.82, 637.54, 706.26, 850.05, 918.77, 1062.56, 1131.28"},
    };
    for (const Case &c : cases) {
        fresh();
        c.set(*fifths);
        calculate(c.side)->click();
        EXPECT_EQ(shown(list(c.side)), expected(c.list)) << c.name;
        // Pressing it again renews the list rather than extending it.
        calculate(c.side)->click();
        EXPECT_EQ(list(c.side)->count(), 12) << c.name;
        EXPECT_EQ(list(c.side == SetterSide::Input ? SetterSide::Out : SetterSide::Input)->count(), 0) << c.name;
        EXPECT_TRUE(dialogs.log.isEmpty()) << c.name;
    }
}

TEST_P(FifthsWindowTest, TypedTextInAFifthBoxIsAPureFifthAndNeverBecomesAnItem)
{
    const QString pure = decimal("0, 113.69, 203.91, 317.6, 407.82, 521.51, 611.73, 701.96, 815.64, 905.87, 1019.55, "
                                 "1109.78");
    choose(SetterSide::Out, 0);
    fifths->fifthBoxes(SetterSide::Out)[3]->setEditText(QStringLiteral("1/4"));
    fifths->fifthBoxes(SetterSide::Out)[7]->setEditText(QStringLiteral("  quarter"));
    fifths->ButtonCalcolaCentsOut->click();
    EXPECT_EQ(shown(fifths->ListBoxCentsOut), pure.toStdString());

    // An item's text typed with other blanks counts as that item.
    choose(SetterSide::Input, 0);
    fifths->fifthBoxes(SetterSide::Input)[0]->setEditText(QStringLiteral("-1/4 "));
    fifths->ButtonCalcolaCentsInput->click();
    EXPECT_EQ(fifths->ListBoxCentsInput->lines().value(7), decimal("696.58"));

    // Typing and Enter leave the items as they were.
    fifths->showInFront();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fifths));
    for (QComboBox *box : {fifths->fifthBoxes(SetterSide::Input)[2], fifths->ComboBoxArrotondaOut}) {
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
        EXPECT_EQ(list(side)->lines().value(1), decimal("76.0489992635"));
        for (const char *text : bad) {
            rounds(side)->setEditText(QString::fromLatin1(text));
            calculate(side)->click();
            EXPECT_EQ(shown(list(side)), tenDecimals) << text;
        }
    }
}

TEST_P(FifthsWindowTest, EqualReplacesTheListAndHoldsItUntilCalculateAfterUnchecking)
{
    fifths->ButtonCalcolaCentsInput->click();
    fifths->CheckBoxEquabileInput->click();
    EXPECT_EQ(shown(fifths->ListBoxCentsInput), expected(kEqualList));

    // While checked, Calculate does nothing.
    choose(SetterSide::Input, 0);
    fifths->ButtonCalcolaCentsInput->click();
    EXPECT_EQ(shown(fifths->ListBoxCentsInput), expected(kEqualList));

    // Unchecking keeps the list; only Calculate renews it.
    fifths->CheckBoxEquabileInput->click();
    EXPECT_EQ(shown(fifths->ListBoxCentsInput), expected(kEqualList));
    fifths->ButtonCalcolaCentsInput->click();
    EXPECT_EQ(fifths->ListBoxCentsInput->lines().value(1), decimal("113.69"));

    // Changing the boxes, the comma or the rounding leaves a calculated list alone.
    const std::string calculated = shown(fifths->ListBoxCentsInput);
    choose(SetterSide::Input, 1);
    fifths->RadioButtonInputPitagorico->setChecked(true);
    fifths->ComboBoxArrotondaInput->setCurrentIndex(5);
    EXPECT_EQ(shown(fifths->ListBoxCentsInput), calculated);
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
             fifths->CheckBoxEquabileInput->click();
             fifths->CheckBoxEquabileOut->click();
         },
         kNoDifference},
        {"identical settings",
         [this] {
             choose(SetterSide::Input, 5, {1, 4}, 8);
             choose(SetterSide::Out, 5, {1, 4}, 8);
             fifths->ButtonCalcolaCentsInput->click();
             fifths->ButtonCalcolaCentsOut->click();
         },
         kNoDifference},
        {"pure fifths against equal",
         [this] {
             fifths->CheckBoxEquabileInput->click();
             choose(SetterSide::Out, 0);
             fifths->ButtonCalcolaCentsOut->click();
         },
         "-5.87, 7.82, -1.96, 11.73, 1.95, 15.64, 5.86, -3.91, 9.77, , 13.68, 3.91"},
        {"quarter-comma chain against equal",
         [this] {
             fifths->CheckBoxEquabileInput->click();
             choose(SetterSide::Out, 3, {kFC}, 0);
             fifths->ButtonCalcolaCentsOut->click();
         },
         "10.26, -13.69, 3.42, -20.53, -3.43, -27.38, -10.27, 6.84, -17.11, , -23.96, -6.85"},
        {"equal against the initial choices",
         [this] {
             fifths->ButtonCalcolaCentsInput->click();
             fifths->CheckBoxEquabileOut->click();
         },
         "-10.26, 13.69, -3.42, 20.53, 3.42, 27.37, 10.27, -6.84, 17.11, , 23.95, 6.84"},
    };
    for (const Case &c : cases) {
        fresh();
        windows->start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
        main->RadioButtonQuinte->setChecked(true);
        main->ButtonSetTemperamento->click();
        ASSERT_TRUE(QTest::qWaitForWindowActive(fifths));
        c.set();
        const QStringList lists = fifths->ListBoxCentsInput->lines() + fifths->ListBoxCentsOut->lines();
        dialogs.log.clear();

        fifths->ButtonEsporta->click();
        EXPECT_EQ(dialogs.log, QStringList{QString::fromLatin1(kExported)}) << c.name;
        EXPECT_TRUE(main->isVisible()) << c.name;
        EXPECT_TRUE(fifths->isVisible()) << c.name;
        EXPECT_EQ(mainNoteTexts().join(QStringLiteral(", ")).toStdString(), expected(c.noteFields)) << c.name;
        EXPECT_EQ(fifths->ListBoxCentsInput->lines() + fifths->ListBoxCentsOut->lines(), lists) << c.name;
    }
}

TEST_P(FifthsWindowTest, ExportCentsSendsOneSidesPositionsAsListed)
{
    TFormCents &cents = windows->FormCents();
    const NoteCents outBefore = cents.positions(SetterSide::Out);
    fifths->showInFront();
    fifths->CheckBoxEquabileInput->click();
    fifths->ButtonEsportaCentsInput->click();
    EXPECT_EQ(dialogs.log, QStringList{QString::fromLatin1(kExported)});
    EXPECT_TRUE(cents.isVisible());
    EXPECT_TRUE(fifths->isVisible());
    EXPECT_FALSE(main->exportPending());
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(cents.positions(SetterSide::Input)[i], 100 * i) << i;
    EXPECT_EQ(cents.positions(SetterSide::Out), outBefore);

    // The Out side goes to the Out side, positions above C and unshifted.
    fifths->RadioButtonOutPitagorico->setChecked(true);
    fifths->ButtonCalcolaCentsOut->click();
    fifths->ButtonEsportaCentsOut->click();
    const NoteCents sent = cents.positions(SetterSide::Out);
    const QStringList shownLines = fifths->ListBoxCentsOut->lines();
    ASSERT_EQ(shownLines.size(), 12);
    EXPECT_EQ(shownLines[4], decimal("384.36"));
    for (int i = 0; i < 12; ++i) {
        const auto listed = readRegional(shownLines[i], GetParam().decimal);
        ASSERT_TRUE(listed.has_value()) << i;
        EXPECT_NEAR(static_cast<double>(sent[i]), static_cast<double>(*listed), 1e-9) << i;
    }
    EXPECT_EQ(cents.positions(SetterSide::Input)[11], 1100);
}

TEST_P(FifthsWindowTest, ClosingShowsTheMainWindowAndKeepsTheLists)
{
    windows->start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    main->RadioButtonQuinte->setChecked(true);
    main->ButtonSetTemperamento->click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fifths));
    EXPECT_FALSE(main->isVisible());
    fifths->ButtonCalcolaCentsOut->click();

    fifths->close();
    EXPECT_FALSE(fifths->isVisible());
    EXPECT_TRUE(main->isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));

    main->ButtonSetTemperamento->click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fifths));
    EXPECT_EQ(shown(fifths->ListBoxCentsOut), expected(kQuarterList));
}

INSTANTIATE_TEST_SUITE_P(BothSettings, FifthsWindowTest, ::testing::Values(kCommaDecimal, kFullStopDecimal),
                         [](const auto &info) {
                             return info.param.decimal == QLatin1Char(',') ? "Comma" : "FullStop";
                         });
