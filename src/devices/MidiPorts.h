#pragma once

#include <QString>
#include <QStringList>

namespace cordavo {

// The MIDI ports of this machine by the names users pick them by (on JACK
// "client:port"), in the order the MIDI system lists them; empty where there
// is none, or no MIDI system at all. The system is chosen again at each call,
// since a JACK server may have started or stopped meanwhile.
QStringList midiInputNames();
QStringList midiOutputNames();

} // namespace cordavo
