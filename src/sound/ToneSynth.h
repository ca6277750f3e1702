#pragma once

#include "sound/SwitchQueue.h"
#include "sound/Voices.h"

#include <array>
#include <atomic>
#include <bitset>
#include <cstdint>
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

// How many notes a synthesizer holds at once (those releasing included), and
// how many switches may wait for its renderer, unless it is made for more.
inline constexpr int kNoteCapacity = 1024;

// A key of a keyboard starting or stopping, or all of its keys stopping.
struct KeySwitch {
    enum class Kind : std::uint8_t { On, Off, AllOff };
    Kind kind = Kind::Off;
    std::uint8_t key = 0; // MIDI note number, 0 to 127
};

// The way from one keyboard's thread straight to the renderer, with no window
// between: a key pushed here sounds in the next block rendered.
class KeyboardLane
{
public:
    // In the keyboard's thread, one thread at a time. A switch the full lane
    // cannot take is lost, and with it the keyboard's every note.
    void push(const KeySwitch &key) { m_queue.push(key); }

private:
    friend class ToneSynth;
    static constexpr size_t kCapacity = 1024;
    KeyQueue<KeySwitch> m_queue{kCapacity, {KeySwitch::Kind::AllOff, 0}};
    std::atomic<bool> m_taken = false; // the switching thread's
    std::bitset<128> m_down;           // the renderer's: keys this keyboard sounds
};

// A synthesizer that plays notes as they are switched on and off: the same
// code renders a chord into a file and feeds a sound device. Notes are
// switched in one thread (the window's) while one other renders (the sound
// device's): the switches reach the renderer through a queue of fixed size,
// and render() takes no lock and allocates or frees no memory, so the
// device is never held up by the window. Everything but render() belongs to
// the switching thread; render() is called from one thread at a time.
class ToneSynth
{
public:
    explicit ToneSynth(Voice voice = Voice::Principal, int sampleRate = kSampleRate, int capacity = kNoteCapacity);

    // For the notes switched on from now.
    void setVoice(Voice voice);
    // The rate the sound device plays at; only while nothing renders.
    void setSampleRate(int sampleRate);
    int sampleRate() const { return m_sampleRate; }
    // 0 to 1; any thread.
    void setVolume(double volume);

    // Starts a note at its attack; the returned id names it from then on.
    // More notes than the capacity are let go unheard. A switch the full
    // queue cannot take is lost, and with it every note: the renderer lets
    // all of them go at its next block, so that no note whose note-off was
    // lost sounds on (overflows() counts such losses).
    int noteOn(double hz);
    // Starts the note's release; it is gone once the ramp has ended.
    void noteOff(int id);
    void allNotesOff();
    // Moves a sounding note to another pitch without a break in its wave:
    // the phase runs on, so the switch makes no click.
    void setFrequency(int id, double hz);
    bool sounding() const { return soundingNotes() > 0; }
    // The notes the renderer held after its last block, and those switched
    // on since that it has not yet taken.
    int soundingNotes() const;
    // How many times a switch was lost to a full queue, so far.
    int overflows() const { return m_overflows; }

    // Keyboards play into the renderer through lanes of their own, at the
    // pitches set here for every MIDI note (set them before the first key).
    // A key sounds once however many keyboards hold it, until the last lets
    // it go; allNotesOff() and a lost switch release keyboard notes too.
    static constexpr int kKeyboardLanes = 16;
    // Keyboard notes are named by their key, apart from those noteOn()
    // starts, which count up from 1.
    static constexpr int keyboardNoteId(int key) { return -1 - key; }
    static constexpr bool isKeyboardNote(int id) { return id < 0; }
    // A lane for one more keyboard; null when every lane is taken.
    KeyboardLane *openKeyboard();
    // Once the keyboard's thread has stopped: its notes are released, and its
    // lane is free for another.
    void closeKeyboard(KeyboardLane *lane);
    // The pitch of every MIDI note; keyboard notes sounding are moved to it
    // at the next block, as setFrequency() moves them.
    void setKeyPitches(const std::array<double, 128> &hz);

    // Adds the next 'frames' samples (mono) to nothing: out is overwritten.
    void render(float *out, int frames);

private:
    struct Note {
        int id = 0;
        double hz = 0;
        double phase = 0;            // in cycles, 0 to 1
        const float *wave = nullptr; // one cycle of the voice, band-limited for hz
        int rampSample = 0;          // samples into the attack or release
        bool releasing = false;
    };
    enum class Switch { On, Off, AllOff, Retune };
    struct Command {
        Switch kind = Switch::On;
        int id = 0;
        double hz = 0;
        const float *wave = nullptr;
    };

    void send(const Command &command);
    // In the renderer.
    int apply(const Command &command);
    // The note's ramp gain 'ahead' samples from now.
    double gainAhead(const Note &note, int ahead) const;
    void release(Note &note) const;
    // In the renderer: what the keyboards played since the last block.
    void takeKeyboards();
    void keyboardKey(KeyboardLane &lane, KeySwitch::Kind kind, int key);
    void releaseKeyboard(KeyboardLane &lane);
    void forgetKeyboards();

    int m_sampleRate;
    int m_rampSamples;
    std::atomic<double> m_volume = 1;
    // The switching thread's.
    Voice m_voice;
    int m_nextId = 1;
    int m_overflows = 0;
    SwitchQueue<Command> m_switches;
    // Set when a switch is lost; the renderer then releases every note.
    std::atomic<bool> m_overflowed = false;
    std::atomic<int> m_notesWaiting = 0;
    std::atomic<int> m_notesRendered = 0;
    // The renderer's; its room is made when the synthesizer is.
    std::vector<Note> m_notes;
    // Keyboards, for their threads and the renderer.
    std::array<KeyboardLane, kKeyboardLanes> m_lanes;
    std::atomic<Voice> m_keyboardVoice;
    std::array<std::atomic<double>, 128> m_keyHz{};
    std::atomic<unsigned> m_keyHzVersion = 0;
    // The renderer's: how many keyboards hold each key, and the pitches it read last.
    std::array<std::uint8_t, 128> m_keyHolders{};
    unsigned m_keyHzSeen = 0;
};

// The notes sounding together for 'seconds', their release ending at the
// end: what "Save Sound…" and the command line write.
std::vector<float> renderChord(const std::vector<double> &hz, Voice voice, double seconds, double volume = 1,
                               int sampleRate = kSampleRate);

} // namespace cordavo
