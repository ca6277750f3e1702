#include "WindowTest.h"
#include "ui/windows/UAbout.h"
#include "ui/windows/UCents.h"
#include "ui/windows/UScale.h"
#include "ui/windows/USetTemperament.h"
#include "ui/windows/UTempXml.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace cordavo;

namespace {

class MainWindowTest : public WindowTest
{
protected:
    // Starts the program as the entry does and lets the first activation happen.
    void start()
    {
        windows->start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    }

    QStringList viewerLines() const { return viewer()->toPlainText().split(QLatin1Char('\n')); }

    // The text of the PitchHz line of a MIDI note in the viewer.
    QString pitchLine(int note) const { return viewerLines().value(15 + note * 4 + 2); }

    TNumEdit *field(const char *name) const { return mainControl<TNumEdit>(name); }
    QComboBox *pitchBox(const char *name) const { return mainControl<QComboBox>(name); }
    void setTemperament() const { mainControl<QPushButton>("ButtonSetTemperamento")->click(); }
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
    trigger("Informazioni");
    EXPECT_EQ(dialogs.log.size(), 2);
}

TEST_P(MainWindowTest, ControlsStartWithTheirDefaults)
{
    QComboBox *oldA = pitchBox("ComboBoxTemperamentInput");
    EXPECT_EQ(oldA->count(), 101);
    EXPECT_EQ(oldA->itemText(0), QStringLiteral("  400"));
    EXPECT_EQ(oldA->itemText(100), QStringLiteral("  500"));
    EXPECT_EQ(oldA->currentText(), QStringLiteral("  440"));
    EXPECT_EQ(pitchBox("ComboBoxTemperamentOut")->currentIndex(), 40);
    EXPECT_TRUE(mainControl<QRadioButton>("RadioButtonCents")->isChecked());
    EXPECT_EQ(mainControl<QPushButton>("ButtonSetTemperamento")->text().remove(QLatin1Char('&')),
              QStringLiteral("Set Temperamet"));
    for (TNumEdit *note : noteFields(*main)) {
        EXPECT_TRUE(note->text().isEmpty());
        EXPECT_EQ(note->displayFormat(), QStringLiteral("#,###.##"));
        EXPECT_EQ(note->maxTypedLength(), 6);
    }
    EXPECT_EQ(field("NumEdit_IdTemperamento")->maxTypedLength(), 20);
    EXPECT_EQ(field("NumEdit_IdFornitore")->displayFormat(), QStringLiteral("#,###"));
}

TEST_P(MainWindowTest, ValidationShowsEveryFailingCheckInOrder)
{
    struct Case {
        const char *name;
        std::function<void()> fill;
        QStringList messages;
    };
    const Case cases[] = {
        {"all empty",
         [] {},
         {QStringLiteral("Supplier Name Required"), QStringLiteral("ID Supplier must be greater than zero"),
          QStringLiteral("ID Temperament must be greater than zero"), QStringLiteral("Short Name Temperament Required"),
          QStringLiteral("Temperament Name Required")}},
        {"negative supplier number",
         [this] {
             fillIdentification();
             field("NumEdit_IdFornitore")->setValue(-5);
         },
         {QStringLiteral("ID Supplier must be greater than zero")}},
        {"names of one blank pass",
         [this] {
             fillIdentification();
             mainControl<QLineEdit>("EditNomeTemperamento")->setText(QStringLiteral(" "));
             mainControl<QLineEdit>("EditNomeFornitore")->setText(QStringLiteral(" "));
         },
         {}},
        {"supplier number 1 passes",
         [this] {
             fillIdentification();
             field("NumEdit_IdFornitore")->setValue(1);
         },
         {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        fresh();
        c.fill();
        generate();
        EXPECT_EQ(dialogs.entries(QStringLiteral("message")), c.messages);
        EXPECT_EQ(main->dataError(), !c.messages.isEmpty());
        EXPECT_EQ(main->xmlGenerated(), c.messages.isEmpty());
        EXPECT_EQ(windows->FormXml().isVisible(), c.messages.isEmpty());
    }
}

TEST_P(MainWindowTest, GeneratesTheDocumentIntoTheViewer)
{
    start();
    fillIdentification();
    field("NumEdit_Do")->setValue(10);
    field("NumEdit_Mi")->setValue(-13.69);
    EXPECT_EQ(field("NumEdit_IdTemperamento")->text(), local("1,234").replace(QLatin1Char(','), GetParam().thousands));
    generate();
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
    mainControl<QLineEdit>("EditNomeTemperamento")->setText(QStringLiteral("Bach & <Sons>"));
    generate();
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
        SCOPED_TRACE(std::string(c.oldA) + " -> " + c.newA);
        pitchBox("ComboBoxTemperamentInput")->setEditText(local(c.oldA));
        pitchBox("ComboBoxTemperamentOut")->setEditText(local(c.newA));
        generate();
        EXPECT_EQ(pitchLine(c.note), QStringLiteral("    <PitchHz>%1</PitchHz>").arg(QLatin1String(c.pitch)));
    }
    EXPECT_TRUE(dialogs.entries(QStringLiteral("message")).isEmpty());
}

TEST_P(MainWindowTest, ABadPitchIsRefusedBeforeTheViewerIsTouched)
{
    fillIdentification();
    generate();
    const QString before = viewer()->toPlainText();
    viewer()->appendPlainText(QStringLiteral("my own note"));
    const QString edited = viewer()->toPlainText();

    const char *bad[] = {"", "abc", "399", "500.5", "1e3", "-440"};
    for (const char *text : bad) {
        SCOPED_TRACE(text);
        dialogs.log.clear();
        pitchBox("ComboBoxTemperamentOut")->setEditText(QString::fromLatin1(text));
        generate();
        ASSERT_EQ(dialogs.log.size(), 1);
        EXPECT_TRUE(
            dialogs.log[0].startsWith(QStringLiteral("message: New Temperament A =: \"%1\"").arg(QLatin1String(text))))
            << qPrintable(dialogs.log[0]);
        EXPECT_EQ(viewer()->toPlainText(), edited);
    }
    EXPECT_NE(before, edited);

    // Typing a pitch and pressing Enter never adds it to the list.
    main->showMainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QComboBox *oldA = pitchBox("ComboBoxTemperamentInput");
    oldA->setFocus();
    oldA->lineEdit()->selectAll();
    QTest::keyClicks(oldA->lineEdit(), QStringLiteral("450"));
    QTest::keyClick(oldA->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(oldA->count(), 101);
}

TEST_P(MainWindowTest, AnExportReachesTheNoteFieldsAtTheNextActivation)
{
    start();
    mainControl<QRadioButton>("RadioButtonQuinte")->setChecked(true);
    setTemperament();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windows->FormCicloQuinte()));

    NoteCents cents{};
    cents[0] = 1.006L;
    cents[4] = -13.686L;
    cents[9] = 0;
    field("NumEdit_La")->setValue(5);
    main->exportCents(cents);
    QApplication::processEvents();
    EXPECT_TRUE(field("NumEdit_Do")->text().isEmpty()) << "changed while the setter was still active";
    EXPECT_TRUE(main->exportPending());

    main->showMainWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    EXPECT_FALSE(main->exportPending());
    EXPECT_EQ(field("NumEdit_Do")->text(), local("1.01"));
    EXPECT_EQ(field("NumEdit_Do")->value(), 1.01L);
    EXPECT_EQ(field("NumEdit_Mi")->text(), local("-13.69"));
    EXPECT_TRUE(field("NumEdit_La")->text().isEmpty());
    EXPECT_EQ(field("NumEdit_La")->value(), 0);
}

TEST_P(MainWindowTest, SetTemperametShowsExactlyTheChosenSetter)
{
    start();
    struct Case {
        const char *radio;
        QWidget *shown;
    };
    const Case cases[] = {
        {"RadioButtonQuinte", &windows->FormCicloQuinte()},
        {"RadioButtonScale", &windows->FormScale()},
        {"RadioButtonCents", &windows->FormCents()},
        {"RadioButtonQuinte", &windows->FormCicloQuinte()},
    };
    QWidget *setters[] = {&windows->FormCicloQuinte(), &windows->FormScale(), &windows->FormCents()};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.radio);
        mainControl<QRadioButton>(c.radio)->setChecked(true);
        setTemperament();
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
    trigger("VisualizzaXml");
    EXPECT_TRUE(windows->FormXml().isVisible());
    EXPECT_TRUE(viewer()->toPlainText().isEmpty());
    EXPECT_FALSE(main->xmlGenerated());
}

CORDAVO_BOTH_SETTINGS(MainWindowTest);
