// "File → Send Tuning…" of the main window.

#include "WindowTest.h"

#include "devices/MidiPorts.h"
#include "tuning/TuningExport.h"
#include "ui/windows/SendTuningDialog.h"

#ifdef CORDAVO_JACK_TESTS
#include "JackTesting.h"
#endif

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace cordavo {
namespace {

constexpr NoteCents kWerckmeister{11.73, 1.96, 3.91, 5.87, 1.96, 9.78, 0, 7.82, 3.91, 0, 7.82, 3.91};

class SendTuningWindowTest : public WindowTest
{
protected:
    // Answers the next Send Tuning dialog with this port and form, and
    // notes what it offered.
    void answerDialog(const QString &port, int form)
    {
        dialogs.modalAnswers = {[this, port, form](QDialog &dialog) {
            auto *ports = control<QComboBox>(dialog, "MidiOutputBox");
            auto *forms = control<QComboBox>(dialog, "TuningFormBox");
            offered = {ports->currentText(), forms->currentText()};
            ports->setCurrentIndex(ports->findText(port));
            forms->setCurrentIndex(form);
            return int(QDialog::Accepted);
        }};
    }

    QStringList offered;
};

#ifdef CORDAVO_JACK_TESTS
using SendTuningOnJack = OnJack<SendTuningWindowTest>;

TEST_P(SendTuningOnJack, SendsTheExportedBytesAndRemembersTheChoice)
{
    TestJackClient instrument("instrument");
    ASSERT_TRUE(instrument.isOpen());
    QSettings settings(dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    main->rememberMidiChoiceIn(settings);
    fillIdentification();
    mainControl<QComboBox>("ComboBoxTemperamentOut")->setEditText(local("442.5"));
    for (int i = 0; i < 12; ++i)
        noteFields(*main)[i]->setValue(kWerckmeister[i]);
    const struct {
        int form;
        int exportType; // of the Export Tuning dialog
        const char *name;
    } forms[] = {{0, 2, "MIDI tuning, bulk dump"},
                 {1, 3, "MIDI tuning, single-note changes"},
                 {2, 4, "MIDI tuning, scale/octave"}};
    QByteArray all;
    for (const auto &form : forms) {
        SCOPED_TRACE(form.name);
        const QString path = dir.filePath(QStringLiteral("t%1.syx").arg(form.form));
        dialogs.typeAnswers = {form.exportType};
        dialogs.fileAnswers = {path};
        trigger("EsportaAccordatura");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray expected = file.readAll();
        all += expected;

        dialogs.log.clear();
        answerDialog(instrument.inPort(), form.form);
        trigger("InviaAccordatura");
        EXPECT_EQ(dialogs.log, QStringList({QStringLiteral("modal: Send Tuning"),
                                            QStringLiteral("information: The tuning was sent to %1 (%2).")
                                                .arg(instrument.inPort(), QLatin1String(form.name))}));
        EXPECT_EQ(instrument.received(all.size()).toHex(' ').toStdString(), all.toHex(' ').toStdString());
    }
    // The last choice comes back, in this run and the next.
    EXPECT_EQ(settings.value(QStringLiteral("midi/output")).toString(), instrument.inPort());
    answerDialog(instrument.inPort(), 0);
    trigger("InviaAccordatura");
    EXPECT_EQ(offered, QStringList({instrument.inPort(), QStringLiteral("MIDI tuning, scale/octave")}));
}

TEST_P(SendTuningOnJack, CancelSendsNothing)
{
    TestJackClient instrument("instrument");
    dialogs.modalAnswers = {[](QDialog &) { return int(QDialog::Rejected); }};
    trigger("InviaAccordatura");
    EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("modal: Send Tuning")});
    EXPECT_TRUE(instrument.received(1, 300).isEmpty());
}

CORDAVO_BOTH_SETTINGS(SendTuningOnJack);
#endif

TEST_P(SendTuningWindowTest, WithoutMidiItSaysSoAndAsksNothing)
{
    if (!midiOutputNames().isEmpty())
        GTEST_SKIP() << "this machine has MIDI outputs";
    trigger("InviaAccordatura");
    EXPECT_EQ(dialogs.log,
              QStringList{QStringLiteral(
                  "message: No MIDI output was found: connect an instrument, or start it, and try again.")});
}

CORDAVO_BOTH_SETTINGS(SendTuningWindowTest);

} // namespace
} // namespace cordavo
