#include "sound/WavFile.h"

#include <QtEndian>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace cordavo {

namespace {

void put16(QByteArray &bytes, std::uint16_t value)
{
    char b[2];
    qToLittleEndian(value, b);
    bytes.append(b, 2);
}

void put32(QByteArray &bytes, std::uint32_t value)
{
    char b[4];
    qToLittleEndian(value, b);
    bytes.append(b, 4);
}

} // namespace

QByteArray wavBytes(const std::vector<float> &samples, int sampleRate, WavSamples format)
{
    const bool pcm = format == WavSamples::Pcm16;
    const std::uint16_t bytesPerSample = pcm ? 2 : 4;
    const auto dataSize = static_cast<std::uint32_t>(samples.size() * bytesPerSample);
    // Float files carry the longer format chunk and a fact chunk, as readers
    // of non-PCM WAV files expect.
    const std::uint32_t formatSize = pcm ? 16 : 18;
    const std::uint32_t factSize = pcm ? 0 : 12;

    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(44 + factSize + dataSize + 2));
    bytes += "RIFF";
    put32(bytes, 4 + (8 + formatSize) + factSize + (8 + dataSize));
    bytes += "WAVE";
    bytes += "fmt ";
    put32(bytes, formatSize);
    put16(bytes, pcm ? 1 : 3);
    put16(bytes, 1); // mono
    put32(bytes, static_cast<std::uint32_t>(sampleRate));
    put32(bytes, static_cast<std::uint32_t>(sampleRate) * bytesPerSample);
    put16(bytes, bytesPerSample);
    put16(bytes, static_cast<std::uint16_t>(8 * bytesPerSample));
    if (!pcm) {
        put16(bytes, 0);
        bytes += "fact";
        put32(bytes, 4);
        put32(bytes, static_cast<std::uint32_t>(samples.size()));
    }
    bytes += "data";
    put32(bytes, dataSize);
    for (float sample : samples) {
        if (pcm) {
            const long value = std::lround(std::clamp(sample, -1.0F, 1.0F) * 32767.0F);
            put16(bytes, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
        } else {
            put32(bytes, std::bit_cast<std::uint32_t>(sample));
        }
    }
    return bytes;
}

} // namespace cordavo
