#pragma once

#include "sound/Voices.h"

#include <mutex>
#include <vector>

namespace cordavo {

inline constexpr int kSampleRate = 48000;
// Every note starts and stops along a raised-cosine ramp this long, so that
// no note starts or stops with a click.
inline constexpr double kRampSeconds = 0.010;
// Each note is scaled so that this many notes at full volume never clip, and
// sound as loud as they are. More notes are turned down together, each by
// kMostNotes over the number sounding (counted by their ramps' gains, so
// that the level glides as notes come and go): the sum stays within full
// scale however many notes sound.
inline constexpr int kMostNotes = 6;

// A synthesizer that plays notes as they are switched on and off: the same
// code renders a chord into a file and feeds a sound device. Notes may be
// switched on and off in one thread while another renders.
class ToneSynth
{
public:
    explicit ToneSynth(Voice voice = Voice::Principal, int sampleRate = kSampleRate);

    void setVoice(Voice voice);
    // 0 to 1.
    void setVolume(double volume);

    // Starts a note at its attack; the returned id names it from then on.
    int noteOn(double hz);
    // Starts the note's release; it is gone once the ramp has ended.
    void noteOff(int id);
    void allNotesOff();
    // Moves a sounding note to another pitch without a break in its wave:
    // the phase runs on, so the switch makes no click.
    void setFrequency(int id, double hz);
    bool sounding() const { return soundingNotes() > 0; }
    int soundingNotes() const;

    // Adds the next 'frames' samples (mono) to nothing: out is overwritten.
    void render(float *out, int frames);

private:
    struct Note {
        int id = 0;
        double hz = 0;
        double phase = 0;        // in cycles, 0 to 1
        std::vector<float> wave; // one cycle of the voice, band-limited for hz
        int rampSample = 0;      // samples into the attack or release
        bool releasing = false;
    };

    void makeWave(Note &note, Voice voice) const;
    // The note's ramp gain 'ahead' samples from now.
    double gainAhead(const Note &note, int ahead) const;
    void release(int id);

    // Guards every member below, for render() runs in the sound device's
    // thread. A wave is made before the lock is taken, so that switching a
    // note on never holds up the device.
    mutable std::mutex m_mutex;
    Voice m_voice;
    int m_sampleRate;
    double m_volume = 1;
    int m_nextId = 1;
    int m_rampSamples;
    std::vector<Note> m_notes;
};

// The notes sounding together for 'seconds', their release ending at the
// end: what "Save Sound…" and the command line write.
std::vector<float> renderChord(const std::vector<double> &hz, Voice voice, double seconds, double volume = 1,
                               int sampleRate = kSampleRate);

} // namespace cordavo
