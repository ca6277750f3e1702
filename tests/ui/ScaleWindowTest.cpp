#include "TestFiles.h"
#include "WindowTest.h"
#include "ui/widgets/CentsList.h"
#include "ui/widgets/NumEdit.h"
#include "ui/windows/UCents.h"
#include "ui/windows/UScale.h"
#include "ui/windows/UTemperamento.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace cordavo;

namespace {

// The default Input side saved under the comma setting.
const QByteArray kEqualFile = "1\r\n178171,54\r\n31745,1\r\n56560,73\r\n100775,12\r\n179552,57\r\n319911,58\r\n"
                              "569991,39\r\n101556,24\r\n180944,32\r\n322391,27\r\n574409,49\r\n"
                              "1\r\n168171,54\r\n28281,67\r\n47561,71\r\n79985,26\r\n134512,45\r\n226211,65\r\n"
                              "380423,61\r\n63976,42\r\n107590,13\r\n180935,98\r\n304282,83\r\nEqual Temperament\r\n";

// What a field holds after the default fractions were written into it.
const long double kHeldFirst[12] = {1,          178171.54L, 31745.10L,  56560.73L,  100775.12L, 179552.57L,
                                    319911.58L, 569991.39L, 101556.24L, 180944.32L, 322391.27L, 574409.49L};
const long double kHeldSecond[12] = {1,          168171.54L, 28281.67L, 47561.71L,  79985.26L,  134512.45L,
                                     226211.65L, 380423.61L, 63976.42L, 107590.13L, 180935.98L, 304282.83L};

QStringList equalLines()
{
    return {"0", "100", "200", "300", "400", "500", "600", "700", "800", "900", "1000", "1100"};
}

class ScaleWindowTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        scale = &windows->FormScale();
        cents = &windows->FormCents();
    }

    QStringList decimals(std::initializer_list<const char *> texts) const
    {
        QStringList out;
        for (const char *text : texts)
            out << local(text);
        return out;
    }
    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }
    QString saved(const QString &file) const
    {
        return QStringLiteral("information: File ") + QDir::toNativeSeparators(file) + QStringLiteral(" Saved");
    }
    QString loaded(const QString &file) const
    {
        return QStringLiteral("information: File ") + QDir::toNativeSeparators(file) + QStringLiteral(" Loaded");
    }

    // A control of the intervals setter, by name.
    template <typename T> T *scaleControl(const char *name) const { return control<T>(*scale, name); }
    QPushButton *button(const char *name) const { return scaleControl<QPushButton>(name); }
    CentsList *list(SetterSide side) const
    {
        return scaleControl<CentsList>(side == SetterSide::Input ? "ListBoxCentsInput" : "ListBoxCentsOut");
    }
    QComboBox *rounds(SetterSide side) const
    {
        return scaleControl<QComboBox>(side == SetterSide::Input ? "ComboBoxArrotondaInput" : "ComboBoxArrotondaOut");
    }
    QLineEdit *sideName(SetterSide side) const
    {
        return scaleControl<QLineEdit>(side == SetterSide::Input ? "EditNomeInput" : "EditNomeOut");
    }
    QCheckBox *equal(SetterSide side) const
    {
        return scaleControl<QCheckBox>(side == SetterSide::Input ? "CheckBoxEquabileInput" : "CheckBoxEquabileOut");
    }
    // A side's first terms (numerators) and second terms, C to B.
    std::array<TNumEdit *, 12> firstTerms(SetterSide side) const { return setterFields(*scale, side, 1); }
    std::array<TNumEdit *, 12> secondTerms(SetterSide side) const { return setterFields(*scale, side, 2); }
    void calculate(SetterSide side, int decimalsItem)
    {
        rounds(side)->setCurrentIndex(decimalsItem);
        button(side == SetterSide::Input ? "ButtonCalcolaCentsInput" : "ButtonCalcolaCentsOut")->click();
    }
    void setFraction(SetterSide side, int note, long double first, long double second)
    {
        firstTerms(side)[note]->setValue(first);
        secondTerms(side)[note]->setValue(second);
    }
    // The setter in front, as the user has it when pressing a button.
    void showScale()
    {
        scale->showInFront();
        ASSERT_TRUE(QTest::qWaitForWindowActive(scale));
    }
    // The main window's note fields once it has become active after an export.
    NoteCents receivedByMainWindow()
    {
        EXPECT_TRUE(QTest::qWaitForWindowActive(main));
        NoteCents values{};
        for (int i = 0; i < 12; ++i)
            values[i] = noteFields(*main)[i]->value();
        return values;
    }
    void expectOutSideUntouched()
    {
        for (int i = 0; i < 12; ++i) {
            EXPECT_EQ(firstTerms(SetterSide::Out)[i]->value(), 1) << "note " << i;
            EXPECT_EQ(secondTerms(SetterSide::Out)[i]->value(), 1) << "note " << i;
        }
        EXPECT_EQ(sideName(SetterSide::Out)->text(), QStringLiteral("Keep"));
    }

    TFormScale *scale = nullptr;
    TFormCents *cents = nullptr;
};

} // namespace

