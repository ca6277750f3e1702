#include "sound/ToneSynth.h"
#include "sound/WavFile.h"
#include "tuning/PitchTable.h"
#include "tuning/TuningExport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

using namespace cordavo;

namespace {

// The Hann-windowed spectrum of samples [start, start + length) at hz.
std::complex<double> spectrumAt(const std::vector<float> &samples, int start, int length, double hz)
{
    std::complex<double> sum;
    for (int i = 0; i < length; ++i) {
        const double window = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / length);
        const double t = static_cast<double>(start + i) / kSampleRate;
        sum += window * samples[static_cast<size_t>(start + i)] * std::polar(1.0, -2 * std::numbers::pi * hz * t);
    }
    return sum;
}

// A partial's exact frequency near 'hz': how far its phase moves between
// two half-second windows half a second apart.
double measuredHz(const std::vector<float> &samples, double hz)
{
    constexpr int kLength = kSampleRate / 2;
    const double drift =
        std::arg(spectrumAt(samples, 2 * kLength, kLength, hz) / spectrumAt(samples, kLength, kLength, hz));
    return hz + drift / (2 * std::numbers::pi * 0.5);
}

double cents(double a, double b)
{
    return 1200 * std::log2(a / b);
}

} // namespace

TEST(ToneSynth, EveryNoteOfAChordSoundsAtItsPitch)
{
    // Werckmeister III deviations, C4 E4 G4 B4, A at 415 Hz.
    const NoteCents werckmeister{11.73, 1.96, 3.91, 5.87, 1.96, 9.78, 0, 7.82, 3.91, 0, 7.82, 3.91};
    const KeyPitches pitches = keyPitches(440, 415, werckmeister);
    for (Voice voice : kVoices) {
        SCOPED_TRACE(voiceName(voice).toStdString());
        std::vector<double> chord;
        for (int key : {60, 64, 67, 71})
            chord.push_back(static_cast<double>(pitches[static_cast<size_t>(key)]));
        const std::vector<float> samples = renderChord(chord, voice, 2);
        for (double hz : chord)
            EXPECT_LT(std::fabs(cents(measuredHz(samples, hz), hz)), 0.1) << hz;
    }
}

// C4 and E4 in equal temperament: the fifth partial of C against the fourth
// of E beat 10.38 times a second.
TEST(ToneSynth, AnEqualTemperedThirdBeatsAsItShould)
{
    const KeyPitches equal = keyPitches(440, 440, {});
    const std::vector<float> samples = renderChord({double(equal[60]), double(equal[64])}, Voice::Principal, 4);
    // The beat is the difference of the two partials' measured frequencies.
    const double fifthOfC = measuredHz(samples, 5 * double(equal[60]));
    const double fourthOfE = measuredHz(samples, 4 * double(equal[64]));
    EXPECT_NEAR(std::fabs(fifthOfC - fourthOfE), 10.38, 10.38 * 0.02);
}

TEST(ToneSynth, SixNotesNeverClipAndEveryNoteRampsInAndOut)
{
    const std::vector<double> six{130.81, 261.63, 329.63, 392.0, 523.25, 659.26};
    for (Voice voice : kVoices) {
        SCOPED_TRACE(voiceName(voice).toStdString());
        const std::vector<float> samples = renderChord(six, voice, 1);
        float loudest = 0;
        for (float s : samples)
            loudest = std::max(loudest, std::fabs(s));
        EXPECT_LE(loudest, 1.0F);
        EXPECT_GT(loudest, 0.3F);
        EXPECT_EQ(samples.front(), 0.0F);
        EXPECT_LT(std::fabs(samples.back()), 1e-6F);
        // Within the first millisecond the ramp has barely begun.
        for (int i = 0; i < kSampleRate / 1000; ++i)
            EXPECT_LT(std::fabs(samples[static_cast<size_t>(i)]), 0.05F) << i;
    }
}

// Moving a sounding note to another temperament's pitch keeps its wave
// whole: no step at the switch larger than the wave's own steps.
TEST(ToneSynth, SwitchingThePitchOfASoundingNoteMakesNoClick)
{
    ToneSynth synth(Voice::Reed);
    const int id = synth.noteOn(261.63);
    std::vector<float> before(kSampleRate / 2), after(kSampleRate / 2);
    synth.render(before.data(), static_cast<int>(before.size()));
    synth.setFrequency(id, 261.63 * std::pow(2.0, 13.69 / 1200));
    synth.render(after.data(), static_cast<int>(after.size()));
    float largestStep = 0;
    for (size_t i = kSampleRate / 10; i + 1 < before.size(); ++i)
        largestStep = std::max(largestStep, std::fabs(before[i + 1] - before[i]));
    EXPECT_LE(std::fabs(after.front() - before.back()), largestStep * 1.05F);
}

TEST(WavFile, HeadersOfBothFormats)
{
    const std::vector<float> samples{0, 0.5F, -1, 2};
    const QByteArray pcm = wavBytes(samples, kSampleRate, WavSamples::Pcm16);
    EXPECT_EQ(pcm.size(), 44 + 8);
    EXPECT_EQ(pcm.left(4), "RIFF");
    EXPECT_EQ(pcm.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(pcm.mid(20, 4), QByteArray::fromHex("01000100"));       // PCM, mono
    EXPECT_EQ(pcm.mid(24, 4), QByteArray::fromHex("80bb0000"));       // 48000
    EXPECT_EQ(pcm.right(8), QByteArray::fromHex("000000400180ff7f")); // held within range

    const QByteArray floats = wavBytes(samples, kSampleRate, WavSamples::Float32);
    EXPECT_EQ(floats.size(), 58 + 16);
    EXPECT_EQ(floats.mid(20, 2), QByteArray::fromHex("0300")); // IEEE float
    EXPECT_EQ(floats.mid(38, 4), "fact");
    EXPECT_EQ(floats.right(4), QByteArray::fromHex("00000040")); // 2.0 as it stands
}
