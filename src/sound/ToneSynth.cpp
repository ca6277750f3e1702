#include "sound/ToneSynth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace cordavo {

namespace {

constexpr int kWaveLength = 4096;
// Partials above this share of the sample rate are left out, so that no
// harmonic folds back below the Nyquist frequency.
constexpr double kHighestPartial = 0.45;

double rampGain(int sample, int length)
{
    if (sample >= length)
        return 1;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * sample / length);
}

} // namespace

ToneSynth::ToneSynth(Voice voice, int sampleRate)
    : m_voice(voice), m_sampleRate(sampleRate),
      m_rampSamples(std::max(1, static_cast<int>(std::lround(kRampSeconds * sampleRate))))
{
}

void ToneSynth::setVoice(Voice voice)
{
    const std::lock_guard lock(m_mutex);
    m_voice = voice;
}

void ToneSynth::setVolume(double volume)
{
    const std::lock_guard lock(m_mutex);
    m_volume = std::clamp(volume, 0.0, 1.0);
}

int ToneSynth::soundingNotes() const
{
    const std::lock_guard lock(m_mutex);
    return static_cast<int>(m_notes.size());
}

void ToneSynth::makeWave(Note &note, Voice voice) const
{
    const std::vector<double> amplitudes = voiceDescription(voice).harmonics();
    double total = 0;
    for (double a : amplitudes)
        total += a;
    note.wave.assign(kWaveLength + 1, 0.0F);
    for (size_t k = 0; k < amplitudes.size(); ++k) {
        const int harmonic = static_cast<int>(k) + 1;
        if (harmonic * note.hz > kHighestPartial * m_sampleRate)
            break;
        for (int i = 0; i <= kWaveLength; ++i) {
            const double angle = 2 * std::numbers::pi * harmonic * i / kWaveLength;
            // The sum of the amplitudes bounds the wave, so one note stays
            // within 1 / kMostNotes of full scale.
            note.wave[static_cast<size_t>(i)] +=
                static_cast<float>(amplitudes[k] / total / kMostNotes * std::sin(angle));
        }
    }
}

int ToneSynth::noteOn(double hz)
{
    Note note;
    note.hz = hz;
    Voice voice;
    {
        const std::lock_guard lock(m_mutex);
        voice = m_voice;
        note.id = m_nextId++;
    }
    makeWave(note, voice);
    const std::lock_guard lock(m_mutex);
    m_notes.push_back(std::move(note));
    return m_notes.back().id;
}

void ToneSynth::noteOff(int id)
{
    const std::lock_guard lock(m_mutex);
    release(id);
}

void ToneSynth::release(int id)
{
    for (Note &note : m_notes) {
        if (note.id == id && !note.releasing) {
            // A release that starts during the attack starts at the gain the
            // attack had reached (the raised cosine is symmetric).
            note.releasing = true;
            note.rampSample = m_rampSamples - std::min(note.rampSample, m_rampSamples);
        }
    }
}

void ToneSynth::allNotesOff()
{
    const std::lock_guard lock(m_mutex);
    for (Note &note : m_notes)
        release(note.id);
}

void ToneSynth::setFrequency(int id, double hz)
{
    const std::lock_guard lock(m_mutex);
    for (Note &note : m_notes) {
        if (note.id == id)
            note.hz = hz;
    }
}

double ToneSynth::gainAhead(const Note &note, int ahead) const
{
    const int sample = std::min(note.rampSample + ahead, m_rampSamples + 1);
    const double gain = rampGain(sample, m_rampSamples);
    if (note.releasing)
        return sample >= m_rampSamples ? 0 : 1 - gain;
    return gain;
}

void ToneSynth::render(float *out, int frames)
{
    const std::lock_guard lock(m_mutex);
    std::fill(out, out + frames, 0.0F);
    // In blocks, each with the headroom of its samples worked out first: the
    // notes' gains summed, and the share of full scale each note may take.
    constexpr int kBlock = 256;
    std::array<double, kBlock> scale;
    for (int start = 0; start < frames; start += kBlock) {
        const int length = std::min(kBlock, frames - start);
        const bool ramping = std::any_of(m_notes.begin(), m_notes.end(), [this](const Note &note) {
            return note.releasing || note.rampSample <= m_rampSamples;
        });
        for (int i = 0; i < length; ++i) {
            // Notes past their attacks weigh one each, the whole block long.
            double weight = static_cast<double>(m_notes.size());
            if (ramping) {
                weight = 0;
                for (const Note &note : m_notes)
                    weight += gainAhead(note, i);
            }
            scale[static_cast<size_t>(i)] = m_volume * (weight > kMostNotes ? kMostNotes / weight : 1.0);
        }
        float *block = out + start;
        for (Note &note : m_notes) {
            const double step = note.hz / m_sampleRate;
            for (int i = 0; i < length; ++i) {
                const double gain = gainAhead(note, 0);
                if (note.rampSample <= m_rampSamples)
                    ++note.rampSample;
                const double position = note.phase * kWaveLength;
                const auto index = static_cast<int>(position);
                const double fraction = position - index;
                const double sample = note.wave[static_cast<size_t>(index)] * (1 - fraction) +
                                      note.wave[static_cast<size_t>(index) + 1] * fraction;
                block[i] += static_cast<float>(sample * gain * scale[static_cast<size_t>(i)]);
                note.phase += step;
                note.phase -= std::floor(note.phase);
            }
        }
    }
    std::erase_if(m_notes, [this](const Note &note) { return note.releasing && note.rampSample > m_rampSamples; });
}

std::vector<float> renderChord(const std::vector<double> &hz, Voice voice, double seconds, double volume,
                               int sampleRate)
{
    const auto total = static_cast<int>(std::lround(seconds * sampleRate));
    const auto ramp = static_cast<int>(std::lround(kRampSeconds * sampleRate));
    ToneSynth synth(voice, sampleRate);
    synth.setVolume(volume);
    for (double f : hz)
        synth.noteOn(f);
    std::vector<float> samples(static_cast<size_t>(std::max(total, 0)));
    // The release starts so that it ends with the last sample.
    const int held = std::max(0, total - ramp - 1);
    synth.render(samples.data(), held);
    synth.allNotesOff();
    synth.render(samples.data() + held, total - held);
    return samples;
}

} // namespace cordavo
