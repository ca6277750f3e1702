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

// One cycle of each voice with its first 0, 1, 2, ... harmonics, made once
// for every synthesizer: a note plays the one that leaves out the harmonics
// above kHighestPartial.
using VoiceWaves = std::vector<std::vector<float>>;

VoiceWaves makeWaves(const VoiceDescription &voice)
{
    const std::vector<double> amplitudes = voice.harmonics();
    double total = 0;
    for (double a : amplitudes)
        total += a;
    std::vector<float> wave(kWaveLength + 1, 0.0F);
    VoiceWaves waves{wave};
    for (size_t k = 0; k < amplitudes.size(); ++k) {
        const int harmonic = static_cast<int>(k) + 1;
        for (int i = 0; i <= kWaveLength; ++i) {
            const double angle = 2 * std::numbers::pi * harmonic * i / kWaveLength;
            // The sum of the amplitudes bounds the wave, so one note stays
            // within 1 / kMostNotes of full scale.
            wave[static_cast<size_t>(i)] += static_cast<float>(amplitudes[k] / total / kMostNotes * std::sin(angle));
        }
        waves.push_back(wave);
    }
    return waves;
}

const float *waveFor(Voice voice, double hz, int sampleRate)
{
    static const std::vector<VoiceWaves> kWaves = [] {
        std::vector<VoiceWaves> waves;
        for (const VoiceDescription &description : voiceDescriptions())
            waves.push_back(makeWaves(description));
        return waves;
    }();
    const std::span<const VoiceDescription> voices = voiceDescriptions();
    const auto index = static_cast<size_t>(
        std::distance(voices.begin(), std::find_if(voices.begin(), voices.end(),
                                                   [voice](const VoiceDescription &d) { return d.voice == voice; })));
    const VoiceWaves &waves = kWaves[std::min(index, kWaves.size() - 1)];
    size_t harmonics = 0;
    while (harmonics + 1 < waves.size() && !(static_cast<double>(harmonics + 1) * hz > kHighestPartial * sampleRate))
        ++harmonics;
    return waves[harmonics].data();
}

} // namespace

ToneSynth::ToneSynth(Voice voice, int sampleRate, int capacity)
    : m_sampleRate(sampleRate), m_rampSamples(std::max(1, static_cast<int>(std::lround(kRampSeconds * sampleRate)))),
      m_voice(voice), m_switches(4 * static_cast<size_t>(std::max(capacity, 1))), m_keyboardVoice(voice)
{
    m_notes.reserve(static_cast<size_t>(std::max(capacity, 1)));
    // Until told otherwise, keyboards play in equal temperament at A = 440 Hz.
    for (size_t key = 0; key < m_keyHz.size(); ++key)
        m_keyHz[key] = 440 * std::exp2((static_cast<double>(key) - 69) / 12);
    // The waves are made with the first synthesizer, not at its first note.
    waveFor(voice, 0, sampleRate);
}

void ToneSynth::setVoice(Voice voice)
{
    m_voice = voice;
    m_keyboardVoice.store(voice, std::memory_order_relaxed);
}

void ToneSynth::setSampleRate(int sampleRate)
{
    m_sampleRate = std::max(sampleRate, 1);
    m_rampSamples = std::max(1, static_cast<int>(std::lround(kRampSeconds * m_sampleRate)));
}

void ToneSynth::setVolume(double volume)
{
    m_volume = std::clamp(volume, 0.0, 1.0);
}

int ToneSynth::soundingNotes() const
{
    return m_notesRendered + m_notesWaiting;
}

void ToneSynth::send(const Command &command)
{
    if (command.kind == Switch::On)
        ++m_notesWaiting;
    if (m_switches.push(command))
        return;
    if (command.kind == Switch::On)
        --m_notesWaiting;
    ++m_overflows;
    m_overflowed.store(true, std::memory_order_release);
}

int ToneSynth::noteOn(double hz)
{
    const int id = m_nextId++;
    send({Switch::On, id, hz, waveFor(m_voice, hz, m_sampleRate)});
    return id;
}

void ToneSynth::noteOff(int id)
{
    send({Switch::Off, id});
}

void ToneSynth::allNotesOff()
{
    send({Switch::AllOff});
}

void ToneSynth::setFrequency(int id, double hz)
{
    send({Switch::Retune, id, hz});
}

KeyboardLane *ToneSynth::openKeyboard()
{
    for (KeyboardLane &lane : m_lanes) {
        if (!lane.m_taken.load(std::memory_order_relaxed)) {
            lane.m_taken.store(true, std::memory_order_relaxed);
            return &lane;
        }
    }
    return nullptr;
}

void ToneSynth::closeKeyboard(KeyboardLane *lane)
{
    if (!lane)
        return;
    // This thread pushes now that the keyboard's has stopped. Whatever the
    // keyboard queued is taken first, then its keys are released.
    lane->push({KeySwitch::Kind::AllOff, 0});
    lane->m_taken.store(false, std::memory_order_relaxed);
}

