// From a key press to the first sample handed to the sound device: a note is
// switched on and the time taken until the device next pulls samples is
// measured, twenty times over, through the same sound output the Listen
// window uses. Prints JSON with the median and the largest, in milliseconds,
// or null when there is no sound output.

#include "sound/ToneSynth.h"
#include "ui/SoundOutput.h"

#include <QCoreApplication>
#include <QElapsedTimer>
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
    if (!output.available() || !output.start()) {
        std::printf("{\"median_ms\": null, \"largest_ms\": null}\n");
        return 0;
    }
    runEventsFor(500);
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
        runEventsFor(120);
    }
    std::sort(latencies.begin(), latencies.end());
    std::printf("{\"median_ms\": %.2f, \"largest_ms\": %.2f}\n", latencies[latencies.size() / 2], latencies.back());
    return 0;
}