TEST_P(ScaleWindowTest, StartsWithEqualFractionsOnTheLeftAndOnesOnTheRight)
{
    // Grouped thousands read back whatever the decimal separator.
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(firstTerms(SetterSide::Input)[i]->value(), kHeldFirst[i]) << "note " << i;
        EXPECT_EQ(secondTerms(SetterSide::Input)[i]->value(), kHeldSecond[i]) << "note " << i;
        EXPECT_EQ(firstTerms(SetterSide::Out)[i]->text(), QStringLiteral("1"));
        EXPECT_EQ(secondTerms(SetterSide::Out)[i]->text(), QStringLiteral("1"));
    }
    EXPECT_EQ(firstTerms(SetterSide::Input)[1]->text(),
              GetParam() == kCommaDecimal ? QStringLiteral("178.171,54") : QStringLiteral("178,171.54"));
    EXPECT_EQ(sideName(SetterSide::Input)->text(), QStringLiteral("Equal Temperament"));
    EXPECT_TRUE(sideName(SetterSide::Out)->text().isEmpty());
    EXPECT_EQ(list(SetterSide::Input)->count(), 0);
    EXPECT_EQ(list(SetterSide::Out)->count(), 0);
    EXPECT_EQ(rounds(SetterSide::Out)->currentText(), QStringLiteral("   2"));
    EXPECT_EQ(rounds(SetterSide::Out)->itemText(10), QStringLiteral(" 10"));

    struct Case {
        QSize asked, got;
    };
    const Case sizes[] = {
        {{1000, 1000}, {884, 656}}, {{100, 100}, {656, 574}}, {{700, 600}, {700, 600}}, {{884, 574}, {884, 574}}};
    for (const Case &c : sizes) {
        SCOPED_TRACE(testing::Message() << c.asked.width() << "x" << c.asked.height());
        scale->resize(c.asked);
        EXPECT_EQ(scale->size(), c.got) << c.asked.width() << "x" << c.asked.height();
    }

    // The field named for G#'s second term divides the ninth note.
    control<TNumEdit>(*scale, "NumEditOut_Gd2")->setValue(2);
    calculate(SetterSide::Out, 0);
    EXPECT_EQ(list(SetterSide::Out)->lines().value(8), QStringLiteral("-1200"));
}

TEST_P(ScaleWindowTest, DefaultFractionsCalculateToEqualTemperament)
{
    for (int n = 0; n <= 3; ++n) {
        calculate(SetterSide::Input, n);
        EXPECT_EQ(list(SetterSide::Input)->lines(), equalLines()) << "N = " << n;
    }
    calculate(SetterSide::Input, 4);
    EXPECT_EQ(list(SetterSide::Input)->lines(), decimals({"0", "100", "199.9999", "300.0002", "400.0001", "499.9999",
                                                          "600", "700", "800.0001", "900.0001", "1000", "1100"}));
    EXPECT_TRUE(scale->calculated(SetterSide::Input));
    EXPECT_FALSE(scale->calculated(SetterSide::Out));
    EXPECT_EQ(list(SetterSide::Out)->count(), 0);
}

