// The Listen window's sound output played into a real sound server: a
// private PulseAudio with one null sink, whose monitor is recorded.

#include "ui/desktop/SoundOutput.h"
#include "SoundTesting.h"
#include "sound/ToneSynth.h"
#include "tuning/TuningExport.h"

#include <QProcess>
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
        ASSERT_TRUE(output.start());
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
