#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace cordavo {

// What a keyboard's playing comes to for an organ: a key starts or stops
// sounding, or a source's every note stops at once.
struct MidiNoteEvent {
    enum class Kind : std::uint8_t { On, Off, AllOff };
    Kind kind = Kind::Off;
    std::uint8_t key = 0;
    bool operator==(const MidiNoteEvent &) const = default;
};

// A message can change each of the 128 keys once at most.
using MidiNoteEvents = std::array<MidiNoteEvent, 128>;

// Turns the MIDI messages of one source into keys that start and stop
// sounding. An organ ignores velocity; a note-on with velocity 0 is a
// note-off; the sustain pedal (controller 64) holds released keys until it is
// lifted; All Sound Off (120) silences its channel at once, All Notes Off
// (123, and the mode messages 124-127 that imply it) releases its channel's
// keys as note-offs would, so that a pressed pedal still holds them; Reset All
// Controllers (121) lifts the pedal. The state is kept per channel, so a key
// held on two channels sounds until both release it. No allocation: the
// decoding runs in the MIDI thread.
class MidiDecoder
{
public:
    static constexpr int kAnyChannel = 0;

    // 'channel' from 1 to 16, or kAnyChannel; messages of other channels are ignored.
    explicit MidiDecoder(int channel = kAnyChannel);

    // Decodes one complete message (status byte first) into 'events', in key
    // order; returns how many were written. System messages and malformed
    // ones change nothing.
    std::size_t decode(const unsigned char *bytes, std::size_t size, MidiNoteEvents &events);

    bool sounds(int key) const { return (m_down[key] | m_held[key]) != 0; }

private:
    void press(std::uint16_t channel, int key);
    void release(std::uint16_t channel, int key);

    int m_channel;
    std::array<std::uint16_t, 128> m_down{}; // channels whose key is down, one bit each
    std::array<std::uint16_t, 128> m_held{}; // channels whose pedal holds the released key
    std::uint16_t m_pedal = 0;               // channels whose sustain pedal is down
};

} // namespace cordavo