TEST_P(ScaleWindowTest, CalculateCleansTheTermsAndRoundsEachFraction)
{
    setFraction(SetterSide::Out, 1, 0, -4);  // an empty field counts as 1: 1/4
    setFraction(SetterSide::Out, 4, -8, 9);  // 8/9
    setFraction(SetterSide::Out, 7, 3, 2);   // pure fifth
    setFraction(SetterSide::Out, 9, 81, 80); // syntonic comma
    setFraction(SetterSide::Out, 11, 1, 2);  // octave below
    EXPECT_TRUE(firstTerms(SetterSide::Out)[1]->text().isEmpty());

    struct Case {
        int n;
        QStringList lines;
    };
    const Case cases[] = {
        {0, decimals({"0", "-2400", "0", "0", "-204", "0", "0", "702", "0", "22", "0", "-1200"})},
        {1, decimals({"0", "-2400", "0", "0", "-203.9", "0", "0", "702", "0", "21.5", "0", "-1200"})},
        {2, decimals({"0", "-2400", "0", "0", "-203.91", "0", "0", "701.96", "0", "21.51", "0", "-1200"})},
        {10, decimals({"0", "-2400", "0", "0", "-203.9100017308", "0", "0", "701.9550008654", "0", "21.5062895967", "0",
                       "-1200"})},
        {2, decimals({"0", "-2400", "0", "0", "-203.91", "0", "0", "701.96", "0", "21.51", "0", "-1200"})},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "N = " << c.n);
        calculate(SetterSide::Out, c.n);
        EXPECT_EQ(list(SetterSide::Out)->lines(), c.lines) << "N = " << c.n;
    }
    EXPECT_EQ(firstTerms(SetterSide::Out)[1]->text(), QStringLiteral("1"));
    EXPECT_EQ(secondTerms(SetterSide::Out)[1]->text(), QStringLiteral("4"));
    EXPECT_EQ(firstTerms(SetterSide::Out)[4]->text(), QStringLiteral("8"));
    EXPECT_TRUE(dialogs.log.isEmpty()) << qPrintable(dialogs.log.join(QLatin1Char('\n')));
}

TEST_P(ScaleWindowTest, EqualPresetHoldsUntilUncheckedAndCalculated)
{
    equal(SetterSide::Out)->click();
    EXPECT_EQ(list(SetterSide::Out)->lines(), equalLines());
    EXPECT_TRUE(scale->calculated(SetterSide::Out));
    EXPECT_EQ(firstTerms(SetterSide::Out)[0]->text(), QStringLiteral("1")) << "the preset leaves the fields";

    setFraction(SetterSide::Out, 7, 3, 2);
    calculate(SetterSide::Out, 2);
    EXPECT_EQ(list(SetterSide::Out)->lines(), equalLines()) << "Calculate does nothing while Equal is checked";

    equal(SetterSide::Out)->click();
    EXPECT_EQ(list(SetterSide::Out)->lines(), equalLines()) << "unchecking keeps the preset";
    EXPECT_TRUE(scale->calculated(SetterSide::Out));

    calculate(SetterSide::Out, 2);
    EXPECT_EQ(list(SetterSide::Out)->lines(),
              decimals({"0", "0", "0", "0", "0", "0", "0", "701.96", "0", "0", "0", "0"}));
    EXPECT_EQ(list(SetterSide::Input)->count(), 0);
}

