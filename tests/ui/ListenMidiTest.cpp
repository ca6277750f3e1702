// The Listen window played from a MIDI keyboard.

#include "WindowTest.h"

#include "devices/MidiInput.h"
#include "sound/SoundTesting.h"
#include "ui/widgets/PianoKeyboard.h"
#include "ui/windows/ListenWindow.h"

#ifdef CORDAVO_JACK_TESTS
#include "JackTesting.h"
#endif

#include <QComboBox>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <complex>
#include <functional>
#include <numbers>
#include <set>

namespace cordavo {
namespace {

class ListenMidiTest : public WindowTest
{
protected:
    void openListen()
    {
        trigger("Ascolta");
        listen = &windows->listenWindow();
    }
    std::set<int> litKeys() const { return control<PianoKeyboard>(*listen, "keyboard")->sounding(); }

    ListenWindow *listen = nullptr;
};

// Without any MIDI system (no JACK server, no ALSA sequencer, as here and in
// a container) the window says so, and the keys still play.
TEST_P(ListenMidiTest, SaysOnceThatThereIsNoMidi)
{
    const NoJackServer noJack;
    if (QFileInfo::exists(QStringLiteral("/dev/snd/seq")))
        GTEST_SKIP() << "this machine has an ALSA sequencer";
    openListen();
    EXPECT_EQ(listen->midiProblemText(), QStringLiteral("No MIDI input was found"));
    EXPECT_FALSE(listen->midiInput().isOpen());
    listen->pressKey(60);
    EXPECT_EQ(litKeys(), std::set<int>{60});
    listen->releaseKey(60);
}

CORDAVO_BOTH_SETTINGS(ListenMidiTest);

#ifdef CORDAVO_JACK_TESTS

// The phase of samples [start, start + length) at hz, Hann-windowed.
std::complex<double> spectrumAt(const std::vector<float> &samples, size_t start, size_t length, double hz)
{
    std::complex<double> sum;
    for (size_t i = 0; i < length; ++i) {
        const double window = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / length);
        sum += window * samples[start + i] *
               std::polar(1.0, -2 * std::numbers::pi * hz * static_cast<double>(start + i) / 48000);
    }
    return sum;
}

// The pitch of the tone near 'hz' in [from, to): the median of what the phase
// moved by from each window of 2048 samples to the next. A period the dummy
// driver lost or repeated upsets only the windows around it.
double medianHz(const std::vector<float> &samples, size_t from, size_t to, double hz)
{
    constexpr size_t kWindow = 2048;
    std::vector<double> found;
    for (size_t start = from; start + 2 * kWindow <= to; start += kWindow) {
        const double moved =
            std::arg(spectrumAt(samples, start + kWindow, kWindow, hz) / spectrumAt(samples, start, kWindow, hz));
        found.push_back(hz + moved / (2 * std::numbers::pi * kWindow / 48000.0));
    }
    if (found.empty())
        return 0;
    std::nth_element(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(found.size() / 2), found.end());
    return found[found.size() / 2];
}

using ListenOnJack = OnJack<ListenMidiTest>;

// A keyboard on JACK plays Listen at the document's pitches, from the next
// period on; the pedal, velocity 0, Switch Temperament, Stop and the
// channel act as an organist expects, and the window lights the keys.
TEST_P(ListenOnJack, AKeyboardPlaysAtTheDocumentsPitchesWithinTwoPeriods)
{
    TestJackClient keyboard("keyboard");
    ASSERT_TRUE(keyboard.isOpen());
    const auto fields = noteFields(*main);
    const double meantone[12] = {10.26, -13.69, 3.42, 20.53, -3.42, 13.69, -10.26, 6.84, -17.11, 0, 17.11, -6.84};
    for (int i = 0; i < 12; ++i)
        fields[i]->setValue(meantone[i]);
    mainControl<QComboBox>("ComboBoxTemperamentOut")->setEditText(QStringLiteral("415"));
    SoundMidiSettings chosen;
    chosen.audioApi = QStringLiteral("jack");
    windows->setSoundMidiSettings(chosen);
    openListen();
    ASSERT_TRUE(listen->midiProblemText().isEmpty()) << listen->midiProblemText().toStdString();
    EXPECT_EQ(listen->midiInput().openPorts(), QStringList{keyboard.outPort()});
    // The output is open before the first key, its ports there to connect.
    QStringList outputs;
    // A busy machine takes a few seconds to open JACK clients.
    for (int wait = 0; wait < 500 && outputs.isEmpty(); ++wait) {
        QTest::qWait(20);
        outputs = keyboard.ports("^Cordavo", JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput);
    }
    ASSERT_FALSE(outputs.isEmpty()) << listen->soundProblemText().toStdString();
    ASSERT_TRUE(keyboard.connect(outputs.first(), keyboard.recordPort()));
    keyboard.startRecording();

    constexpr int kKeyUp = -1; // the step expects silence
    auto setChannel = [this, &chosen](int channel) {
        chosen.midiChannel = channel;
        windows->setSoundMidiSettings(chosen);
    };
    const struct {
        const char *step;
        std::vector<std::vector<unsigned char>> messages;
        std::function<void()> act; // in the window, before the messages are played
        int sounding;              // the key heard, or kKeyUp
        bool fromSilence;          // the key starts in silence: its latency is measured
    } steps[] = {
        {"E4 pressed", {{0x90, 64, 100}}, {}, 64, true},
        {"E4 released", {{0x80, 64, 0}}, {}, kKeyUp, false},
        {"G4 at velocity 1", {{0x90, 67, 1}}, {}, 67, true},
        {"G4's note-on at velocity 0", {{0x90, 67, 0}}, {}, kKeyUp, false},
        {"the pedal down, C4 pressed and let go", {{0xB0, 64, 127}, {0x90, 60, 90}, {0x80, 60, 0}}, {}, 60, true},
        {"the pedal up", {{0xB0, 64, 0}}, {}, kKeyUp, false},
        {"A4 pressed", {{0x90, 69, 100}}, {}, 69, true},
        {"Switch Temperament", {{0xFE}}, [this] { listen->switchTemperament(); }, 69, false},
        {"Stop, A4 still down", {{0xFE}}, [this] { listen->stopPlaying(); }, kKeyUp, false},
        {"A4 let go after Stop", {{0x80, 69, 0}}, {}, kKeyUp, false},
        {"channel 2 chosen, D4 on channel 1", {{0xFE}, {0x90, 62, 100}}, [&] { setChannel(2); }, kKeyUp, false},
        {"D4 on channel 2", {{0x91, 62, 100}}, {}, 62, true},
        {"D4 let go on channel 2", {{0x81, 62, 0}}, {}, kKeyUp, false},
    };
    std::vector<double> heardHz;
    for (const auto &s : steps) {
        if (s.act)
            s.act();
        for (const auto &message : s.messages) {
            if (message.size() == 1)
                keyboard.play({message[0]});
            else if (message.size() == 3)
                keyboard.play({message[0], message[1], message[2]});
        }
        keyboard.waitPlayed();
        QTest::qWait(400);
        SCOPED_TRACE(s.step);
        EXPECT_EQ(litKeys(), s.sounding == kKeyUp ? std::set<int>{} : std::set<int>{s.sounding});
        heardHz.push_back(s.sounding == kKeyUp ? 0 : listen->keyHz(s.sounding));
    }
    QTest::qWait(100);
    const std::vector<float> &heard = keyboard.recording();
    const std::vector<long> &stamps = keyboard.playedAtFrames();
    ASSERT_GE(stamps.size(), std::size(steps));
    // The first message of each step marks where it starts.
    size_t message = 0;
    std::vector<size_t> starts;
    for (const auto &s : steps) {
        starts.push_back(static_cast<size_t>(stamps[message]));
        message += s.messages.size();
    }
    starts.push_back(heard.size());
    constexpr size_t kPeriod = TestJackClient::kPeriodFrames;
    for (size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(steps[i].step);
        // Past two periods and the 10 ms ramp, the step has taken effect.
        const size_t from = starts[i] + 2 * kPeriod + 480, to = starts[i + 1];
        ASSERT_LT(from + 8192, to);
        if (steps[i].sounding == kKeyUp) {
            EXPECT_TRUE(std::all_of(heard.begin() + static_cast<std::ptrdiff_t>(from),
                                    heard.begin() + static_cast<std::ptrdiff_t>(to), [](float x) { return x == 0; }));
            continue;
        }
        const double hz = heardHz[i];
        EXPECT_NEAR(1200 * std::log2(medianHz(heard, from, to, hz) / hz), 0, 0.1) << hz;
        if (steps[i].fromSilence) {
            const auto first = std::find_if(heard.begin() + static_cast<std::ptrdiff_t>(starts[i]), heard.end(),
                                            [](float x) { return x != 0; });
            const auto latency = static_cast<size_t>(first - heard.begin()) - starts[i];
            EXPECT_LT(latency, 2 * kPeriod) << latency << " frames";
        }
    }
}

// A keyboard plugged in while the window is open plays too; one unplugged
// while a key is down is named, and nothing of it sounds on.
TEST_P(ListenOnJack, KeyboardsPluggedInAndOutWhilePlaying)
{
    openListen();
    EXPECT_TRUE(listen->midiInput().isOpen()); // its own input, waiting for one
    TestJackClient late("late");
    ASSERT_TRUE(late.isOpen());
    for (int wait = 0; wait < 500 && !listen->midiInput().openPorts().contains(late.outPort()); ++wait)
        QTest::qWait(20);
    late.play({0x90, 52, 100});
    late.waitPlayed();
    QTest::qWait(100);
    EXPECT_EQ(litKeys(), std::set<int>{52});
    late.close();
    for (int wait = 0; wait < 500 && listen->midiProblemText().isEmpty(); ++wait)
        QTest::qWait(20);
    EXPECT_EQ(listen->midiProblemText(), QStringLiteral("The MIDI input “late:out” is gone; its notes were released."));
    EXPECT_TRUE(litKeys().empty());
    listen->renderNext(2048);
    const std::vector<float> after = listen->renderNext(512);
    EXPECT_TRUE(std::all_of(after.begin(), after.end(), [](float x) { return x == 0; }));
}

// The keyboard plays no number: one regional setting is enough.
INSTANTIATE_TEST_SUITE_P(FullStop, ListenOnJack, ::testing::Values(kFullStopDecimal), settingParamName);

#endif

} // namespace
} // namespace cordavo
