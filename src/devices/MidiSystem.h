#pragma once

#include <QString>
#include <QStringList>

#include <rtmidi/RtMidi.h>

#include <memory>
#include <string>

namespace cordavo {

// The devices' own door to RtMidi; the rest of the program sees port names.

// A MIDI input or output of the system that reaches MIDI here: JACK where a
// JACK server runs, else the ALSA sequencer on Linux; the system's own
// elsewhere. Nothing when none can be reached. RtMidi's messages go to
// 'error' instead of standard error.
std::unique_ptr<RtMidiIn> openMidiIn(std::string *error);
std::unique_ptr<RtMidiOut> openMidiOut(std::string *error);

// JACK takes a new port or connection into its graph at a later period, and
// what is played before goes nowhere: waits two of the server's periods (at
// most a second). Returns at once where JACK is not used.
void awaitJackGraph();

// The names of the ports a device offers.
QStringList midiPortNames(RtMidi &device);

// The client name our ports appear under (JACK adds "-01" and so on to a second one).
inline constexpr char kMidiClientName[] = "Cordavo";

} // namespace cordavo
