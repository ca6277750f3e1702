#include "TestSettings.h"
#include "ScriptedDialogs.h"
#include "ui/CordavoWindows.h"
#include "ui/NumEdit.h"
#include "ui/UAbout.h"
#include "ui/UCents.h"
#include "ui/UScale.h"
#include "ui/USetTemperament.h"
#include "ui/UTempXml.h"
#include "ui/UTemperamento.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace cordavo;

namespace {

// Each case runs under a comma and a full-stop decimal setting.
class MainWindowTest : public ::testing::TestWithParam<Separators>
{
protected:
    void SetUp() override
    {
        windows = std::make_unique<CordavoWindows>(GetParam(), dialogs);
        main = &windows->FormTemperamento();
    }

    void TearDown() override
    {
        windows.reset();
        QApplication::processEvents();
    }

    // Starts the program as the entry does and lets the first activation happen.
    void start()
    {
        windows->start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }

    void fillIdentification()
    {
        main->EditNomeFornitore->setText(QStringLiteral("Acme"));
        main->NumEdit_IdFornitore->setValue(7);
        main->NumEdit_IdTemperamento->setValue(1234);
        main->EditNomeTemperamento->setText(QStringLiteral("Werckmeister III"));
        main->EditNomeCorto->setText(QStringLiteral("W3"));
    }

    QStringList viewerLines() const { return windows->FormXml().MemoXml->toPlainText().split(QLatin1Char('\n')); }

    // The text of the PitchHz line of a MIDI note in the viewer.
    QString pitchLine(int note) const { return viewerLines().value(15 + note * 4 + 2); }

    QString decimal(const char *fullStopText) const
    {
        return QString::fromLatin1(fullStopText).replace(QLatin1Char('.'), GetParam().decimal);
    }

    ScriptedDialogs dialogs;
    std::unique_ptr<CordavoWindows> windows;
    TFormTemperamento *main = nullptr;
};

} // namespace

TEST_P(MainWindowTest, StartsWithTheAboutWindowOnceAndAFixedMainWindow)
{
    start();
    EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("modal: About Cordavo")});
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Cordavo"));
    EXPECT_EQ(main->size(), QSize(774, 574));
    EXPECT_EQ(main->minimumSize(), QSize(774, 574));
    EXPECT_EQ(main->maximumSize(), QSize(774, 574));
    EXPECT_FALSE(windows->FormXml().isVisible());
    EXPECT_FALSE(windows->FormCents().isVisible());

    // Later activations never greet again.
    main->VisualizzaXmlClick();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windows->FormXml()));
    main->showMainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    EXPECT_EQ(dialogs.log.size(), 1);

    // "About" from the menu shows it again, modally.
    main->Informazioni->trigger();
    EXPECT_EQ(dialogs.log.size(), 2);
}

TEST_P(MainWindowTest, ControlsStartWithTheirDefaults)
{
    EXPECT_EQ(main->ComboBoxTemperamentInput->count(), 101);
    EXPECT_EQ(main->ComboBoxTemperamentInput->itemText(0), QStringLiteral("  400"));
    EXPECT_EQ(main->ComboBoxTemperamentInput->itemText(100), QStringLiteral("  500"));
    EXPECT_EQ(main->ComboBoxTemperamentInput->currentText(), QStringLiteral("  440"));
    EXPECT_EQ(main->ComboBoxTemperamentOut->currentIndex(), 40);
    EXPECT_TRUE(main->RadioButtonCents->isChecked());
    EXPECT_EQ(main->ButtonSetTemperamento->text(), QStringLiteral("Set Temperamet"));
    for (TNumEdit *field : main->noteFields()) {
        EXPECT_TRUE(field->text().isEmpty());
        EXPECT_EQ(field->displayFormat(), QStringLiteral("#,###.##"));
        EXPECT_EQ(field->maxTypedLength(), 6);
    }
    EXPECT_EQ(main->findChild<TNumEdit *>(QStringLiteral("NumEdit_Si")), main->NumEdit_Si);
    EXPECT_EQ(main->NumEdit_IdTemperamento->maxTypedLength(), 20);
    EXPECT_EQ(main->NumEdit_IdFornitore->displayFormat(), QStringLiteral("#,###"));
}

