#include "devices/MidiDecoder.h"

namespace cordavo {

namespace {

constexpr unsigned char kNoteOff = 0x80;
constexpr unsigned char kNoteOn = 0x90;
constexpr unsigned char kControlChange = 0xB0;
constexpr unsigned char kSustainPedal = 64;
constexpr unsigned char kAllSoundOff = 120;
constexpr unsigned char kResetAllControllers = 121;
constexpr unsigned char kAllNotesOff = 123;
constexpr unsigned char kLastModeMessage = 127; // omni off/on, mono, poly: all notes off too

} // namespace

MidiDecoder::MidiDecoder(int channel) : m_channel(channel) {}

void MidiDecoder::press(std::uint16_t channel, int key)
{
    m_down[key] |= channel;
    m_held[key] &= ~channel;
}

void MidiDecoder::release(std::uint16_t channel, int key)
{
    if (!(m_down[key] & channel))
        return;
    m_down[key] &= ~channel;
    if (m_pedal & channel)
        m_held[key] |= channel;
}

std::size_t MidiDecoder::decode(const unsigned char *bytes, std::size_t size, MidiNoteEvents &events)
{
    if (size < 3 || bytes[0] < 0x80 || bytes[0] >= 0xF0 || bytes[1] >= 0x80 || bytes[2] >= 0x80)
        return 0;
    const int channelNumber = (bytes[0] & 0x0F) + 1;
    if (m_channel != kAnyChannel && channelNumber != m_channel)
        return 0;
    const auto channel = static_cast<std::uint16_t>(1u << (channelNumber - 1));
    const unsigned char type = bytes[0] & 0xF0;
    const int data = bytes[1];
    const int value = bytes[2];

    std::array<bool, 128> before{};
    for (int key = 0; key < 128; ++key)
        before[key] = sounds(key);

    if (type == kNoteOn && value > 0) {
        press(channel, data);
    } else if (type == kNoteOn || type == kNoteOff) {
        release(channel, data);
    } else if (type == kControlChange) {
        if (data == kSustainPedal || data == kResetAllControllers) {
            if (data == kSustainPedal && value >= 64) {
                m_pedal |= channel;
            } else {
                m_pedal &= ~channel;
                for (auto &held : m_held)
                    held &= ~channel;
            }
        } else if (data == kAllSoundOff) {
            for (int key = 0; key < 128; ++key) {
                m_down[key] &= ~channel;
                m_held[key] &= ~channel;
            }
        } else if (data >= kAllNotesOff && data <= kLastModeMessage) {
            for (int key = 0; key < 128; ++key)
                release(channel, key);
        }
    }

    std::size_t count = 0;
    for (int key = 0; key < 128; ++key) {
        const bool now = sounds(key);
        if (now != before[key])
            events[count++] = {now ? MidiNoteEvent::Kind::On : MidiNoteEvent::Kind::Off,
                               static_cast<std::uint8_t>(key)};
    }
    return count;
}

} // namespace cordavo