void ToneSynth::setKeyPitches(const std::array<double, 128> &hz)
{
    for (size_t key = 0; key < hz.size(); ++key)
        m_keyHz[key].store(hz[key], std::memory_order_relaxed);
    // Read after the pitches: a renderer that sees the new version sees them all.
    m_keyHzVersion.fetch_add(1, std::memory_order_release);
}

void ToneSynth::takeKeyboards()
{
    for (KeyboardLane &lane : m_lanes) {
        KeySwitch key;
        while (lane.m_queue.pop(key))
            keyboardKey(lane, key.kind, key.key);
        // After the queue is empty: what the keyboard queued before the loss
        // is taken, then released.
        if (lane.m_queue.dropping())
            releaseKeyboard(lane);
    }
    const unsigned version = m_keyHzVersion.load(std::memory_order_acquire);
    if (version != m_keyHzSeen) {
        m_keyHzSeen = version;
        for (Note &note : m_notes) {
            if (isKeyboardNote(note.id))
                note.hz = m_keyHz[static_cast<size_t>(-1 - note.id)].load(std::memory_order_relaxed);
        }
    }
}

void ToneSynth::keyboardKey(KeyboardLane &lane, KeySwitch::Kind kind, int key)
{
    if (kind == KeySwitch::Kind::AllOff) {
        releaseKeyboard(lane);
        return;
    }
    const bool on = kind == KeySwitch::Kind::On;
    if (key < 0 || key >= 128 || lane.m_down[static_cast<size_t>(key)] == on)
        return;
    lane.m_down[static_cast<size_t>(key)] = on;
    std::uint8_t &holders = m_keyHolders[static_cast<size_t>(key)];
    if (on && ++holders == 1) {
        const double hz = m_keyHz[static_cast<size_t>(key)].load(std::memory_order_relaxed);
        if (m_notes.size() < m_notes.capacity()) {
            m_notes.push_back({keyboardNoteId(key), hz, 0,
                               waveFor(m_keyboardVoice.load(std::memory_order_relaxed), hz, m_sampleRate), 0, false});
        }
    } else if (!on && --holders == 0) {
        for (Note &note : m_notes) {
            if (note.id == keyboardNoteId(key))
                release(note);
        }
    }
}

void ToneSynth::releaseKeyboard(KeyboardLane &lane)
{
    for (int key = 0; key < 128; ++key) {
        if (lane.m_down[static_cast<size_t>(key)])
            keyboardKey(lane, KeySwitch::Kind::Off, key);
    }
}

void ToneSynth::forgetKeyboards()
{
    for (KeyboardLane &lane : m_lanes)
        lane.m_down.reset();
    m_keyHolders.fill(0);
}

int ToneSynth::apply(const Command &command)
{
    switch (command.kind) {
    case Switch::On:
        // Within the room made for them, so that adding a note never allocates.
        if (m_notes.size() < m_notes.capacity())
            m_notes.push_back({command.id, command.hz, 0, command.wave, 0, false});
        return 1;
    case Switch::Off:
    case Switch::AllOff:
        for (Note &note : m_notes) {
            if (command.kind == Switch::AllOff || note.id == command.id)
                release(note);
        }
        // The keys still held start again only when pressed again.
        if (command.kind == Switch::AllOff)
            forgetKeyboards();
        return 0;
    case Switch::Retune:
        for (Note &note : m_notes) {
            if (note.id == command.id)
                note.hz = command.hz;
        }
        return 0;
    }
    return 0;
}

void ToneSynth::release(Note &note) const
{
    if (note.releasing)
        return;
    // A release that starts during the attack starts at the gain the attack
    // had reached (the raised cosine is symmetric).
    note.releasing = true;
    note.rampSample = m_rampSamples - std::min(note.rampSample, m_rampSamples);
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
    int notesTaken = 0;
    Command command;
    while (m_switches.pop(command))
        notesTaken += apply(command);
    if (m_overflowed.exchange(false, std::memory_order_acq_rel)) {
        for (Note &note : m_notes)
            release(note);
        forgetKeyboards();
    }
    takeKeyboards();
    const double volume = m_volume;
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
            scale[static_cast<size_t>(i)] = volume * (weight > kMostNotes ? kMostNotes / weight : 1.0);
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
                const double sample = note.wave[index] * (1 - fraction) + note.wave[index + 1] * fraction;
                block[i] += static_cast<float>(sample * gain * scale[static_cast<size_t>(i)]);
                note.phase += step;
                note.phase -= std::floor(note.phase);
            }
        }
    }
    // Erasing keeps the room made: nothing is freed here.
    std::erase_if(m_notes, [this](const Note &note) { return note.releasing && note.rampSample > m_rampSamples; });
    m_notesRendered = static_cast<int>(m_notes.size());
    m_notesWaiting -= notesTaken;
}

std::vector<float> renderChord(const std::vector<double> &hz, Voice voice, double seconds, double volume,
                               int sampleRate)
{
    const auto total = static_cast<int>(std::lround(seconds * sampleRate));
    const auto ramp = static_cast<int>(std::lround(kRampSeconds * sampleRate));
    ToneSynth synth(voice, sampleRate, std::max(kNoteCapacity, static_cast<int>(hz.size())));
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
