// From a key press to sound, through the same sound output the Listen window
// uses, on the sound server the environment names:
//   latency_bench pulse [FRAMES]   PulseAudio (PULSE_SERVER) with the period
//                                  the window uses by default; the null sink's
//                                  monitor is recorded with parec
//   latency_bench jack             a JACK server (JACK_DEFAULT_SERVER), at the
//                                  server's own period
// The first press starts the output, as the window's first note does; then,
// once the device takes sound steadily, a note is switched on twenty times
// over, at random distances from the device's rhythm. Measured each time:
// the time until the device next asks for samples (the note's first sample
// is in that period), and on PulseAudio also the time until the note is at
// the null sink's monitor. Prints JSON (milliseconds; on JACK in periods too),
// or nulls when there is no sound output.
//   latency_bench midi jack|pulse  keys played from MIDI: a JACK client of the
//                                  benchmark's own plays them into the MIDI
//                                  input (JACK_DEFAULT_SERVER), and the sound
//                                  goes out through JACK, where the client
//                                  records it (in frames from the period the
//                                  key was played in), or through PulseAudio,
//                                  whose monitor is recorded as above

#include "devices/SoundOutput.h"
#ifdef CORDAVO_BENCH_MIDI
#include "devices/MidiInput.h"

#include <jack/jack.h>
#include <jack/midiport.h>
#endif
#include "sound/ToneSynth.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using namespace cordavo;

namespace {

QElapsedTimer g_clock;

double nowMs()
{
    return static_cast<double>(g_clock.nsecsElapsed()) / 1e6;
}

void runEventsFor(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}

// The null sink's monitor as parec hands it over, each block with the moment
// it arrived: a sample's moment at the monitor is its block's arrival less
// the samples after it in the block (parec's own delay, a few ms, is counted
// in, so the figure errs long).
class MonitorRecording
{
public:
    MonitorRecording()
    {
        m_reader = std::thread([this] { read(); });
        while (!m_started)
            QThread::msleep(1);
    }
    ~MonitorRecording()
    {
        m_done = true;
        m_reader.join();
    }
    bool recording() const { return m_recording; }
    // When the first sample louder than silence after 'afterMs' reached the
    // monitor; negative when none has yet.
    double onsetAfter(double afterMs)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        for (size_t block = 0; block < m_blocks.size(); ++block) {
            const Block &b = m_blocks[block];
            const size_t begin = block == 0 ? 0 : m_blocks[block - 1].end;
            for (size_t i = begin; i < b.end; ++i) {
                const double at = b.arrivedMs - 1000.0 * static_cast<double>(b.end - i) / kOutputSampleRate;
                if (at >= afterMs && std::fabs(m_samples[i]) > 1e-4F)
                    return at;
            }
        }
        return -1;
    }

private:
    struct Block {
        size_t end;
        double arrivedMs;
    };
    // In a thread of its own, which owns the recorder and ends it by its
    // process id.
    void read()
    {
        QProcess parec;
        parec.start(QStringLiteral("parec"),
                    {QStringLiteral("-d"), QStringLiteral("cordavo.monitor"), QStringLiteral("--rate=48000"),
                     QStringLiteral("--channels=1"), QStringLiteral("--format=float32le"),
                     QStringLiteral("--latency-msec=2")});
        m_recording = parec.waitForStarted(5000);
        m_started = true;
        QByteArray pending;
        while (m_recording && !m_done) {
            if (!parec.waitForReadyRead(20))
                continue;
            const double at = nowMs();
            pending += parec.readAllStandardOutput();
            const auto whole = pending.size() / static_cast<qsizetype>(sizeof(float));
            const std::lock_guard<std::mutex> lock(m_mutex);
            const size_t had = m_samples.size();
            m_samples.resize(had + static_cast<size_t>(whole));
            std::memcpy(m_samples.data() + had, pending.constData(), static_cast<size_t>(whole) * sizeof(float));
            pending.remove(0, whole * static_cast<qsizetype>(sizeof(float)));
            m_blocks.push_back({m_samples.size(), at});
        }
        parec.kill();
        parec.waitForFinished(5000);
    }
    std::thread m_reader;
    std::atomic<bool> m_started = false;
    std::atomic<bool> m_recording = false;
    std::atomic<bool> m_done = false;
    std::mutex m_mutex;
    std::vector<float> m_samples;
    std::vector<Block> m_blocks;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

#ifdef CORDAVO_BENCH_MIDI
// The benchmark's keyboard: a MIDI output that plays a note-on or note-off
// when asked, noting the moment and the frame of its period, and an audio
// input that finds the first sound after each note-on, in frames.
class JackKeyboard
{
public:
    JackKeyboard()
    {
        jack_status_t status{};
        m_client = jack_client_open("bench-keyboard", JackNoStartServer, &status);
        if (!m_client)
            return;
        m_out = jack_port_register(m_client, "out", JACK_DEFAULT_MIDI_TYPE, JackPortIsOutput, 0);
        m_in = jack_port_register(m_client, "in", JACK_DEFAULT_AUDIO_TYPE, JackPortIsInput, 0);
        jack_set_process_callback(m_client, &JackKeyboard::process, this);
        jack_activate(m_client);
    }
    ~JackKeyboard()
    {
        if (m_client)
            jack_client_close(m_client);
    }
    bool open() const { return m_client != nullptr; }
    QString outPort() const { return QString::fromUtf8(jack_port_name(m_out)); }
    int period() const { return static_cast<int>(jack_get_buffer_size(m_client)); }
    // Connects our audio input to the sound output's first port.
    bool listenTo(const char *pattern)
    {
        const char **ports = jack_get_ports(m_client, pattern, JACK_DEFAULT_AUDIO_TYPE, JackPortIsOutput);
        const bool found = ports && ports[0] && jack_connect(m_client, ports[0], jack_port_name(m_in)) == 0;
        if (ports)
            jack_free(ports);
        return found;
    }
    // Plays a key in the next period; returns once it went, with the moment.
    double play(bool on)
    {
        m_sent = -1;
        m_onsetFrames = -1;
        m_key.store(on ? 1 : 2);
        while (m_key.load() != 0)
            QThread::usleep(100);
        return m_sent;
    }
    // Frames from the start of the note-on's period to its first sound; -1 while none.
    long onsetFrames() const { return m_onsetFrames.load(); }

private:
    static int process(jack_nframes_t frames, void *self)
    {
        auto &k = *static_cast<JackKeyboard *>(self);
        void *out = jack_port_get_buffer(k.m_out, frames);
        jack_midi_clear_buffer(out);
        if (const int key = k.m_key.load(); key != 0) {
            const jack_midi_data_t message[3] = {static_cast<jack_midi_data_t>(key == 1 ? 0x90 : 0x80), 60, 100};
            jack_midi_event_write(out, 0, message, 3);
            k.m_sent = nowMs();
            k.m_sentAtFrame = key == 1 ? k.m_frames : -1;
            k.m_key.store(0);
        }
        const auto *heard = static_cast<const float *>(jack_port_get_buffer(k.m_in, frames));
        if (k.m_sentAtFrame >= 0 && k.m_onsetFrames.load() < 0) {
            for (jack_nframes_t i = 0; i < frames; ++i) {
                if (heard[i] != 0) {
                    k.m_onsetFrames.store(k.m_frames + static_cast<long>(i) - k.m_sentAtFrame);
                    break;
                }
            }
        }
        k.m_frames += frames;
        return 0;
    }

