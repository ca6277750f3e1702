// The Listen window's sound output played into real sound servers started
// by the tests: a private PulseAudio with one null sink, whose monitor is
// recorded, and a private JACK server on its dummy driver.

#include "devices/SoundOutput.h"
#include "sound/SoundTesting.h"
#include "sound/ToneSynth.h"
#include "tuning/TuningExport.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace cordavo;

// C4 E4 G4 played for two seconds arrive at the sound server at their pitches.
// The null sink takes sound in uneven bursts, so what is checked is what
// arrives, not how long it lasts.
TEST(SoundOutput, AChordArrivesAtTheSoundServerAtItsPitches)
{
    const QString parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
    if (!sharedSoundServer() || parec.isEmpty())
        GTEST_SKIP() << "pulseaudio and parec (scripts/install-deps --tests) are not installed";
    const NoJackServer noJack;

    QProcess recorder;
    recorder.start(parec,
                   {QStringLiteral("-d"), QStringLiteral("cordavo.monitor"), QStringLiteral("--rate"),
                    QStringLiteral("48000"), QStringLiteral("--channels"), QStringLiteral("1"),
                    QStringLiteral("--format"), QStringLiteral("float32le"), QStringLiteral("--latency-msec=20")});
    // The monitor sends silence as soon as the recorder is connected; a short
    // latency, since the default holds back up to two seconds of recording.
    ASSERT_TRUE(recorder.waitForReadyRead(10000));

    const KeyPitches equal = keyPitches(440, 440, {});
    const std::vector<double> chord{double(equal[60]), double(equal[64]), double(equal[67])};
    {
        ToneSynth synth(Voice::Flute);
        SoundOutput output(synth, nullptr);
        ASSERT_TRUE(output.available());
        ASSERT_TRUE(output.start()) << output.problem().detail.toStdString();
        EXPECT_EQ(output.playingApi(), QStringLiteral("pulse"));
        EXPECT_EQ(output.playingBufferFrames(), kDefaultBufferFrames);
        EXPECT_EQ(synth.sampleRate(), output.playingSampleRate());
        for (double hz : chord)
            synth.noteOn(hz);
        QTest::qWait(2000);
        synth.allNotesOff();
        QTest::qWait(200);
        output.stop();
    }
    QTest::qWait(300);
    recorder.terminate();
    recorder.waitForFinished(5000);
    const QByteArray bytes = recorder.readAllStandardOutput();
    std::vector<float> recorded(static_cast<size_t>(bytes.size()) / sizeof(float));
    std::memcpy(recorded.data(), bytes.constData(), recorded.size() * sizeof(float));

    // The sounding part, a second of it at most.
    size_t first = 0;
    while (first < recorded.size() && std::fabs(recorded[first]) < 1e-3F)
        ++first;
    std::vector<float> sounding(recorded.begin() + static_cast<std::ptrdiff_t>(first), recorded.end());
    while (!sounding.empty() && std::fabs(sounding.back()) < 1e-3F)
        sounding.pop_back();
    ASSERT_GT(sounding.size(), size_t(kSampleRate / 4)) << "of " << recorded.size() << " samples recorded";
    if (sounding.size() > size_t(kSampleRate))
        sounding.resize(kSampleRate);

    // Each fundamental is there, strong, at its pitch: a wrong sample rate
    // or format would move it by far more than a few cents, or lose it.
    // The flute's fundamental is 0.12 of full scale.
    for (double hz : chord) {
        SCOPED_TRACE(hz);
        const Spectrum spectrum(sounding);
        const double found = spectrum.peakNear(hz, 50);
        EXPECT_LT(std::fabs(1200 * std::log2(found / hz)), 3.0) << found;
        EXPECT_GT(spectrum.amplitudeAt(found), 0.03);
    }
}

namespace {

bool jackInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("jackd")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("jack_lsp")).isEmpty();
}

} // namespace

