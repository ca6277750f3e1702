#include "ui/windows/SoundMidiDialog.h"
#include "WindowTest.h"

#include "ui/windows/ListenWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include <gtest/gtest.h>

using namespace cordavo;

namespace {

// The MIDI ports a MIDI system would list.
MidiPortLists organPorts()
{
    return {[] {
                return QStringList{QStringLiteral("Great"), QStringLiteral("Swell"), QStringLiteral("Pedal")};
            },
            [] {
                return QStringList{QStringLiteral("Hauptwerk in"), QStringLiteral("Synth")};
            }};
}

class SoundMidiDialogTest : public WindowTest
{
};

} // namespace

// Choices shown are the choices given back, with every MIDI port there is;
// without a MIDI system there are no ports to choose and nothing is missing.
TEST_P(SoundMidiDialogTest, ShowsAndGivesBackTheChoices)
{
    SoundMidiDialog dialog(SoundOutput::deviceLists(), organPorts());
    SoundMidiSettings chosen;
    chosen.bufferFrames = 128;
    chosen.allMidiInputs = false;
    chosen.midiInputs = {QStringLiteral("Great"), QStringLiteral("Pedal")};
    chosen.midiChannel = 7;
    chosen.midiOutput = QStringLiteral("Synth");
    dialog.setSettings(chosen);
    EXPECT_EQ(dialog.settings(), chosen);
    EXPECT_TRUE(dialog.goneText().isEmpty());
    EXPECT_EQ(control<QListWidget>(dialog, "inputList")->count(), 3);
    EXPECT_TRUE(control<QListWidget>(dialog, "inputList")->isEnabled());
    control<QCheckBox>(dialog, "allInputsBox")->setChecked(true);
    EXPECT_FALSE(control<QListWidget>(dialog, "inputList")->isEnabled());
    EXPECT_TRUE(dialog.settings().allMidiInputs);
    EXPECT_TRUE(dialog.settings().midiInputs.isEmpty());

    SoundMidiDialog noMidi(SoundOutput::deviceLists(), {});
    noMidi.setSettings({});
    EXPECT_EQ(noMidi.settings(), SoundMidiSettings());
    EXPECT_EQ(control<QComboBox>(noMidi, "midiOutputBox")->count(), 1);
    EXPECT_TRUE(noMidi.goneText().isEmpty());
}

// Each buffer size offered shows its latency, in the regional setting's digits.
TEST_P(SoundMidiDialogTest, ShowsTheLatencyOfTheBuffer)
{
    QLocale::setDefault(QLocale(GetParam().decimal == QLatin1Char(',') ? QLocale::Italian : QLocale::English));
    SoundMidiDialog dialog(SoundOutput::deviceLists(), {});
    const struct {
        int frames;
        const char *latency;
    } cases[] = {{64, "1,3"}, {128, "2,7"}, {256, "5,3"}, {512, "10,7"}, {1024, "21,3"}, {2048, "42,7"}};
    auto *buffer = control<QComboBox>(dialog, "bufferBox");
    for (const auto &c : cases) {
        buffer->setCurrentIndex(buffer->findData(c.frames));
        EXPECT_EQ(control<QLabel>(dialog, "latencyLabel")->text(),
                  QStringLiteral("Latency: %1 ms a period at 48 kHz").arg(inSetting(c.latency, GetParam())));
    }
    QLocale::setDefault(QLocale::c());
}

// What was chosen before and is not there now is named, and the default
// chosen in its place.
TEST_P(SoundMidiDialogTest, NamesWhatHasGone)
{
    SoundMidiDialog dialog(SoundOutput::deviceLists(), organPorts());
    const QString alsa = QStringLiteral("alsa");
    const bool alsaBuilt = control<QComboBox>(dialog, "apiBox")->findData(alsa) >= 0;
    const struct {
        const char *name;
        SoundMidiSettings settings;
        QString said;
    } cases[] = {
        {"a sound system not built in",
         {QStringLiteral("coreaudio"), {}, 256, true, {}, 0, {}},
         QStringLiteral("The sound system “coreaudio” is not available; the automatic choice is used.")},
        {"a sound card unplugged",
         {alsa, QStringLiteral("USB Organ Interface"), 256, true, {}, 0, {}},
         alsaBuilt ? QStringLiteral("The sound output “USB Organ Interface” was not found; the default is used.")
                   : QStringLiteral("The sound system “alsa” is not available; the automatic choice is used.")},
        {"a MIDI keyboard unplugged",
         {{}, {}, 256, false, {QStringLiteral("Choir"), QStringLiteral("Great")}, 0, {}},
         QStringLiteral("The MIDI input “Choir” was not found.")},
        {"a MIDI output unplugged",
         {{}, {}, 256, true, {}, 0, QStringLiteral("Organ 2")},
         QStringLiteral("The MIDI output “Organ 2” was not found; none is chosen.")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        dialog.setSettings(c.settings);
        EXPECT_EQ(dialog.goneText(), c.said);
        EXPECT_FALSE(control<QLabel>(dialog, "goneLabel")->isHidden());
        const SoundMidiSettings shown = dialog.settings();
        EXPECT_TRUE(shown.audioDevice.isEmpty());
        EXPECT_TRUE(shown.midiOutput.isEmpty());
        EXPECT_FALSE(shown.midiInputs.contains(QStringLiteral("Choir")));
    }
}

// The dialog is reached from the main window's Functions menu and from the
// Listen window; accepted, its choices are kept, cancelled they are not.
TEST_P(SoundMidiDialogTest, ReachedFromTheMenuAndTheListenWindow)
{
    windows->setMidiPortLists(organPorts());
    auto chooseChannel = [](int channel, int answer) {
        return [channel, answer](QDialog &dialog) {
            auto *box = control<QComboBox>(dialog, "channelBox");
            box->setCurrentIndex(box->findData(channel));
            return answer;
        };
    };
    dialogs.modalAnswers = {chooseChannel(5, QDialog::Accepted), chooseChannel(9, QDialog::Rejected),
                            chooseChannel(12, QDialog::Accepted)};
    trigger("SuonoMidi");
    EXPECT_EQ(windows->soundMidiSettings().midiChannel, 5);
    trigger("SuonoMidi");
    EXPECT_EQ(windows->soundMidiSettings().midiChannel, 5);
    trigger("Ascolta");
    control<QPushButton>(windows->listenWindow(), "soundMidiButton")->click();
    EXPECT_EQ(windows->soundMidiSettings().midiChannel, 12);
    EXPECT_EQ(dialogs.entries(QStringLiteral("modal")), QStringList(3, QStringLiteral("Sound and MIDI")));
}

CORDAVO_BOTH_SETTINGS(SoundMidiDialogTest);
