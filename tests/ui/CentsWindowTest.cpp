#include "TestFiles.h"
#include "WindowTest.h"
#include "ui/widgets/NumEdit.h"
#include "ui/windows/UCents.h"
#include "ui/windows/UTemperamento.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace cordavo;

namespace {

class CentsWindowTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        cents = &windows->FormCents();
    }

    // Exports and lets the main window take the values at its activation.
    void exportAndActivate()
    {
        // The user's click on "Export" makes the setter the active window first.
        cents->showInFront();
        ASSERT_TRUE(QTest::qWaitForWindowActive(cents));
        button("ButtonEsporta")->click();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }

    QPushButton *button(const char *name) const { return control<QPushButton>(*cents, name); }
    QCheckBox *equal(SetterSide side) const
    {
        return control<QCheckBox>(*cents, side == SetterSide::Input ? "CheckBoxEquabileInput" : "CheckBoxEquabileOut");
    }
    QLineEdit *sideName(SetterSide side) const
    {
        return control<QLineEdit>(*cents, side == SetterSide::Input ? "EditNomeInput" : "EditNomeOut");
    }
    std::array<TNumEdit *, 12> fields(SetterSide side) const { return setterFields(*cents, side); }

    TFormCents *cents = nullptr;
};

} // namespace

TEST_P(CentsWindowTest, StartsWithEveryFieldAtOne)
{
    for (SetterSide side : {SetterSide::Input, SetterSide::Out}) {
        EXPECT_EQ(texts(fields(side)), QStringList(12, QStringLiteral("1")));
        EXPECT_EQ(fields(side)[0]->maxTypedLength(), 20);
    }
    EXPECT_EQ(cents->minimumSize(), QSize(714, 663));
    // The field named for G# holds the ninth position.
    control<TNumEdit>(*cents, "NumEditOut_Gd1")->setValue(800);
    EXPECT_EQ(cents->positions(SetterSide::Out)[8], 800);
}

TEST_P(CentsWindowTest, ExportHandsTheDifferencesWithAHeldFixed)
{
    ASSERT_NO_FATAL_FAILURE(openSetter("RadioButtonCents", cents));
    mainControl<TNumEdit>("NumEdit_Re")->setValue(7);
    exportAndActivate();
    EXPECT_EQ(texts(noteFields(*main)), QStringList(12, QString()));
    EXPECT_EQ(dialogs.entries(QStringLiteral("message")), QStringList{QStringLiteral("Export correctly")});
    EXPECT_TRUE(cents->isVisible()) << "the setter stays open after exporting";

    equal(SetterSide::Input)->click();
    const NoteCents newer{0, 90, 192, 294, 390, 498, 588, 696, 792, 888, 996, 1092};
    cents->setPositions(SetterSide::Out, newer);
    exportAndActivate();
    const char *expected[12] = {"12", "2", "4", "6", "2", "10", "", "8", "4", "", "8", "4"};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(noteFields(*main)[i]->text(), QLatin1String(expected[i])) << "note " << i;
}

TEST_P(CentsWindowTest, EqualWritesEqualTemperamentOnlyWhenItBecomesChecked)
{
    const QString thousand = QStringLiteral("1") + GetParam().thousands + QStringLiteral("000");
    const QString elevenHundred = QStringLiteral("1") + GetParam().thousands + QStringLiteral("100");
    equal(SetterSide::Out)->click();
    const auto &out = fields(SetterSide::Out);
    EXPECT_TRUE(out[0]->text().isEmpty());
    EXPECT_EQ(out[0]->value(), 0);
    EXPECT_EQ(out[10]->text(), thousand);
    EXPECT_EQ(out[11]->text(), elevenHundred);
    EXPECT_EQ(cents->positions(SetterSide::Out),
              (NoteCents{0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100}));
    EXPECT_EQ(texts(fields(SetterSide::Input)), QStringList(12, QStringLiteral("1")));

    out[3]->setValue(12.5);
    equal(SetterSide::Out)->click(); // unchecked: nothing changes
    EXPECT_FALSE(equal(SetterSide::Out)->isChecked());
    EXPECT_EQ(out[3]->value(), 12.5L);
    equal(SetterSide::Out)->click(); // checked again: rewritten
    EXPECT_EQ(out[3]->value(), 300);
}