// The automatic choice takes JACK while a JACK server runs, and the
// desktop's sound server (PulseAudio, else ALSA) otherwise; Cordavo's ports
// carry its name, and the periods are the server's.
TEST(SoundOutput, TheAutomaticChoiceTakesJackWhileItRuns)
{
    if (!jackInstalled())
        GTEST_SKIP() << "jackd2 (scripts/install-deps --tests) is not installed";
    sharedSoundServer();
    const QString desktop = sharedSoundServer() ? QStringLiteral("pulse") : QStringLiteral("alsa");
    ToneSynth synth;
    SoundOutput output(synth);
    for (const int period : {256, 128}) {
        SCOPED_TRACE(period);
        PrivateJackServer jack(48000, period);
        ASSERT_TRUE(jack.running());
        EXPECT_EQ(SoundOutput::deviceLists().automaticApi(), QStringLiteral("jack"));
        ASSERT_TRUE(output.start()) << output.problem().detail.toStdString();
        EXPECT_EQ(output.playingApi(), QStringLiteral("jack"));
        EXPECT_EQ(output.playingBufferFrames(), period);
        const QStringList ours = jack.ports().filter(QRegularExpression(QStringLiteral("^Cordavo")));
        EXPECT_EQ(ours.size(), 2) << jack.ports().join(QLatin1Char(' ')).toStdString();
        const qint64 taken = output.samplesRendered();
        QTest::qWait(300);
        EXPECT_GT(output.samplesRendered(), taken + period);
        output.stop();
        EXPECT_TRUE(jack.ports().filter(QRegularExpression(QStringLiteral("^Cordavo"))).isEmpty());
    }
    // The JACK server gone, the next start takes the desktop's.
    if (sharedSoundServer()) {
        EXPECT_EQ(SoundOutput::deviceLists().automaticApi(), desktop);
        ASSERT_TRUE(output.start());
        EXPECT_EQ(output.playingApi(), desktop);
    }
}

// A JACK server that ends while Cordavo plays into it: the output says that
// its stream stopped, and names the sound system.
TEST(SoundOutput, AJackServerThatEndsWhilePlayingIsNamed)
{
    if (!jackInstalled())
        GTEST_SKIP() << "jackd2 (scripts/install-deps --tests) is not installed";
    ToneSynth synth;
    SoundOutput output(synth);
    PrivateJackServer jack;
    ASSERT_TRUE(jack.running());
    ASSERT_TRUE(output.start(SoundChoice{QStringLiteral("jack"), {}, 256}));
    QSignalSpy failed(&output, &SoundOutput::failed);
    jack.stop();
    EXPECT_TRUE(failed.wait(5000));
    EXPECT_FALSE(output.playing());
    EXPECT_EQ(output.problem().kind, SoundProblem::StreamFailed);
    EXPECT_EQ(output.problem().api, QStringLiteral("JACK"));
}

// Choices that cannot be followed fall back to what there is and play,
// saying so.
TEST(SoundOutput, ChoicesThatCannotBeFollowed)
{
    if (!sharedSoundServer())
        GTEST_SKIP() << "pulseaudio (scripts/install-deps --tests) is not installed";
    const NoJackServer noJack;
    ToneSynth synth;
    SoundOutput output(synth);
    const struct {
        const char *name;
        SoundChoice choice;
        SoundProblem::Kind notice;
        QString api;
    } fallbacks[] = {
        {"a device unplugged",
         {QStringLiteral("pulse"), QStringLiteral("USB Organ Interface"), 256},
         SoundProblem::DeviceGone,
         QStringLiteral("pulse")},
        {"JACK chosen, no server",
         {QStringLiteral("jack"), QStringLiteral("system"), 256},
         SoundProblem::ApiGone,
         QStringLiteral("pulse")},
        {"a sound system not built in",
         {QStringLiteral("asio"), {}, 128},
         SoundProblem::ApiGone,
         QStringLiteral("pulse")},
        {"the default device", {QStringLiteral("pulse"), {}, 512}, SoundProblem::None, QStringLiteral("pulse")},
    };
    for (const auto &c : fallbacks) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(output.start(c.choice)) << output.problem().detail.toStdString();
        EXPECT_EQ(output.notice().kind, c.notice);
        EXPECT_EQ(output.playingApi(), c.api);
        EXPECT_EQ(output.playingDevice(), QStringLiteral("Null Output"));
        output.stop();
    }

    // JACK at another rate than 48 kHz: the synthesizer is set to the
    // server's rate before the first period.
    if (!jackInstalled())
        return;
    PrivateJackServer jack(44100);
    ASSERT_TRUE(jack.running());
    ASSERT_TRUE(output.start(SoundChoice{QStringLiteral("jack"), {}, 256})) << output.problem().detail.toStdString();
    EXPECT_EQ(output.playingSampleRate(), 44100);
    EXPECT_EQ(synth.sampleRate(), 44100);
    output.stop();
}
