#include "TestSettings.h"
#include "TestFiles.h"
#include "ScriptedDialogs.h"
#include "ui/CordavoWindows.h"
#include "ui/NumEdit.h"
#include "ui/UCents.h"
#include "ui/UTemperamento.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace cordavo;

namespace {

class CentsWindowTest : public ::testing::TestWithParam<Separators>
{
protected:
    void SetUp() override
    {
        windows = std::make_unique<CordavoWindows>(GetParam(), dialogs);
        main = &windows->FormTemperamento();
        cents = &windows->FormCents();
    }

    void TearDown() override
    {
        windows.reset();
        QApplication::processEvents();
    }

    // Opens the cents setter as the user does, past the About window.
    void openSetter()
    {
        windows->start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
        main->RadioButtonCents->setChecked(true);
        main->ButtonSetTemperamento->click();
        ASSERT_TRUE(QTest::qWaitForWindowActive(cents));
    }

    // Exports and lets the main window take the values at its activation.
    void exportAndActivate()
    {
        // The user's click on "Export" makes the setter the active window first.
        cents->showInFront();
        ASSERT_TRUE(QTest::qWaitForWindowActive(cents));
        cents->ButtonEsporta->click();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }

    QStringList texts(const std::array<TNumEdit *, 12> &fields) const
    {
        QStringList out;
        for (TNumEdit *field : fields)
            out << field->text();
        return out;
    }