TEST_P(CentsWindowTest, SaveAndLoadRoundTripOnEitherSide)
{
    const NoteCents values{0, 12.5, 203.91, -3.91, 386.31, 498, 590.22, 701.96, 792.18, 884.36, 996.09, 1088.27};
    cents->setPositions(SetterSide::Input, values);
    const QString file = dir.filePath(QStringLiteral("Just.Cts"));
    dialogs.fileAnswers = {file};
    button("ButtonSalvaInput")->click();
    EXPECT_EQ(dialogs.log.last(), QStringLiteral("information: File %1 Saved").arg(QDir::toNativeSeparators(file)));
    const QByteArray bytes = readAll(file);
    EXPECT_EQ(bytes.count("\r\n"), 13);
    EXPECT_TRUE(bytes.startsWith(local("0\r\n12.5\r\n203.91\r\n-3.91\r\n").toLatin1()));
    EXPECT_TRUE(bytes.endsWith(local("\r\n1088.27\r\n\r\n").toLatin1())) << "an empty name is an empty last line";

    // Into the other side: the Input side stays as it was.
    cents->setSideName(SetterSide::Input, QStringLiteral("kept"));
    dialogs.fileAnswers = {file};
    button("ButtonCaricaOut")->click();
    EXPECT_EQ(dialogs.log.last(), QStringLiteral("information: File %1 Loaded").arg(QDir::toNativeSeparators(file)));
    EXPECT_EQ(cents->positions(SetterSide::Out), cents->positions(SetterSide::Input));
    EXPECT_EQ(sideName(SetterSide::Out)->text(), QString());
    EXPECT_EQ(sideName(SetterSide::Input)->text(), QStringLiteral("kept"));
}

TEST_P(CentsWindowTest, FilesFromTheOtherSettingLoad)
{
    const QString file = dir.filePath(QStringLiteral("Other.Cts"));
    writeBytes(file, "0\n100,5\n200.25\n300\n400\n500\n600\n700\n800\n900\n1000\n1100\nSoci\xE0\n");
    dialogs.fileAnswers = {file};
    button("ButtonCaricaInput")->click();
    EXPECT_EQ(dialogs.entries(QStringLiteral("error")), QStringList());
    EXPECT_EQ(fields(SetterSide::Input)[1]->value(), 100.5L);
    EXPECT_EQ(fields(SetterSide::Input)[2]->value(), 200.25L);
    EXPECT_EQ(sideName(SetterSide::Input)->text(), QString::fromUtf16(u"Soci\u00E0"));
}

TEST_P(CentsWindowTest, ABadFileChangesNothing)
{
    struct Case {
        const char *name;
        QByteArray bytes;
        const char *error;
    };
    const Case cases[] = {
        {"Empty.Cts", "", "Line 1 of \"Empty.Cts\": the line is missing; the file has 0 lines of the 13 it needs"},
        {"NoName.Cts", "0\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\n",
         "Line 13 of \"NoName.Cts\": the line is missing; the file has 12 lines of the 13 it needs"},
        {"Letters.Cts", "0\r\n1\r\n2\r\nabc\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11\r\nx\r\n",
         "Line 4 of \"Letters.Cts\": \"abc\" is not a number"},
        {"Nulls.Cts", QByteArray("0\0\r\n", 4), "\"Nulls.Cts\" is not a text file: it holds NUL bytes"},
    };
    cents->setSideName(SetterSide::Input, QStringLiteral("before"));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        offerFile(c.name, c.bytes);
        button("ButtonCaricaInput")->click();
        EXPECT_EQ(dialogs.log,
                  (QStringList{QStringLiteral("open"), QStringLiteral("error: ") + QLatin1String(c.error)}));
        EXPECT_EQ(texts(fields(SetterSide::Input)), QStringList(12, QStringLiteral("1"))) << c.name;
        EXPECT_EQ(sideName(SetterSide::Input)->text(), QStringLiteral("before"));
    }
}

TEST_P(CentsWindowTest, ClosingShowsTheMainWindow)
{
    ASSERT_NO_FATAL_FAILURE(openSetter("RadioButtonCents", cents));
    EXPECT_FALSE(main->isVisible());
    cents->close();
    EXPECT_FALSE(cents->isVisible());
    EXPECT_TRUE(main->isVisible());
}

CORDAVO_BOTH_SETTINGS(CentsWindowTest);
