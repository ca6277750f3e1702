#include "sound/ToneSynth.h"
#include "sound/WavFile.h"
#include "tuning/PitchTable.h"
#include "tuning/TuningExport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <complex>
#include <functional>
#include <numbers>
#include <thread>

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

// The amplitude envelope of the signal's content near 'hz', sampled 1000
// times a second: the signal is shifted down by hz (complex demodulation),
// low-passed by three 20 ms moving averages (zeros at every multiple of
// 50 Hz, 1/4000 or less from 250 Hz on, where the nearest other partials lie)
// and taken in magnitude. The first and last 100 ms, where the filter and
// the note's ramps settle, are left out.
std::vector<double> envelopeNear(const std::vector<float> &samples, double hz)
{
    std::vector<std::complex<double>> shifted(samples.size());
    for (size_t i = 0; i < samples.size(); ++i)
        shifted[i] = double(samples[i]) * std::polar(1.0, -2 * std::numbers::pi * hz * double(i) / kSampleRate);
    constexpr int kBox = kSampleRate / 50;
    for (int pass = 0; pass < 3; ++pass) {
        std::vector<std::complex<double>> averaged(shifted.size());
        std::complex<double> sum;
        for (size_t i = 0; i < shifted.size(); ++i) {
            sum += shifted[i];
            if (i >= kBox)
                sum -= shifted[i - kBox];
            averaged[i] = sum / double(kBox);
        }
        shifted = std::move(averaged);
    }
    std::vector<double> envelope;
    for (size_t i = kSampleRate / 10; i + kSampleRate / 10 < shifted.size(); i += kSampleRate / 1000)
        envelope.push_back(std::abs(shifted[i]));
    return envelope;
}

// The envelope's strongest frequency between 'low' and 'high' Hz: the peak of
// its Hann-windowed spectrum, its mean taken out, searched in 1 mHz steps.
double dominantHz(const std::vector<double> &envelope, double low, double high)
{
    double mean = 0;
    for (double e : envelope)
        mean += e;
    mean /= double(envelope.size());
    double best = low, bestPower = -1;
    for (double hz = low; hz <= high; hz += 0.001) {
        std::complex<double> sum;
        const std::complex<double> turn = std::polar(1.0, -2 * std::numbers::pi * hz / 1000);
        std::complex<double> rotor = 1;
        for (size_t i = 0; i < envelope.size(); ++i) {
            const double window = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / double(envelope.size()));
            sum += window * (envelope[i] - mean) * rotor;
            rotor *= turn;
        }
        if (std::norm(sum) > bestPower) {
            bestPower = std::norm(sum);
            best = hz;
        }
    }
    return best;
}

// (largest - smallest) / (largest + smallest): 1 for a beat that goes
// silent, 0 for a steady tone.
double modulationDepth(const std::vector<double> &envelope)
{
    const auto [smallest, largest] = std::minmax_element(envelope.begin(), envelope.end());
    return (*largest - *smallest) / (*largest + *smallest);
}

// The largest step between neighbouring samples of [from, to).
float largestStep(const std::vector<float> &samples, size_t from, size_t to)
{
    float largest = 0;
    for (size_t i = from; i + 1 < to; ++i)
        largest = std::max(largest, std::fabs(samples[i + 1] - samples[i]));
    return largest;
}