TEST_P(MainWindowTest, ValidationShowsEveryFailingCheckInOrder)
{
    struct Case {
        const char *name;
        std::function<void(TFormTemperamento *)> fill;
        QStringList messages;
    };
    const Case cases[] = {
        {"all empty",
         [](TFormTemperamento *) {},
         {QStringLiteral("Supplier Name Required"), QStringLiteral("ID Supplier must be greater than zero"),
          QStringLiteral("ID Temperament must be greater than zero"), QStringLiteral("Short Name Temperament Required"),
          QStringLiteral("Temperament Name Required")}},
        {"negative supplier number",
         [this](TFormTemperamento *m) {
             fillIdentification();
             m->NumEdit_IdFornitore->setValue(-5);
         },
         {QStringLiteral("ID Supplier must be greater than zero")}},
        {"names of one blank pass",
         [this](TFormTemperamento *m) {
             fillIdentification();
             m->EditNomeTemperamento->setText(QStringLiteral(" "));
             m->EditNomeFornitore->setText(QStringLiteral(" "));
         },
         {}},
        {"supplier number 1 passes",
         [this](TFormTemperamento *m) {
             fillIdentification();
             m->NumEdit_IdFornitore->setValue(1);
         },
         {}},
    };
    for (const auto &c : cases) {
        dialogs.log.clear();
        windows = std::make_unique<CordavoWindows>(GetParam(), dialogs);
        main = &windows->FormTemperamento();
        c.fill(main);
        main->ButtonGeneraXml->click();
        EXPECT_EQ(dialogs.entries(QStringLiteral("message")), c.messages) << c.name;
        EXPECT_EQ(main->dataError(), !c.messages.isEmpty()) << c.name;
        EXPECT_EQ(main->xmlGenerated(), c.messages.isEmpty()) << c.name;
        EXPECT_EQ(windows->FormXml().isVisible(), c.messages.isEmpty()) << c.name;
    }
}

TEST_P(MainWindowTest, GeneratesTheDocumentIntoTheViewer)
{
    start();
    fillIdentification();
    main->NumEdit_Do->setValue(10);
    main->NumEdit_Mi->setValue(-13.69);
    EXPECT_EQ(main->NumEdit_IdTemperamento->text(), decimal("1,234").replace(QLatin1Char(','), GetParam().thousands));
    main->ButtonGeneraXml->click();
    EXPECT_TRUE(main->xmlGenerated());
    EXPECT_TRUE(windows->FormXml().isVisible());
    const QStringList lines = viewerLines();
    ASSERT_EQ(lines.size(), 549);
    EXPECT_EQ(lines[5], QStringLiteral("    <UniqueTemperamentID>1234</UniqueTemperamentID>"));
    EXPECT_EQ(lines[8], QStringLiteral("    <SupplierID>7</SupplierID>"));
    // Whatever the regional setting, the document's numbers carry a full stop.
    EXPECT_EQ(pitchLine(0), QStringLiteral("    <PitchHz>8.22316083694465</PitchHz>"));
    EXPECT_EQ(pitchLine(64), QStringLiteral("    <PitchHz>327.031255073476</PitchHz>"));
    EXPECT_EQ(pitchLine(69), QStringLiteral("    <PitchHz>440</PitchHz>"));

    // A second generation replaces the first.
    main->EditNomeTemperamento->setText(QStringLiteral("Bach & <Sons>"));
    main->ButtonGeneraXml->click();
    EXPECT_EQ(viewerLines().size(), 549);
    EXPECT_EQ(viewerLines()[6], QStringLiteral("    <Name>Bach &amp; &lt;Sons&gt;</Name>"));
}

TEST_P(MainWindowTest, ReferencePitchesComeFromWhatTheBoxesShow)
{
    fillIdentification();
    struct Case {
        const char *oldA;
        const char *newA;
        int note;
        const char *pitch;
    };
    const Case cases[] = {
        {"  415", "  440", 69, "465"}, {"  440", "  415", 60, "246.760476363065"},
        {"  415", "  415", 69, "440"}, {"440", "415.5", 69, "415.5"},
        {"400", "500", 69, "540"},
    };
    for (const auto &c : cases) {
        main->ComboBoxTemperamentInput->setEditText(decimal(c.oldA));
        main->ComboBoxTemperamentOut->setEditText(decimal(c.newA));
        main->ButtonGeneraXml->click();
        EXPECT_EQ(pitchLine(c.note), QStringLiteral("    <PitchHz>%1</PitchHz>").arg(QLatin1String(c.pitch)))
            << c.oldA << " -> " << c.newA;
    }
    EXPECT_TRUE(dialogs.entries(QStringLiteral("message")).isEmpty());
}

