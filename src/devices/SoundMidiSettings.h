#pragma once

#include "devices/SoundSink.h"

#include <QString>
#include <QStringList>

#include <functional>

class QSettings;

namespace cordavo {

// What the Sound and MIDI dialog chooses, kept in the program's settings:
// the sound output the Listen window plays through, the MIDI inputs and
// channel it listens to, and the MIDI output "Send Tuning" writes to.
struct SoundMidiSettings {
    // The sound system's short name ("jack", "pulse", "alsa", "wasapi",
    // "ds"); empty for the automatic choice.
    QString audioApi;
    // The output device by name; empty for the sound system's default.
    QString audioDevice;
    int bufferFrames = kDefaultBufferFrames;
    // Every MIDI input, or only those named.
    bool allMidiInputs = true;
    QStringList midiInputs;
    // 0 for any channel, else 1 to 16.
    int midiChannel = 0;
    // The port "Send Tuning" writes to; empty for none chosen.
    QString midiOutput;

    // The frames per period offered, and accepted from the settings.
    static QList<int> bufferSizes();
    // What the settings hold; anything missing or out of range is the default.
    static SoundMidiSettings read(const QSettings &settings);
    void write(QSettings &settings) const;

    SoundChoice soundChoice() const;
    // Whether a message from this input, on this channel (1 to 16), is listened to.
    bool listensTo(const QString &input, int channel) const;

    bool operator==(const SoundMidiSettings &) const = default;
};

// The MIDI ports there are now, by name, asked afresh at each call; without
// a MIDI system both lists are empty.
struct MidiPortLists {
    std::function<QStringList()> inputs;
    std::function<QStringList()> outputs;
};

// The latency of a period of 'frames' at the output's sample rate, in ms.
double bufferMilliseconds(int frames);

} // namespace cordavo