    QString local(const char *fullStopText) const
    {
        return QString::fromLatin1(fullStopText).replace(QLatin1Char('.'), GetParam().decimal);
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<CordavoWindows> windows;
    TFormTemperamento *main = nullptr;
    TFormCents *cents = nullptr;
};

} // namespace

TEST_P(CentsWindowTest, StartsWithEveryFieldAtOne)
{
    for (SetterSide side : {SetterSide::Input, SetterSide::Out}) {
        EXPECT_EQ(texts(cents->fields(side)), QStringList(12, QStringLiteral("1")));
        EXPECT_EQ(cents->fields(side)[0]->maxTypedLength(), 20);
    }
    EXPECT_EQ(cents->findChild<TNumEdit *>(QStringLiteral("NumEditOut_Gd1")), cents->fields(SetterSide::Out)[8]);
    EXPECT_EQ(cents->minimumSize(), QSize(714, 663));
}

TEST_P(CentsWindowTest, ExportHandsTheDifferencesWithAHeldFixed)
{
    openSetter();
    main->NumEdit_Re->setValue(7);
    exportAndActivate();
    EXPECT_EQ(texts(main->noteFields()), QStringList(12, QString()));
    EXPECT_EQ(dialogs.entries(QStringLiteral("message")), QStringList{QStringLiteral("Export correctly")});
    EXPECT_TRUE(cents->isVisible()) << "the setter stays open after exporting";

    cents->CheckBoxEquabileInput->click();
    const NoteCents newer{0, 90, 192, 294, 390, 498, 588, 696, 792, 888, 996, 1092};
    cents->setPositions(SetterSide::Out, newer);
    exportAndActivate();
    const char *expected[12] = {"12", "2", "4", "6", "2", "10", "", "8", "4", "", "8", "4"};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(main->noteFields()[i]->text(), QLatin1String(expected[i])) << "note " << i;
}

TEST_P(CentsWindowTest, EqualWritesEqualTemperamentOnlyWhenItBecomesChecked)
{
    const QString thousand = QStringLiteral("1") + GetParam().thousands + QStringLiteral("000");
    const QString elevenHundred = QStringLiteral("1") + GetParam().thousands + QStringLiteral("100");
    cents->CheckBoxEquabileOut->click();
    const auto &out = cents->fields(SetterSide::Out);
    EXPECT_TRUE(out[0]->text().isEmpty());
    EXPECT_EQ(out[0]->value(), 0);
    EXPECT_EQ(out[10]->text(), thousand);
    EXPECT_EQ(out[11]->text(), elevenHundred);
    EXPECT_EQ(cents->positions(SetterSide::Out),
              (NoteCents{0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100}));
    EXPECT_EQ(texts(cents->fields(SetterSide::Input)), QStringList(12, QStringLiteral("1")));

    out[3]->setValue(12.5);
    cents->CheckBoxEquabileOut->click(); // unchecked: nothing changes
    EXPECT_FALSE(cents->CheckBoxEquabileOut->isChecked());
    EXPECT_EQ(out[3]->value(), 12.5L);
    cents->CheckBoxEquabileOut->click(); // checked again: rewritten
    EXPECT_EQ(out[3]->value(), 300);
}

TEST_P(CentsWindowTest, SaveAndLoadRoundTripOnEitherSide)
{
    const NoteCents values{0, 12.5, 203.91, -3.91, 386.31, 498, 590.22, 701.96, 792.18, 884.36, 996.09, 1088.27};
    cents->setPositions(SetterSide::Input, values);
    const QString file = dir.filePath(QStringLiteral("Just.Cts"));
    dialogs.fileAnswers = {file};
    cents->ButtonSalvaInput->click();
    EXPECT_EQ(dialogs.log.last(), QStringLiteral("information: File %1 Saved").arg(QDir::toNativeSeparators(file)));
    const QByteArray bytes = readAll(file);
    EXPECT_EQ(bytes.count("\r\n"), 13);
    EXPECT_TRUE(bytes.startsWith(local("0\r\n12.5\r\n203.91\r\n-3.91\r\n").toLatin1()));
    EXPECT_TRUE(bytes.endsWith(local("\r\n1088.27\r\n\r\n").toLatin1())) << "an empty name is an empty last line";

    // Into the other side: the Input side stays as it was.
    cents->setSideName(SetterSide::Input, QStringLiteral("kept"));
    dialogs.fileAnswers = {file};
    cents->ButtonCaricaOut->click();
    EXPECT_EQ(dialogs.log.last(), QStringLiteral("information: File %1 Loaded").arg(QDir::toNativeSeparators(file)));
    EXPECT_EQ(cents->positions(SetterSide::Out), cents->positions(SetterSide::Input));
    EXPECT_EQ(cents->EditNomeOut->text(), QString());
    EXPECT_EQ(cents->EditNomeInput->text(), QStringLiteral("kept"));
}

TEST_P(CentsWindowTest, FilesFromTheOtherSettingLoad)
{
    const QString file = dir.filePath(QStringLiteral("Other.Cts"));
    writeBytes(file, "0\n100,5\n200.25\n300\n400\n500\n600\n700\n800\n900\n1000\n1100\nSoci\xE0\n");
    dialogs.fileAnswers = {file};
    cents->ButtonCaricaInput->click();
    EXPECT_EQ(dialogs.entries(QStringLiteral("error")), QStringList());
    EXPECT_EQ(cents->fields(SetterSide::Input)[1]->value(), 100.5L);
    EXPECT_EQ(cents->fields(SetterSide::Input)[2]->value(), 200.25L);
    EXPECT_EQ(cents->EditNomeInput->text(), QString::fromUtf16(u"Soci\u00E0"));
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
        {"Nul.Cts", QByteArray("0\0\r\n", 4), "\"Nul.Cts\" is not a text file: it holds NUL bytes"},
    };
    cents->setSideName(SetterSide::Input, QStringLiteral("before"));
    for (const auto &c : cases) {
        const QString file = dir.filePath(QLatin1String(c.name));
        writeBytes(file, c.bytes);
        dialogs.log.clear();
        dialogs.fileAnswers = {file};
        cents->ButtonCaricaInput->click();
        EXPECT_EQ(dialogs.log, (QStringList{QStringLiteral("open"), QStringLiteral("error: ") + QLatin1String(c.error)}));
        EXPECT_EQ(texts(cents->fields(SetterSide::Input)), QStringList(12, QStringLiteral("1"))) << c.name;
        EXPECT_EQ(cents->EditNomeInput->text(), QStringLiteral("before"));
    }
}

TEST_P(CentsWindowTest, ClosingShowsTheMainWindow)
{
    openSetter();
    EXPECT_FALSE(main->isVisible());
    cents->close();
    EXPECT_FALSE(cents->isVisible());
    EXPECT_TRUE(main->isVisible());
}

INSTANTIATE_TEST_SUITE_P(BothSettings, CentsWindowTest, ::testing::Values(kCommaDecimal, kFullStopDecimal),
                         [](const auto &info) { return info.param.decimal == QLatin1Char(',') ? "Comma" : "FullStop"; });
