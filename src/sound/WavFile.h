#pragma once

#include <QByteArray>

#include <vector>

namespace cordavo {

// How a WAV file holds its samples.
enum class WavSamples { Pcm16, Float32 };

// A mono WAV file of these samples (-1 to 1): 16-bit PCM, each sample
// rounded and held within the range, or 32-bit IEEE float as it stands.
QByteArray wavBytes(const std::vector<float> &samples, int sampleRate, WavSamples format);

} // namespace cordavo
