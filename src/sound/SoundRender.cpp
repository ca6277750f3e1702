#include "sound/SoundRender.h"

#include "sound/ToneSynth.h"

#include <algorithm>

namespace cordavo {

namespace {

std::vector<double> keysHz(const std::vector<int> &keys, const KeyPitches &pitches)
{
    std::vector<double> hz;
    for (int key : keys)
        hz.push_back(static_cast<double>(pitches[static_cast<size_t>(std::clamp(key, 0, kMidiKeyCount - 1))]));
    return hz;
}

} // namespace

std::vector<float> renderSound(const ListenSound &sound, const KeyPitches &pitches, Voice voice, double seconds)
{
    if (sound.steps.empty())
        return {};
    if (sound.stepSeconds <= 0)
        return renderChord(keysHz(sound.steps.front(), pitches), voice, seconds);
    std::vector<float> samples;
    for (const std::vector<int> &keys : sound.steps) {
        const std::vector<float> chord = renderChord(keysHz(keys, pitches), voice, sound.stepSeconds);
        samples.insert(samples.end(), chord.begin(), chord.end());
    }
    return samples;
}

QByteArray soundWav(const ListenSound &sound, const KeyPitches &pitches, Voice voice, double seconds, WavSamples format)
{
    return wavBytes(renderSound(sound, pitches, voice, seconds), kSampleRate, format);
}

} // namespace cordavo