std::vector<float> render(ToneSynth &synth, double seconds)
{
    std::vector<float> samples(static_cast<size_t>(std::lround(seconds * kSampleRate)));
    synth.render(samples.data(), static_cast<int>(samples.size()));
    return samples;
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

// However many notes sound, their sum stays within full scale: the thirteen
// letter keys held in the flute (whose peaks meet within three seconds),
// struck together or one after another (each added during the others'
// attacks), and a thousand notes on four pitches in phase.
TEST(ToneSynth, ManyNotesNeverClip)
{
    std::vector<double> letterKeys, thousand;
    for (int i = 0; i < 13; ++i)
        letterKeys.push_back(261.63 * std::pow(2.0, i / 12.0));
    for (int i = 0; i < 1000; ++i)
        thousand.push_back(130.81 * (1 + i % 4));
    const struct {
        const std::vector<double> *hz;
        Voice voice;
        int millisecondsApart;
        double seconds;
    } cases[] = {
        {&letterKeys, Voice::Flute, 0, 3}, {&letterKeys, Voice::Flute, 3, 3}, {&thousand, Voice::Reed, 0, 0.1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.hz->size() << " notes " << c.millisecondsApart << " ms apart");
        ToneSynth synth(c.voice);
        std::vector<float> samples;
        for (double hz : *c.hz) {
            synth.noteOn(hz);
            const std::vector<float> block = render(synth, c.millisecondsApart / 1000.0);
            samples.insert(samples.end(), block.begin(), block.end());
        }
        const std::vector<float> held = render(synth, c.seconds);
        samples.insert(samples.end(), held.begin(), held.end());
        float loudest = 0;
        for (float s : samples)
            loudest = std::max(loudest, std::fabs(s));
        EXPECT_LE(loudest, 1.0F);
        EXPECT_GT(loudest, 0.2F);
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

// The same third heard as an organist hears it: the loudness of the sound
// near 1313 Hz (the fifth partial of C4, 1308.1 Hz, against the fourth of
// E4, 1318.5 Hz) swells and fades 10.38 times a second.
TEST(ToneSynth, TheEnvelopeOfAnEqualTemperedThirdBeats)
{
    const KeyPitches equal = keyPitches(440, 440, {});
    const double c = double(equal[60]), e = double(equal[64]);
    const std::vector<double> envelope = envelopeNear(renderChord({c, e}, Voice::Principal, 4), (5 * c + 4 * e) / 2);
    EXPECT_NEAR(dominantHz(envelope, 5, 20), 10.38, 10.38 * 0.02);
    // The principal's fifth and fourth partials have amplitudes 0.16 and
    // 0.22: the envelope runs from 0.22 - 0.16 to 0.22 + 0.16, a depth of
    // 0.16 / 0.22 = 0.73.
    EXPECT_NEAR(modulationDepth(envelope), 0.16 / 0.22, 0.03);
}

// Quarter-comma meantone (C +10.26, E -3.42 cents) makes the third a pure
// 5:4 to 0.006 cent: the two partials coincide and the envelope stays level.
// The equal third's depth is 0.73 (above); what remains here is the filter's
// leakage of partials 250 Hz away (below 1e-3) and the 0.006 cent left of
// the beat, a tenth of a turn in 4 s between partials that start in phase
// (below 1e-2), so a depth below 2 % is a third that does not beat.
TEST(ToneSynth, APureMeantoneThirdDoesNotBeat)
{
    NoteCents meantone{};
    meantone[0] = 10.26L;
    meantone[4] = -3.42L;
    const KeyPitches pitches = keyPitches(440, 440, meantone);
    const double c = double(pitches[60]), e = double(pitches[64]);
    const std::vector<double> envelope = envelopeNear(renderChord({c, e}, Voice::Principal, 4), (5 * c + 4 * e) / 2);
    EXPECT_LT(modulationDepth(envelope), 0.02);
}

// C4 and G4 in equal temperament: the third partial of C (784.88 Hz) against
// the second of G (783.99 Hz) beat 0.886 times a second, ten beats in 12 s.
TEST(ToneSynth, TheEnvelopeOfAnEqualTemperedFifthBeatsSlowly)
{
    const KeyPitches equal = keyPitches(440, 440, {});
    const double c = double(equal[60]), g = double(equal[67]);
    const std::vector<double> envelope = envelopeNear(renderChord({c, g}, Voice::Principal, 12), (3 * c + 2 * g) / 2);
    EXPECT_NEAR(dominantHz(envelope, 0.4, 2), 0.886, 0.886 * 0.03);
}

// The Listen window's compare switch moves a whole chord at once: the flute's
// gentle wave, C4 E4 G4 from equal temperament to meantone, shows any break
// in a note's phase as a step far larger than its own.
TEST(ToneSynth, SwitchingAChordTogetherMakesNoClick)
{
    const KeyPitches equal = keyPitches(440, 440, {});
    const NoteCents meantoneCents{10.26L,  -13.69L, 3.42L,   20.53L, -3.42L, 13.69L,
                                  -10.26L, 6.84L,   -17.11L, 0,      17.11L, -6.84L};
    const KeyPitches meantone = keyPitches(440, 440, meantoneCents);
    for (double seconds : {0.5, 0.5123, 0.5371}) {
        SCOPED_TRACE(seconds);
        ToneSynth synth(Voice::Flute);
        std::vector<int> ids;
        for (int key : {60, 64, 67})
            ids.push_back(synth.noteOn(double(equal[static_cast<size_t>(key)])));
        std::vector<float> samples = render(synth, seconds);
        const size_t switched = samples.size();
        for (size_t i = 0; i < ids.size(); ++i)
            synth.setFrequency(ids[i], double(meantone[static_cast<size_t>(std::vector{60, 64, 67}[i])]));
        const std::vector<float> after = render(synth, 0.5);
        samples.insert(samples.end(), after.begin(), after.end());
        // The steady wave's steps, before the switch and after.
        const float steady = std::max(largestStep(samples, kSampleRate / 10, switched),
                                      largestStep(samples, switched + kSampleRate / 10, samples.size()));
        EXPECT_LE(largestStep(samples, switched - 100, switched + 100), steady * 1.02F);
    }
}

// A key let go during its attack releases from the gain the attack had
// reached: no sample jumps, and the note ends in silence.
TEST(ToneSynth, ANoteReleasedMidAttackNeverJumps)
{
    ToneSynth steadySynth(Voice::Flute);
    steadySynth.noteOn(130.81);
    const std::vector<float> steadyWave = render(steadySynth, 0.2);
    const float steady = largestStep(steadyWave, kSampleRate / 10, steadyWave.size());
    for (double heldMs : {1.0, 3.0, 5.0, 7.5, 9.0}) {
        SCOPED_TRACE(heldMs);
        ToneSynth synth(Voice::Flute);
        const int id = synth.noteOn(130.81);
        std::vector<float> samples = render(synth, heldMs / 1000);
        synth.noteOff(id);
        const std::vector<float> released = render(synth, 0.03);
        samples.insert(samples.end(), released.begin(), released.end());
        EXPECT_LE(largestStep(samples, 0, samples.size()), steady);
        EXPECT_FALSE(synth.sounding());
        EXPECT_EQ(samples.back(), 0.0F);
    }
}

// The sound device renders in a thread of its own while the window switches
// notes on, off and to other pitches through the synthesizer's queue: every
// sample stays finite and within full scale (and the sanitizer build sees no
// memory shared unguarded), and once all is switched off the renderer lets
// every note go, none lost on the way or left sounding.
TEST(ToneSynth, NotesSwitchedWhileAnotherThreadRenders)
{
    ToneSynth synth(Voice::Reed);
    std::atomic<bool> done = false;
    std::atomic<bool> bad = false;
    std::atomic<int> blocks = 0;
    std::thread device([&] {
        std::vector<float> block(256);
        while (!done) {
            synth.render(block.data(), static_cast<int>(block.size()));
            bad = bad || std::any_of(block.begin(), block.end(), [](float x) { return !(std::fabs(x) <= 1); });
            ++blocks;
        }
    });
    for (int i = 0; i < 300; ++i) {
        const int id = synth.noteOn(200 + i % 60);
        synth.setFrequency(id, 300);
        if (i % 7 == 0)
            synth.allNotesOff();
        else if (i % 2 == 0)
            synth.noteOff(id);
    }
    synth.allNotesOff();
    // The last releases end within a few blocks of the renderer taking them.
    const int switchedOff = blocks;
    while (synth.sounding() && blocks < switchedOff + 1000)
        std::this_thread::yield();
    done = true;
    device.join();
    EXPECT_FALSE(bad);
    EXPECT_FALSE(synth.sounding());
}

TEST(WavFile, HeadersOfBothFormats)
{
    const std::vector<float> samples{0, 0.5F, -1, 2};
    const QByteArray pcm = wavBytes(samples, kSampleRate, WavSamples::Pcm16);
    EXPECT_EQ(pcm.size(), 44 + 8);
    EXPECT_EQ(pcm.left(4), "RIFF");
    EXPECT_EQ(pcm.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(pcm.mid(20, 4), QByteArray::fromHex("01000100"));       // PCM, mono
    EXPECT_EQ(pcm.mid(4, 4), QByteArray::fromHex("2c000000"));        // 44 bytes follow
    EXPECT_EQ(pcm.mid(24, 4), QByteArray::fromHex("80bb0000"));       // 48000
    EXPECT_EQ(pcm.mid(28, 6), QByteArray::fromHex("007701000200"));   // 96000 bytes a second, 2 a frame
    EXPECT_EQ(pcm.mid(40, 4), QByteArray::fromHex("08000000"));       // 8 bytes of samples
    EXPECT_EQ(pcm.right(8), QByteArray::fromHex("000000400180ff7f")); // held within range

    const QByteArray floats = wavBytes(samples, kSampleRate, WavSamples::Float32);
    EXPECT_EQ(floats.size(), 58 + 16);
    EXPECT_EQ(floats.mid(4, 4), QByteArray::fromHex("42000000"));                   // 66 bytes follow
    EXPECT_EQ(floats.mid(20, 2), QByteArray::fromHex("0300"));                      // IEEE float
    EXPECT_EQ(floats.mid(28, 6), QByteArray::fromHex("00ee02000400"));              // 192000 bytes a second, 4 a frame
    EXPECT_EQ(floats.mid(38, 12), QByteArray::fromHex("666163740400000004000000")); // "fact": 4 samples
    EXPECT_EQ(floats.mid(50, 8), QByteArray::fromHex("6461746110000000"));          // "data": 16 bytes
    EXPECT_EQ(floats.right(4), QByteArray::fromHex("00000040"));                    // 2.0 as it stands
}

// A switch the full queue cannot take must not leave a note sounding for
// good: a note held while its pitch is moved until the queue is full, then
// its note-off lost, and the same while another thread renders.
TEST(ToneSynth, ASwitchLostToAFullQueueLeavesNothingSounding)
{
    const struct {
        const char *name;
        int retunes;
        bool lost;
    } cases[] = {
        {"the queue just full, the note-off taken", 4094, false},
        {"the note-off lost", 4095, true},
        {"far beyond the queue", 10000, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ToneSynth synth(Voice::Principal);
        const int id = synth.noteOn(440);
        for (int i = 0; i < c.retunes; ++i)
            synth.setFrequency(id, 440 + i % 10);
        synth.noteOff(id);
        EXPECT_EQ(synth.overflows() > 0, c.lost);
        std::vector<float> block(1024);
        synth.render(block.data(), static_cast<int>(block.size()));
        synth.render(block.data(), static_cast<int>(block.size()));
        EXPECT_FALSE(synth.sounding());
        EXPECT_TRUE(std::all_of(block.begin(), block.end(), [](float x) { return x == 0; }));
        // Notes switched on afterwards sound as ever.
        synth.noteOn(220);
        synth.render(block.data(), static_cast<int>(block.size()));
        EXPECT_TRUE(synth.sounding());
        EXPECT_GT(*std::max_element(block.begin(), block.end()), 0.01F);
    }
}

TEST(ToneSynth, SwitchesLostWhileAnotherThreadRendersLeaveNothingSounding)
{
    ToneSynth synth(Voice::Flute, kSampleRate, 8);
    std::atomic<bool> done = false;
    std::thread device([&] {
        std::vector<float> block(64);
        while (!done) {
            synth.render(block.data(), static_cast<int>(block.size()));
            std::this_thread::yield();
        }
    });
    // A queue of 32 switches, flooded faster than the renderer takes them.
    for (int round = 0; round < 200; ++round) {
        const int id = synth.noteOn(300);
        for (int i = 0; i < 40; ++i)
            synth.setFrequency(id, 300 + i);
        synth.noteOff(id);
    }
    for (int wait = 0; wait < 2000 && synth.sounding(); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    done = true;
    device.join();
    EXPECT_GT(synth.overflows(), 0);
    EXPECT_FALSE(synth.sounding());
}

namespace {

std::array<double, 128> pitchesOf(const KeyPitches &pitches)
{
    std::array<double, 128> hz{};
    for (size_t key = 0; key < hz.size(); ++key)
        hz[key] = static_cast<double>(pitches[key]);
    return hz;
}

bool silent(const std::vector<float> &samples)
{
    return std::all_of(samples.begin(), samples.end(), [](float x) { return x == 0; });
}

} // namespace

// Two keyboards playing into the renderer: a key sounds from the first block
// after its note-on, once however many keyboards hold it, until the last
// lets it go; Stop, a keyboard closed and a flooded lane leave nothing on.
TEST(ToneSynth, KeyboardsPlayStraightIntoTheRenderer)
{
    ToneSynth synth(Voice::Flute);
    KeyboardLane *a = synth.openKeyboard();
    KeyboardLane *b = synth.openKeyboard();
    ASSERT_TRUE(a && b && a != b);
    using K = KeySwitch::Kind;
    auto on = [](KeyboardLane *lane, int key) { lane->push({K::On, static_cast<std::uint8_t>(key)}); };
    auto off = [](KeyboardLane *lane, int key) { lane->push({K::Off, static_cast<std::uint8_t>(key)}); };
    const struct {
        const char *step;
        std::function<void()> act;
        int sounding; // notes the renderer holds after two blocks of 512
    } steps[] = {
        {"A4 on the first keyboard", [&] { on(a, 69); }, 1},
        {"A4 on the second too", [&] { on(b, 69); }, 1},
        {"A4 pressed again on the first", [&] { on(a, 69); }, 1},
        {"the first lets go", [&] { off(a, 69); }, 1},
        {"the second lets go", [&] { off(b, 69); }, 0},
        {"a release with nothing held", [&] { off(b, 69); }, 0},
        {"a chord on the first", [&] { on(a, 60), on(a, 64), on(a, 67); }, 3},
        {"its keyboard says all off",
         [&] {
             a->push({K::AllOff, 0});
         },
         0},
        {"C4 and E4 on the second", [&] { on(b, 60), on(b, 64); }, 2},
        {"Stop", [&] { synth.allNotesOff(); }, 0},
        {"the released E4 lets go after Stop", [&] { off(b, 64); }, 0},
        {"E4 again after Stop", [&] { on(b, 64); }, 1},
        {"the second keyboard closed", [&] { synth.closeKeyboard(b); }, 0},
        {"a lane flooded with no block rendered, keys held as it filled",
         [&] {
             for (int i = 0; i < 511; ++i)
                 on(a, 30), off(a, 30);
             on(a, 50), on(a, 51), on(a, 52);
         },
         0},
        {"the flooded keyboard plays on", [&] { off(a, 52), on(a, 41); }, 1},
    };
    std::vector<float> block(512);
    for (const auto &s : steps) {
        SCOPED_TRACE(s.step);
        s.act();
        synth.render(block.data(), static_cast<int>(block.size()));
        synth.render(block.data(), static_cast<int>(block.size()));
        EXPECT_EQ(synth.soundingNotes(), s.sounding);
        EXPECT_EQ(silent(block), s.sounding == 0);
    }
}

// The lane's note sounds in the very block after it, at the pitch set for
// its key, and moves with the pitches while held.
TEST(ToneSynth, AKeyboardNoteSoundsAtOnceAtItsKeysPitch)
{
    const NoteCents werckmeister{11.73, 1.96, 3.91, 5.87, 1.96, 9.78, 0, 7.82, 3.91, 0, 7.82, 3.91};
    const std::array<double, 128> werckmeister415 = pitchesOf(keyPitches(440, 415, werckmeister));
    const std::array<double, 128> equal440 = pitchesOf(keyPitches(440, 440, NoteCents{}));
    ToneSynth synth(Voice::Flute);
    synth.setKeyPitches(werckmeister415);
    KeyboardLane *lane = synth.openKeyboard();
    lane->push({KeySwitch::Kind::On, 64});
    std::vector<float> first(64);
    synth.render(first.data(), static_cast<int>(first.size()));
    EXPECT_FALSE(silent(first));
    const std::vector<float> held = render(synth, 1.5);
    EXPECT_LT(std::fabs(cents(measuredHz(held, werckmeister415[64]), werckmeister415[64])), 0.1);
    synth.setKeyPitches(equal440);
    const std::vector<float> moved = render(synth, 1.5);
    EXPECT_LT(std::fabs(cents(measuredHz(moved, equal440[64]), equal440[64])), 0.1);
    EXPECT_LT(largestStep(moved, 0, 256), 0.02F);
}

TEST(ToneSynth, EveryLaneTakenLeavesNoneForAnotherKeyboard)
{
    ToneSynth synth;
    std::vector<KeyboardLane *> lanes;
    for (int i = 0; i < ToneSynth::kKeyboardLanes; ++i)
        lanes.push_back(synth.openKeyboard());
    EXPECT_EQ(std::count(lanes.begin(), lanes.end(), nullptr), 0);
    EXPECT_EQ(synth.openKeyboard(), nullptr);
    synth.closeKeyboard(lanes[3]);
    EXPECT_EQ(synth.openKeyboard(), lanes[3]);
}

// A keyboard's thread, the renderer's and the window's at once, as in play:
// whatever the order, every key let go is silent at the end.
TEST(ToneSynth, KeyboardNotesWhileAnotherThreadRenders)
{
    ToneSynth synth(Voice::Reed);
    KeyboardLane *lane = synth.openKeyboard();
    std::atomic<bool> done = false;
    std::thread device([&] {
        std::vector<float> block(64);
        while (!done) {
            synth.render(block.data(), static_cast<int>(block.size()));
            std::this_thread::yield();
        }
    });
    std::thread keyboard([&] {
        for (int i = 0; i < 5000; ++i) {
            const auto key = static_cast<std::uint8_t>(36 + i % 61);
            lane->push({KeySwitch::Kind::On, key});
            lane->push({KeySwitch::Kind::Off, key});
        }
    });
    const std::array<double, 128> equal = pitchesOf(keyPitches(440, 440, NoteCents{}));
    for (int i = 0; i < 200; ++i) {
        synth.setKeyPitches(equal);
        synth.setVoice(i % 2 ? Voice::Flute : Voice::Reed);
    }
    keyboard.join();
    for (int wait = 0; wait < 2000 && synth.sounding(); ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    done = true;
    device.join();
    EXPECT_FALSE(synth.sounding());
}
