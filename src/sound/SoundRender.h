#pragma once

#include "sound/ReadyMadeSounds.h"
#include "sound/Voices.h"
#include "sound/WavFile.h"
#include "tuning/TuningExport.h"

#include <QByteArray>

#include <vector>

namespace cordavo {

// The one way from keys to a WAV file, for "Save Sound…" and the command
// line alike: the sound's keys at these pitches, in this voice at full
// volume. A single chord sounds for 'seconds'; a stepped sound (a scale, a
// cadence) plays its chords one after another, each for its step's length.
std::vector<float> renderSound(const ListenSound &sound, const KeyPitches &pitches, Voice voice, double seconds);
QByteArray soundWav(const ListenSound &sound, const KeyPitches &pitches, Voice voice, double seconds,
                    WavSamples format);

} // namespace cordavo
