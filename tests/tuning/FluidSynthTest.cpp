// Our tuning messages played into FluidSynth: a note rendered with and
// without them must move by the amount the export says.

#include "tuning/TuningExport.h"

#include "TestFiles.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <numbers>
#include <vector>

using namespace cordavo;

namespace {

// TimGM6mb, Debian's timgm6mb-soundfont: a whole General MIDI set in 6 MB.
// Its drawbar organ is one steady looped tone whose pitch measures cleanly;
// the church organ is layered and its measured pitch wanders by half a cent.
const QString kSoundFont = QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2");
constexpr int kSampleRate = 48000;
constexpr int kTicksPerSecond = 960; // 480 ticks a quarter at 120 beats a minute
constexpr int kNoteOnTick = 96;
constexpr int kNoteOffTick = kNoteOnTick + 2 * kTicksPerSecond;

struct Event {
    int tick;
    QByteArray bytes;
};

QByteArray varLen(quint32 value)
{
    QByteArray out(1, static_cast<char>(value & 0x7F));
    while (value >>= 7)
        out.prepend(static_cast<char>((value & 0x7F) | 0x80));
    return out;
}

QByteArray bigEndian(quint32 value, int size)
{
    QByteArray out;
    for (int i = size - 1; i >= 0; --i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

// One event per message of 'sysex', as a file stores it: F0, the length, the rest.
void appendSysex(std::vector<Event> &events, const QByteArray &sysex)
{
    for (qsizetype start = 0; start < sysex.size();) {
        const qsizetype end = sysex.indexOf('\xF7', start) + 1;
        ASSERT_GT(end, start) << "system exclusive message without its end byte";
        const QByteArray body = sysex.mid(start + 1, end - start - 1);
        events.push_back({0, '\xF0' + varLen(body.size()) + body});
        start = end;
    }
}

void appendControl(std::vector<Event> &events, int controller, int value)
{
    events.push_back({0, QByteArray{"\xB0"} + static_cast<char>(controller) + static_cast<char>(value)});
}

// A format 0 Standard MIDI File: 'setup' at the start, then drawbar organ
// (program 16) on channel 1 holding 'key' for two seconds.
QByteArray midiFile(std::vector<Event> setup, int key)
{
    std::vector<Event> events = std::move(setup);
    events.push_back({0, QByteArray("\xC0\x10", 2)});
    events.push_back({kNoteOnTick, QByteArray{"\x90"} + static_cast<char>(key) + '\x64'});
    events.push_back({kNoteOffTick, QByteArray{"\x80"} + static_cast<char>(key) + '\x40'});
    events.push_back({kNoteOffTick, QByteArray("\xFF\x2F\x00", 3)});
    QByteArray track;
    int tick = 0;
    for (const Event &e : events) {
        track += varLen(e.tick - tick) + e.bytes;
        tick = e.tick;
    }
    return "MThd" + bigEndian(6, 4) + bigEndian(0, 2) + bigEndian(1, 2) + bigEndian(480, 2) + "MTrk" +
           bigEndian(track.size(), 4) + track;
}

// The samples of a WAV file of 16-bit or 32-bit float samples, channels
// averaged; empty if the file is none of these.
std::vector<double> readWav(const QByteArray &wav, int *rate)
{
    const auto *d = reinterpret_cast<const uchar *>(wav.constData());
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        return {};
    int format = 0, channels = 0, bits = 0;
    for (qsizetype at = 12; at + 8 <= wav.size();) {
        const QByteArray id = wav.mid(at, 4);
        const qsizetype size = qFromLittleEndian<quint32>(d + at + 4);
        const uchar *body = d + at + 8;
        if (at + 8 + size > wav.size())
            return {};
        if (id == "fmt " && size >= 16) {
            format = qFromLittleEndian<quint16>(body);
            if (format == 0xFFFE && size >= 26)
                format = qFromLittleEndian<quint16>(body + 24);
            channels = qFromLittleEndian<quint16>(body + 2);
            *rate = static_cast<int>(qFromLittleEndian<quint32>(body + 4));
            bits = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data" && channels > 0) {
            const bool pcm16 = format == 1 && bits == 16, float32 = format == 3 && bits == 32;
            if (!pcm16 && !float32)
                return {};
            const qsizetype frames = size / (bits / 8 * channels);
            std::vector<double> samples(frames);
            for (qsizetype i = 0; i < frames; ++i) {
                for (int c = 0; c < channels; ++c) {
                    const uchar *s = body + (i * channels + c) * (bits / 8);
                    samples[i] += pcm16 ? qFromLittleEndian<qint16>(s) / 32768.0 : qFromLittleEndian<float>(s);
                }
                samples[i] /= channels;
            }
            return samples;
        }
        at += 8 + size + (size & 1);
    }
    return {};
}

// Power of the windowed signal at 'hz' (Goertzel).
double powerAt(const std::vector<double> &x, double hz)
{
    const double c = 2 * std::cos(2 * std::numbers::pi * hz / kSampleRate);
    double s1 = 0, s2 = 0;
    for (double v : x) {
        const double s = v + c * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    return s1 * s1 + s2 * s2 - c * s1 * s2;
}

// The strongest frequency within a semitone of 'nearHz' in the held part of
// the note: a scan in steps of a quarter hertz, then a golden-section search
// around the best step.
double fundamental(const std::vector<double> &samples, double nearHz)
{
    const qsizetype from = kSampleRate * (kNoteOnTick + kTicksPerSecond / 2) / kTicksPerSecond;
    const qsizetype to = kSampleRate * kNoteOffTick / kTicksPerSecond;
    std::vector<double> x(samples.begin() + from, samples.begin() + to);
    for (size_t i = 0; i < x.size(); ++i)
        x[i] *= 0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / (x.size() - 1)); // Hann
    constexpr double kStep = 0.25;
    double best = 0, bestPower = -1;
    for (double hz = nearHz * std::pow(2.0, -1.0 / 12); hz < nearHz * std::pow(2.0, 1.0 / 12); hz += kStep) {
        if (const double power = powerAt(x, hz); power > bestPower) {
            best = hz;
            bestPower = power;
        }
    }
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double lo = best - kStep, hi = best + kStep;
    while (hi - lo > 1e-4) {
        const double a = hi - ratio * (hi - lo), b = lo + ratio * (hi - lo);
        if (powerAt(x, a) < powerAt(x, b))
            lo = a;
        else
            hi = b;
    }
    return (lo + hi) / 2;
}

double centsBetween(double a, double b)
{
    return 1200 * std::log2(a / b);
}

} // namespace

TEST(FluidSynth, RendersOurTuningExports)
{
    const QString fluidsynth = QStandardPaths::findExecutable(QStringLiteral("fluidsynth"));
    ASSERT_FALSE(fluidsynth.isEmpty()) << "fluidsynth not found: scripts/install-deps installs package fluidsynth";
    ASSERT_TRUE(QFileInfo::exists(kSoundFont))
        << qPrintable(kSoundFont) << " not found: scripts/install-deps installs package timgm6mb-soundfont";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    // The rendered pitch of 'key' (within a semitone of 'nearHz', by default
    // its equal-tempered pitch) in a song with 'setup' before the note.
    int renders = 0;
    const auto render = [&](const std::vector<Event> &setup, int key, double nearHz = 0) {
        const QString name = dir.filePath(QString::number(++renders));
        writeBytes(name + QStringLiteral(".mid"), midiFile(setup, key));
        QProcess process;
        process.start(fluidsynth,
                      {QStringLiteral("-ni"), QStringLiteral("-q"), QStringLiteral("-R"), QStringLiteral("0"),
                       QStringLiteral("-C"), QStringLiteral("0"), QStringLiteral("-g"), QStringLiteral("0.5"),
                       QStringLiteral("-r"), QString::number(kSampleRate), QStringLiteral("-T"), QStringLiteral("wav"),
                       QStringLiteral("-F"), name + QStringLiteral(".wav"), kSoundFont, name + QStringLiteral(".mid")});
        EXPECT_TRUE(process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
                    process.exitCode() == 0)
            << process.readAllStandardError().constData();
        int rate = 0;
        const std::vector<double> samples = readWav(readAll(name + QStringLiteral(".wav")), &rate);
        EXPECT_EQ(rate, kSampleRate);
        const auto held = static_cast<size_t>(kSampleRate * kNoteOffTick / kTicksPerSecond);
        if (samples.size() < held || std::abs(*std::max_element(samples.begin(), samples.begin() + held)) < 0.01) {
            ADD_FAILURE() << "fluidsynth wrote no sounding note for key " << key;
            return 0.0;
        }
        return fundamental(samples, nearHz > 0 ? nearHz : 440 * std::pow(2.0, (key - 69) / 12.0));
    };

    // A4 30 cents sharp, C 20 cents flat.
    NoteCents cents{};
    cents[9] = 30;
    cents[0] = -20;
    const KeyPitches pitches = keyPitches(440, 440, cents);
    constexpr int kProgram = 5;
    const struct {
        const char *name;
        std::function<void(std::vector<Event> &)> setup;
    } cases[] = {
        {"single-note tuning changes, tuning program selected",
         [&](std::vector<Event> &events) {
             appendSysex(events, mtsSingleNoteChanges(pitches, kProgram).bytes);
             for (const auto &[controller, value] :
                  {std::pair{101, 0}, {100, 3}, {6, kProgram}, {101, 127}, {100, 127}})
                 appendControl(events, controller, value);
         }},
        {"scale/octave tuning, 2-byte form",
         [&](std::vector<Event> &events) { appendSysex(events, mtsOctaveTuning(pitches).bytes); }},
    };
    std::map<int, double> untuned;
    for (const int key : {69, 72})
        untuned[key] = render({}, key);
    for (const auto &c : cases) {
        for (const int key : {69, 72}) {
            SCOPED_TRACE(testing::Message() << c.name << ", key " << key);
            std::vector<Event> setup;
            c.setup(setup);
            const double exported = centsBetween(pitches[key], 440 * std::pow(2.0, (key - 69) / 12.0));
            const double rendered = centsBetween(render(setup, key), untuned[key]);
            std::printf("%s, key %d: exported %+.2f cents, rendered %+.2f cents\n", c.name, key, exported, rendered);
            // FluidSynth plays pitches in whole cents, which costs up to one.
            EXPECT_GT(std::abs(exported), 10) << "a note this close to equal temperament proves little";
            EXPECT_NEAR(rendered, exported, 2.0);
        }
    }
    // The octave export away from A = 440: 1/4 comma meantone at A = 415,
    // every pitch class. The file carries A in the master tuning messages,
    // which FluidSynth 2.3 ignores; the song gives channel 1 the same shift
    // through the channel's own coarse and fine tuning (registered
    // parameters 2 and 1, taking the same data bytes), as a General MIDI 2
    // instrument adds master and channel tuning.
    const NoteCents meantone{10.26, -13.69, 3.42, 20.53, -3.42, 13.69, -10.26, 6.84, -17.11, 0, 17.11, -6.84};
    const QByteArray syx =
        tuningExport(TuningFormat::MtsOctave, {440, 415, meantone, {}}, QStringLiteral("m.syx")).files[0].bytes;
    ASSERT_EQ(syx.left(5) + syx.mid(8, 5), QByteArray("\xF0\x7F\x7F\x04\x04\xF0\x7F\x7F\x04\x03", 10));
    std::vector<Event> setup;
    appendSysex(setup, syx);
    for (const auto &[controller, value] : {std::pair{101, 0},
                                            {100, 2},
                                            {6, int(syx[6])},
                                            {101, 0},
                                            {100, 1},
                                            {6, int(syx[14])},
                                            {38, int(syx[13])},
                                            {101, 127},
                                            {100, 127}})
        appendControl(setup, controller, value);
    const KeyPitches at415 = keyPitches(440, 415, meantone);
    for (int key = 60; key < 72; ++key) {
        const double document = centsBetween(at415[key], 440 * std::pow(2.0, (key - 69) / 12.0));
        const double rendered = centsBetween(render(setup, key, double(at415[key])), render({}, key));
        std::printf("meantone at A = 415, key %d: document %+.2f cents, rendered %+.2f cents\n", key, document,
                    rendered);
        EXPECT_NEAR(rendered, document, 2.0) << "key " << key;
    }
}
