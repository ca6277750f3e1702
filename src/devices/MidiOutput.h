#pragma once

#include "tuning/Result.h"

#include <QByteArray>
#include <QString>

#include <QList>

#include <memory>
#include <optional>
#include <string>

class RtMidiOut;

namespace cordavo {

// A MIDI output port of the machine, opened by its name, that messages are
// sent to as they are: system-exclusive tuning messages above all.
class MidiOutput
{
public:
    MidiOutput();
    // Closes the port once what was sent has left.
    ~MidiOutput();

    // Connects to the port named 'port', as midiOutputNames() lists it; the
    // failure names the port and the ports there are.
    Result<void> open(const QString &port);
    // Sends complete messages one after another (several system-exclusive
    // messages, each from F0 to F7, or short messages), each on its own.
    Result<void> send(const QByteArray &messages);
    // Waits for what was sent to leave, then lets go of the port.
    void close();

private:
    std::string m_error; // RtMidi's last message, before the device that writes it
    std::unique_ptr<RtMidiOut> m_device;
    QString m_port;
};

// The MIDI messages in 'bytes', one after another: a system-exclusive
// message runs from F0 to F7, another from its status byte for as many data
// bytes as it takes. Nothing when the bytes do not split into whole messages.
std::optional<QList<QByteArray>> splitMidiMessages(const QByteArray &bytes);

} // namespace cordavo
