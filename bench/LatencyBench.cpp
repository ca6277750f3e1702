// From a key press to the first sample handed to the sound device, through
// the same sound output the Listen window uses. The first press starts the
// output, as the window's first note does; then, once the device takes sound
// steadily, a note is switched on twenty times over and the time until the
// device next takes samples is measured. Prints JSON with the first press,
// the median and the largest of the twenty, in milliseconds, or nulls when
// there is no sound output.

#include "sound/ToneSynth.h"
#include "ui/desktop/SoundOutput.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace cordavo;

namespace {

void runEventsFor(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ToneSynth synth;
    SoundOutput output(synth);
    // The window asks whether there is an output when it is made, not at the
    // first key press.
    const bool available = output.available();
    QElapsedTimer first;
    first.start();
    const int firstNote = synth.noteOn(261.63);
    if (!available || !output.start()) {
        std::printf("{\"first_ms\": null, \"median_ms\": null, \"largest_ms\": null}\n");
        return 0;
    }
    while (output.samplesRendered() == 0 && first.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    const double firstMs = static_cast<double>(first.nsecsElapsed()) / 1e6;
    synth.noteOff(firstNote);
    // PulseAudio's null sink takes a few blocks, then nothing for up to two
    // seconds while it lowers its latency to what the output asks for; a
    // sound card's sink does not wait so. Half a second taken is past that.
    QElapsedTimer settling;
    settling.start();
    while (output.samplesRendered() < kSampleRate / 2 && settling.elapsed() < 10000)
        runEventsFor(20);
    std::vector<double> latencies;
    for (int i = 0; i < 20; ++i) {
        const qint64 before = output.samplesRendered();
        QElapsedTimer timer;
        timer.start();
        const int note = synth.noteOn(261.63);
        while (output.samplesRendered() == before && timer.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        latencies.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        synth.noteOff(note);
        // At no fixed distance from the device's own rhythm.
        runEventsFor(120 + static_cast<int>(QRandomGenerator::global()->bounded(25)));
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("{\"first_ms\": %.2f, \"median_ms\": %.2f, \"largest_ms\": %.2f}\n", firstMs,
                latencies[latencies.size() / 2], latencies.back());
    return 0;
}