TEST_P(ScaleWindowTest, RoundsBoxTakesATypedWholeNumberAndRefusesOtherText)
{
    showScale();
    QComboBox *rounds = this->rounds(SetterSide::Input);
    const auto type = [&](const QString &text) {
        rounds->setFocus();
        rounds->lineEdit()->selectAll();
        QTest::keyClicks(rounds->lineEdit(), text);
        QTest::keyClick(rounds->lineEdit(), Qt::Key_Return);
    };

    // Refused before any calculation: the side stays uncalculated.
    type(QStringLiteral("abc"));
    button("ButtonCalcolaCentsInput")->click();
    EXPECT_EQ(dialogs.entries(QStringLiteral("message")),
              QStringList{QStringLiteral("Original Temperament Rounds: \"abc\" is not a whole number of decimals "
                                         "from 0 to 10")});
    EXPECT_FALSE(scale->calculated(SetterSide::Input));
    EXPECT_EQ(list(SetterSide::Input)->count(), 0);

    type(QStringLiteral("4"));
    button("ButtonCalcolaCentsInput")->click();
    EXPECT_EQ(list(SetterSide::Input)->item(2)->text(), local("199.9999"));
    EXPECT_EQ(rounds->count(), 11) << "typing never adds an item";

    const QStringList before = list(SetterSide::Input)->lines();
    for (const char *text : {"11", "-1", "2.5", "2,5", "", "1 0", "+3"}) {
        dialogs.log.clear();
        rounds->setEditText(QString::fromLatin1(text));
        button("ButtonCalcolaCentsInput")->click();
        EXPECT_EQ(dialogs.entries(QStringLiteral("message")).size(), 1) << '"' << text << '"';
        EXPECT_EQ(list(SetterSide::Input)->lines(), before) << '"' << text << '"';
        EXPECT_TRUE(scale->calculated(SetterSide::Input));
    }
    dialogs.log.clear();
    rounds->setEditText(QStringLiteral(" 10 "));
    button("ButtonCalcolaCentsInput")->click();
    EXPECT_TRUE(dialogs.log.isEmpty());
    EXPECT_EQ(list(SetterSide::Input)->item(2)->text(), local("199.9999324955"));
    EXPECT_EQ(rounds->count(), 11);
}

TEST_P(ScaleWindowTest, ExportSendsNewMinusOldShiftedToA)
{
    // Refused until both sides are calculated or preset.
    scale->ButtonEsportaClick();
    equal(SetterSide::Input)->click();
    scale->ButtonEsportaClick();
    EXPECT_EQ(dialogs.entries(QStringLiteral("message")),
              QStringList({QStringLiteral("Exporting is not possible! Calculations are required before"),
                           QStringLiteral("Exporting is not possible! Calculations are required before")}));
    EXPECT_FALSE(main->exportPending());
    EXPECT_FALSE(main->isVisible());

    // Equal against every term 1.
    showScale();
    calculate(SetterSide::Out, 2);
    dialogs.log.clear();
    scale->ButtonEsportaClick();
    EXPECT_EQ(dialogs.entries(QStringLiteral("message")), QStringList{QStringLiteral("Export correctly")});
    const NoteCents expected = {900, 800, 700, 600, 500, 400, 300, 200, 100, 0, -100, -200};
    EXPECT_EQ(receivedByMainWindow(), expected);
    EXPECT_TRUE(scale->isVisible()) << "the setter stays open behind the main window";

    // Equal on both sides.
    showScale();
    equal(SetterSide::Out)->click();
    scale->ButtonEsportaClick();
    EXPECT_EQ(receivedByMainWindow(), NoteCents{});
}

TEST_P(ScaleWindowTest, ExportOfAPureFifthMovesOnlyG)
{
    showScale();
    calculate(SetterSide::Input, 2);
    dialogs.fileAnswers = {path("Equal.Tfs"), path("Equal.Tfs")};
    button("ButtonSalvaInput")->click();
    button("ButtonCaricaOut")->click();
    setFraction(SetterSide::Out, 7, 3, 2);
    calculate(SetterSide::Out, 2);
    EXPECT_EQ(list(SetterSide::Out)->item(7)->text(), local("701.96"));

    scale->ButtonEsportaClick();
    NoteCents expected{};
    expected[7] = 1.96L;
    EXPECT_EQ(receivedByMainWindow(), expected);
    EXPECT_EQ(mainControl<TNumEdit>("NumEdit_Sol")->text(), local("1.96"));
}

