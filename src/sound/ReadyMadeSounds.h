#pragma once

#include <QString>

#include <vector>

namespace cordavo {

// A ready-made sound: one chord, or chords one after another.
struct ListenSound {
    QString name;
    std::vector<std::vector<int>> steps; // MIDI keys sounding together, step by step
    double stepSeconds = 0;              // 0: one chord, as long as the chosen length
};

// The triads, fifths and thirds on the twelve roots from middle C up, a
// scale and a cadence I–IV–V–I in the key given by its tonic (0 = C).
std::vector<ListenSound> readyMadeSounds(int tonic);

} // namespace cordavo
