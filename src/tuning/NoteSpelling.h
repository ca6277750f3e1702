#pragma once

#include <QString>

#include <utility>

namespace cordavo {

// A note as it is written: its letter, 0 for C to 6 for B, and its
// accidental, -1 for a flat, 0 for none, +1 for a sharp.
struct SpelledNote {
    int letter = 0;
    int accidental = 0;

    int pitchClass() const;
    bool operator==(const SpelledNote &) const = default;
};

// The names tuners give the twelve keys when nothing else decides:
// C, C#, D, Eb, E, F, F#, G, G#, A, Bb, B (a meantone's keyboard).
SpelledNote usualSpelling(int pitchClass);

// Two notes 'semitones' apart (1 to 12), the lower a pitch class, written as
// that interval: a fifth across four letters (Eb–Bb), a major third across two
// (Db–F). Of the two ways of writing a black key the one with fewer
// accidentals wins, the tuners' usual name on a tie. A wolf is not the
// interval it stands for: its notes keep their usual names (G#–Eb).
std::pair<SpelledNote, SpelledNote> intervalSpelling(int lowerPitchClass, int semitones, bool wolf = false);

// The tonic of a key as its signature writes it: Db and Ab major rather than
// C# and G# (fewer accidentals); minor keys keep the usual names.
SpelledNote majorKeySpelling(int pitchClass);
SpelledNote minorKeySpelling(int pitchClass);

// "Eb", "C#": as files and the command line write a note.
QString spelledName(SpelledNote note);
// The same in the language of the installed translation ("Mib", "Es").
QString spelledDisplayName(SpelledNote note);

// How a note is named with its octave.
enum class OctaveNaming {
    Scientific, // C4 is middle C, A4 the A of 440 Hz
    Solfege,    // Italian and French: Do3 is middle C, La3 the A of 440 Hz
    Helmholtz,  // German and Dutch organ builders: c′ is middle C, a′ the A of 440 Hz
};

// The convention of the installed translation; scientific without one.
OctaveNaming octaveNamingInUse();

// A MIDI key with its octave in a convention, the note written as 'note'
// (which must be the key's pitch class): "Eb4", "Mib3", "es′". Helmholtz
// writes the octave below middle C in small letters (c), the one below it in
// capitals (C), lower octaves with a stroke each below (C͵, C͵͵), higher ones
// with a prime each (c′, c″, c‴) and from the fourth on as a raised figure
// (c⁴). The octave follows the letter: B#3 is the key of C4.
QString noteWithOctave(int midiKey, SpelledNote note, OctaveNaming naming);
// The same with the key's usual name.
QString noteWithOctave(int midiKey, OctaveNaming naming);
// "Eb4", "B#3": the scientific name in English, as files write it.
QString scientificName(int midiKey, SpelledNote note);

} // namespace cordavo
