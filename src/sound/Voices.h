#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <span>
#include <vector>

namespace cordavo {

// Organ-like voices made of exact harmonics (whole multiples of the
// fundamental, no vibrato, no detuning), so that the coinciding partials of
// a fifth (3:2) and a third (5:4) beat at exactly the rates the temperament
// gives them.
enum class Voice { Principal, Flute, PrincipalOctave, Reed };
inline constexpr Voice kVoices[] = {Voice::Principal, Voice::Flute, Voice::PrincipalOctave, Voice::Reed};

// One voice as the program knows it: the name the Listen window lists and
// the command line takes, and its harmonics' relative amplitudes (harmonic 1,
// 2, 3, ...).
struct VoiceDescription {
    Voice voice;
    const char *name;
    std::vector<double> (*harmonics)();
};

// Every voice, in the order of kVoices.
std::span<const VoiceDescription> voiceDescriptions();
const VoiceDescription &voiceDescription(Voice voice);

// The command line's names: principal, flute, principal-octave, reed.
QString voiceName(Voice voice);
std::optional<Voice> voiceNamed(QStringView name);
// A voice's name as the Listen window lists it, in the language of the
// installed translation; the command line keeps voiceName().
QString voiceDisplayName(Voice voice);
// "principal, flute, principal-octave, reed".
QString voiceNames();

} // namespace cordavo