TEST_P(MainWindowTest, ABadPitchIsRefusedBeforeTheViewerIsTouched)
{
    fillIdentification();
    main->ButtonGeneraXml->click();
    const QString before = windows->FormXml().MemoXml->toPlainText();
    windows->FormXml().MemoXml->appendPlainText(QStringLiteral("my own note"));
    const QString edited = windows->FormXml().MemoXml->toPlainText();

    const char *bad[] = {"", "abc", "399", "500.5", "1e3", "-440"};
    for (const char *text : bad) {
        dialogs.log.clear();
        main->ComboBoxTemperamentOut->setEditText(QString::fromLatin1(text));
        main->ButtonGeneraXml->click();
        ASSERT_EQ(dialogs.log.size(), 1) << text;
        EXPECT_TRUE(
            dialogs.log[0].startsWith(QStringLiteral("message: New Temperament A =: \"%1\"").arg(QLatin1String(text))))
            << qPrintable(dialogs.log[0]);
        EXPECT_EQ(windows->FormXml().MemoXml->toPlainText(), edited);
    }
    EXPECT_NE(before, edited);

    // Typing a pitch and pressing Enter never adds it to the list.
    main->showMainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    main->ComboBoxTemperamentInput->setFocus();
    main->ComboBoxTemperamentInput->lineEdit()->selectAll();
    QTest::keyClicks(main->ComboBoxTemperamentInput->lineEdit(), QStringLiteral("450"));
    QTest::keyClick(main->ComboBoxTemperamentInput->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(main->ComboBoxTemperamentInput->count(), 101);
}

TEST_P(MainWindowTest, AnExportReachesTheNoteFieldsAtTheNextActivation)
{
    start();
    main->RadioButtonQuinte->setChecked(true);
    main->ButtonSetTemperamento->click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windows->FormCicloQuinte()));

    NoteCents cents{};
    cents[0] = 1.006L;
    cents[4] = -13.686L;
    cents[9] = 0;
    main->NumEdit_La->setValue(5);
    main->exportCents(cents);
    QApplication::processEvents();
    EXPECT_TRUE(main->NumEdit_Do->text().isEmpty()) << "changed while the setter was still active";
    EXPECT_TRUE(main->exportPending());

    main->showMainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    EXPECT_FALSE(main->exportPending());
    EXPECT_EQ(main->NumEdit_Do->text(), decimal("1.01"));
    EXPECT_EQ(main->NumEdit_Do->value(), 1.01L);
    EXPECT_EQ(main->NumEdit_Mi->text(), decimal("-13.69"));
    EXPECT_TRUE(main->NumEdit_La->text().isEmpty());
    EXPECT_EQ(main->NumEdit_La->value(), 0);
}

TEST_P(MainWindowTest, SetTemperametShowsExactlyTheChosenSetter)
{
    start();
    struct Case {
        QRadioButton *radio;
        QWidget *shown;
    };
    const Case cases[] = {
        {main->RadioButtonQuinte, &windows->FormCicloQuinte()},
        {main->RadioButtonScale, &windows->FormScale()},
        {main->RadioButtonCents, &windows->FormCents()},
        {main->RadioButtonQuinte, &windows->FormCicloQuinte()},
    };
    QWidget *setters[] = {&windows->FormCicloQuinte(), &windows->FormScale(), &windows->FormCents()};
    for (const auto &c : cases) {
        c.radio->setChecked(true);
        main->ButtonSetTemperamento->click();
        EXPECT_FALSE(main->isVisible());
        for (QWidget *setter : setters)
            EXPECT_EQ(setter->isVisible(), setter == c.shown) << qPrintable(setter->objectName());
        // Any setter's window can be left open while "Set Temperamet" switches.
        if (c.shown == &windows->FormScale())
            continue;
        c.shown->close();
        EXPECT_FALSE(c.shown->isVisible());
        EXPECT_TRUE(main->isVisible());
    }
}

TEST_P(MainWindowTest, SetterWindowsHaveTheirCaptionsAndSizes)
{
    EXPECT_EQ(windows->FormCents().windowTitle(), QStringLiteral("Cordavo"));
    EXPECT_EQ(windows->FormCents().minimumSize(), QSize(714, 663));
    EXPECT_EQ(windows->FormCents().maximumSize(), QSize(714, 663));
    EXPECT_EQ(windows->FormCicloQuinte().minimumSize(), QSize(828, 739));
    EXPECT_EQ(windows->FormCicloQuinte().maximumSize(), QSize(828, 739));
    EXPECT_EQ(windows->FormScale().windowTitle(), QStringLiteral("FormScale"));
    EXPECT_EQ(windows->FormScale().minimumSize(), QSize(656, 574));
    EXPECT_EQ(windows->FormScale().maximumSize(), QSize(884, 656));
    EXPECT_EQ(windows->FormXml().windowTitle(), QStringLiteral("Xml"));
    EXPECT_EQ(windows->AboutBox().size(), QSize(624, 538));
}

TEST_P(MainWindowTest, ShowXmlBeforeGeneratingShowsAnEmptyViewer)
{
    main->VisualizzaXml->trigger();
    EXPECT_TRUE(windows->FormXml().isVisible());
    EXPECT_TRUE(windows->FormXml().MemoXml->toPlainText().isEmpty());
    EXPECT_FALSE(main->xmlGenerated());
}

INSTANTIATE_TEST_SUITE_P(BothSettings, MainWindowTest, ::testing::Values(kCommaDecimal, kFullStopDecimal),
                         [](const auto &info) {
                             return info.param.decimal == QLatin1Char(',') ? "Comma" : "FullStop";
                         });