    jack_client_t *m_client = nullptr;
    jack_port_t *m_out = nullptr;
    jack_port_t *m_in = nullptr;
    std::atomic<int> m_key = 0; // 1 note-on, 2 note-off to play
    std::atomic<double> m_sent = -1;
    std::atomic<long> m_onsetFrames = -1;
    long m_frames = 0;       // the real-time side's
    long m_sentAtFrame = -1; // the real-time side's
};

// Twenty keys from the benchmark's JACK keyboard, through a MIDI input that
// plays straight into the synthesizer, out through 'api'.
int measureFromMidi(const std::string &api)
{
    ToneSynth synth;
    SoundOutput output(synth);
    std::unique_ptr<MonitorRecording> monitor;
    if (api == "pulse")
        monitor = std::make_unique<MonitorRecording>();
    JackKeyboard keyboard;
    MidiInput input(nullptr, 1024, &synth);
    if (!keyboard.open() || !input.open({keyboard.outPort()}).ok() || !output.available() ||
        !output.start({QString::fromStdString(api), {}, kDefaultBufferFrames})) {
        std::printf("{\"median_ms\": null}\n");
        return 0;
    }
    if (api == "jack" && !keyboard.listenTo("^Cordavo")) {
        std::printf("{\"median_ms\": null}\n");
        return 0;
    }
    QElapsedTimer settling;
    settling.start();
    while (output.samplesRendered() < kOutputSampleRate / 2 && settling.elapsed() < 10000)
        runEventsFor(20);
    runEventsFor(300);
    std::vector<double> inFrames, toMonitor;
    for (int i = 0; i < 20; ++i) {
        const double pressed = keyboard.play(true);
        runEventsFor(60);
        if (keyboard.onsetFrames() >= 0)
            inFrames.push_back(static_cast<double>(keyboard.onsetFrames()));
        keyboard.play(false);
        runEventsFor(150 + static_cast<int>(QRandomGenerator::global()->bounded(25)));
        if (monitor && monitor->recording()) {
            const double heard = monitor->onsetAfter(pressed - 50);
            if (heard >= 0)
                toMonitor.push_back(heard - pressed);
        }
    }
    std::printf("{\"api\": \"%s\", \"midi_period\": %d", output.playingApi().toUtf8().constData(), keyboard.period());
    if (!inFrames.empty())
        std::printf(", \"median_frames\": %.0f, \"largest_frames\": %.0f, \"median_periods\": %.2f, "
                    "\"largest_periods\": %.2f",
                    median(inFrames), *std::max_element(inFrames.begin(), inFrames.end()),
                    median(inFrames) / keyboard.period(),
                    *std::max_element(inFrames.begin(), inFrames.end()) / keyboard.period());
    if (!toMonitor.empty())
        std::printf(", \"monitor_median_ms\": %.2f, \"monitor_largest_ms\": %.2f, \"monitor_count\": %d",
                    median(toMonitor), *std::max_element(toMonitor.begin(), toMonitor.end()),
                    static_cast<int>(toMonitor.size()));
    std::printf("}\n");
    return 0;
}
#endif

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    g_clock.start();
    const std::string server = argc > 1 ? argv[1] : "pulse";
#ifdef CORDAVO_BENCH_MIDI
    if (server == "midi")
        return measureFromMidi(argc > 2 ? argv[2] : "jack");
#endif
    const int frames = argc > 2 ? std::atoi(argv[2]) : kDefaultBufferFrames;
    ToneSynth synth;
    SoundOutput output(synth);
    std::unique_ptr<MonitorRecording> monitor;
    if (server == "pulse")
        monitor = std::make_unique<MonitorRecording>();
    // The window asks whether there is an output at its first note.
    const bool available = output.available();
    const double firstPressed = nowMs();
    const int firstNote = synth.noteOn(261.63);
    if (!available || !output.start({QString::fromStdString(server), {}, frames})) {
        std::printf("{\"first_ms\": null, \"median_ms\": null, \"largest_ms\": null}\n");
        return 0;
    }
    const double firstMs = nowMs() - firstPressed;
    synth.noteOff(firstNote);
    // PulseAudio's null sink takes a few blocks, then nothing for up to two
    // seconds while it lowers its latency to what the output asks for; a
    // sound card's sink does not wait so. Half a second taken is past that.
    QElapsedTimer settling;
    settling.start();
    while (output.samplesRendered() < kOutputSampleRate / 2 && settling.elapsed() < 10000)
        runEventsFor(20);
    runEventsFor(300);
    std::vector<double> toDevice, toMonitor;
    for (int i = 0; i < 20; ++i) {
        const qint64 before = output.samplesRendered();
        const double pressed = nowMs();
        const int note = synth.noteOn(261.63);
        // Polled in short sleeps: spinning would take a core from the sound
        // server on a machine of two.
        while (output.samplesRendered() == before && nowMs() - pressed < 1000)
            QThread::usleep(100);
        toDevice.push_back(nowMs() - pressed);
        runEventsFor(60);
        synth.noteOff(note);
        // At no fixed distance from the device's own rhythm.
        runEventsFor(150 + static_cast<int>(QRandomGenerator::global()->bounded(25)));
        if (monitor && monitor->recording()) {
            const double heard = monitor->onsetAfter(pressed - 50);
            if (heard >= 0)
                toMonitor.push_back(heard - pressed);
        }
    }
    const int period = output.playingBufferFrames();
    const double periodMs = 1000.0 * period / output.playingSampleRate();
    std::printf("{\"api\": \"%s\", \"frames\": %d, \"first_ms\": %.2f, \"median_ms\": %.2f, \"largest_ms\": %.2f, "
                "\"median_periods\": %.2f, \"largest_periods\": %.2f",
                output.playingApi().toUtf8().constData(), period, firstMs, median(toDevice),
                *std::max_element(toDevice.begin(), toDevice.end()), median(toDevice) / periodMs,
                *std::max_element(toDevice.begin(), toDevice.end()) / periodMs);
    if (!toMonitor.empty())
        std::printf(", \"monitor_median_ms\": %.2f, \"monitor_largest_ms\": %.2f, \"monitor_count\": %d",
                    median(toMonitor), *std::max_element(toMonitor.begin(), toMonitor.end()),
                    static_cast<int>(toMonitor.size()));
    std::printf("}\n");
    return 0;
}