TEST_P(ScaleWindowTest, ExportCentsSendsOneSideAndItsName)
{
    showScale();
    scale->ButtonEsportaCentsOutClick();
    EXPECT_EQ(dialogs.entries(QStringLiteral("message")),
              QStringList{QStringLiteral("Exporting is not possible! Calculations are required before")});
    EXPECT_EQ(cents->positions(SetterSide::Out), (NoteCents{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_FALSE(cents->isVisible());

    dialogs.log.clear();
    equal(SetterSide::Input)->click();
    button("ButtonEsportaCentsInput")->click();
    EXPECT_EQ(dialogs.entries(QStringLiteral("message")), QStringList{QStringLiteral("Export correctly")});
    EXPECT_EQ(cents->positions(SetterSide::Input),
              (NoteCents{0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100}));
    EXPECT_EQ(control<QLineEdit>(*cents, "EditNomeInput")->text(), QStringLiteral("Equal Temperament"));
    EXPECT_EQ(cents->positions(SetterSide::Out), (NoteCents{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_TRUE(QTest::qWaitForWindowActive(cents));
    EXPECT_TRUE(scale->isVisible());

    // The rounded texts are what is sent, not the exact cents.
    sideName(SetterSide::Out)->setText(QStringLiteral("Pure fifth"));
    setFraction(SetterSide::Out, 7, 3, 2);
    calculate(SetterSide::Out, 1);
    button("ButtonEsportaCentsOut")->click();
    NoteCents expected{};
    expected[7] = 702;
    EXPECT_EQ(cents->positions(SetterSide::Out), expected);
    EXPECT_EQ(control<QLineEdit>(*cents, "EditNomeOut")->text(), QStringLiteral("Pure fifth"));
    EXPECT_EQ(control<QLineEdit>(*cents, "EditNomeInput")->text(), QStringLiteral("Equal Temperament"));
}

TEST_P(ScaleWindowTest, SavedFileHasTwentyFiveLinesAndLoadsIntoTheOtherSide)
{
    const QString file = path("Equal.Tfs");
    dialogs.fileAnswers = {file};
    button("ButtonSalvaInput")->click();
    EXPECT_EQ(dialogs.lastQuestion.fileName, QStringLiteral("File1"));
    EXPECT_EQ(dialogs.lastQuestion.defaultSuffix, QStringLiteral("Tfs"));
    ASSERT_EQ(dialogs.lastQuestion.filters.size(), 1);
    EXPECT_TRUE(dialogs.lastQuestion.filters[0].contains(QStringLiteral("*.Tfs")));
    QByteArray expected = kEqualFile;
    expected.replace(',', GetParam().decimal.toLatin1());
    EXPECT_EQ(readAll(file), expected);

    equal(SetterSide::Out)->click();
    dialogs.fileAnswers = {file};
    button("ButtonCaricaOut")->click();
    EXPECT_EQ(dialogs.log, QStringList({QStringLiteral("save"), saved(file), QStringLiteral("open"), loaded(file)}));
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(firstTerms(SetterSide::Out)[i]->text(), firstTerms(SetterSide::Input)[i]->text());
        EXPECT_EQ(secondTerms(SetterSide::Out)[i]->value(), kHeldSecond[i]);
    }
    EXPECT_EQ(sideName(SetterSide::Out)->text(), QStringLiteral("Equal Temperament"));
    EXPECT_EQ(list(SetterSide::Out)->lines(), equalLines()) << "loading leaves the list";
}

TEST_P(ScaleWindowTest, CommaFileReadsInEitherSettingAndSavesUnchanged)
{
    const QString file = path("Comma.Tfs");
    writeBytes(file, kEqualFile);
    dialogs.fileAnswers = {file, path("Again.Tfs")};
    button("ButtonCaricaOut")->click();
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(firstTerms(SetterSide::Out)[i]->value(), kHeldFirst[i]) << "note " << i;
        EXPECT_EQ(secondTerms(SetterSide::Out)[i]->value(), kHeldSecond[i]) << "note " << i;
    }
    button("ButtonSalvaOut")->click();
    QByteArray expected = kEqualFile;
    expected.replace(',', GetParam().decimal.toLatin1());
    EXPECT_EQ(readAll(path("Again.Tfs")), expected);

    // Saving keeps terms as they stand: 0 stays 0, a negative term keeps its sign.
    setFraction(SetterSide::Out, 0, 0, -2.5L);
    sideName(SetterSide::Out)->clear();
    dialogs.fileAnswers = {path("Raw.Tfs")};
    button("ButtonSalvaOut")->click();
    const QList<QByteArray> lines = readAll(path("Raw.Tfs")).split('\n');
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines[0], "0\r");
    EXPECT_EQ(lines[12], local("-2.5\r").toLatin1());
    EXPECT_EQ(lines[13], local("168171.54\r").toLatin1());
    EXPECT_EQ(lines[24], "\r") << "an empty name is an empty last line";
}

TEST_P(ScaleWindowTest, BadFilesChangeNothing)
{
    QByteArray terms;
    for (int i = 0; i < 24; ++i)
        terms += "2\r\n";
    QByteArray badLine8 = terms + "Name\r\n";
    badLine8.replace(7 * 3, 1, "x");
    QByteArray nulBytes = terms + "Na\0me\r\n";
    nulBytes.insert(10, '\0');

    struct Case {
        const char *name;
        QByteArray bytes;
        const char *message;
    };
    const Case cases[] = {
        {"empty.Tfs", "", "Line 1 of \"empty.Tfs\": the line is missing; the file has 0 lines of the 25 it needs"},
        {"one.Tfs", "2", "Line 2 of \"one.Tfs\": the line is missing; the file has 1 line of the 25 it needs"},
        {"noname.Tfs", terms,
         "Line 25 of \"noname.Tfs\": the line is missing; the file has 24 lines of the 25 it needs"},
        {"letter.Tfs", badLine8, "Line 8 of \"letter.Tfs\": \"x\" is not a number"},
        {"nulls.Tfs", nulBytes, "\"nulls.Tfs\" is not a text file: it holds NUL bytes"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        sideName(SetterSide::Out)->setText(QStringLiteral("Keep"));
        offerFile(c.name, c.bytes);
        button("ButtonCaricaOut")->click();
        EXPECT_EQ(dialogs.log, QStringList({QStringLiteral("open"), QStringLiteral("error: ") + c.message})) << c.name;
        expectOutSideUntouched();
    }

    // Cancelled dialogs end silently.
    dialogs.log.clear();
    dialogs.fileAnswers = {std::nullopt, std::nullopt};
    button("ButtonCaricaOut")->click();
    button("ButtonSalvaOut")->click();
    EXPECT_EQ(dialogs.log, QStringList({QStringLiteral("open"), QStringLiteral("save")}));
    expectOutSideUntouched();

    // A save onto a folder fails with one message and no "Saved".
    dialogs.log.clear();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Folder.Tfs")));
    dialogs.fileAnswers = {path("Folder.Tfs")};
    button("ButtonSalvaOut")->click();
    ASSERT_EQ(dialogs.log.size(), 2);
    EXPECT_TRUE(dialogs.log[1].startsWith(QStringLiteral("error: "))) << qPrintable(dialogs.log[1]);
    EXPECT_TRUE(QFileInfo(path("Folder.Tfs")).isDir());
}

TEST_P(ScaleWindowTest, FilesFromOtherSystemsLoad)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        QString sideName;
    };
    QByteArray lf, cr;
    for (int i = 0; i < 24; ++i) {
        lf += "1.5\n";
        cr += "1,5\r";
    }
    const Case cases[] = {
        {"lf.Tfs", lf + "Pythagorean\nextra line\n", QStringLiteral("Pythagorean")},
        {"cr.Tfs", cr + "Mean-tone", QStringLiteral("Mean-tone")},
        {"latin.Tfs", lf + "M\xe9sotonique \x96 1/4\r\n", QStringLiteral("Mésotonique – 1/4")},
        {"empty-name.Tfs", lf + "\r\n", QString()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        sideName(SetterSide::Input)->setText(QStringLiteral("old"));
        offerFile(c.name, c.bytes);
        button("ButtonCaricaInput")->click();
        EXPECT_EQ(dialogs.log, QStringList({QStringLiteral("open"), loaded(path(c.name))})) << c.name;
        EXPECT_EQ(sideName(SetterSide::Input)->text(), c.sideName) << c.name;
        EXPECT_EQ(firstTerms(SetterSide::Input)[11]->value(), 1.5L) << c.name;
        EXPECT_EQ(secondTerms(SetterSide::Input)[0]->text(), local("1.5")) << c.name;
    }
}

TEST_P(ScaleWindowTest, ClosingBringsTheMainWindowBack)
{
    showScale();
    EXPECT_FALSE(main->isVisible());
    scale->close();
    EXPECT_FALSE(scale->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(main));
}

CORDAVO_BOTH_SETTINGS(ScaleWindowTest);
