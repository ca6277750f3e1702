#pragma once

#include "tuning/PitchTable.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

namespace cordavo {

// The comma that a side's fractions of a fifth refer to.
enum class Comma { Syntonic, Pythagorean };

// 81:80 and 3^12:2^19 in cents.
inline constexpr long double kSyntonicComma = 21.50628959671L;
inline constexpr long double kPythagoreanComma = 23.460010384649L;

long double commaCents(Comma comma);

// Twelve values in circle order: C-G, G-D, D-A, A-E, E-B, B-F#, F#-C#,
// C#-G#, G#-Eb, Eb-Bb, Bb-F, F-C.
using CircleValues = std::array<long double, 12>;
// The item chosen in each fifth box, in circle order.
using FifthChoices = std::array<int, 12>;

// Where each fifth of the circle lands, as a note index (G, D, A, ... C).
inline constexpr std::array<int, 12> kNoteReached{7, 2, 9, 4, 11, 6, 1, 8, 3, 10, 5, 0};

// The notes round the circle as the fifth boxes are labelled, from C back to
// C: the notes the fifths reach, with the flats a circle of fifths writes
// for D# and A# (Eb, Bb).
inline constexpr std::array<const char *, 13> kCircleNotes = [] {
    std::array<const char *, 13> names{kNoteNames[0]};
    for (int k = 0; k < 12; ++k) {
        const int note = kNoteReached[k];
        names[k + 1] = note == 3 ? kEFlatName : note == 10 ? kBFlatName : kNoteNames[note];
    }
    return names;
}();

// The position of the note each fifth reaches when every fifth from C up to
// it is pure; the chain runs upward all the way to F, and C is 0.
inline constexpr CircleValues kPythagoreanCents{
    701.955000865387L, 203.910001730775L, 905.865002596162L, 407.82000346155L,  1109.77500432694L, 611.730005192324L,
    113.685006057712L, 815.640006923099L, 317.595007788487L, 1019.55000865387L, 521.505009519262L, 0.0L,
};

// The items of a fifth box: a part of the comma that narrows the fifth
// ("+" widens it). Every box starts at "- 1/4".
inline constexpr int kFifthItemCount = 10;
inline constexpr int kFirstFifthItem = 3;
QStringList fifthItemTexts();

// The item a fifth box's text names: an item's text, blanks aside; any
// other text is a pure fifth, item 0.
int fifthItemOfText(QStringView text);

// The item a fifth box's text names, blanks aside; nothing for any other text.
std::optional<int> fifthItemNamed(QStringView text);
// Why a fifth's text names no item, the fifth named as the caller names it:
// "fifth 10: "-1/12" is not one of 0 -1/2 ... +1/6".
QString fifthItemRefusal(const QString &fifth, const QString &text);

// The narrowing in cents of a fifth at this item: 0 for item 0 and for any
// index outside the list (no item selected).
long double fifthNarrowing(int item, Comma comma);

// Positions in cents above C, in note order, of the notes reached by the
// circle: the running sum of narrowings is taken from F-C first, each note
// is rounded to the given decimals, then everything is shifted so that C is 0.
NoteCents circlePositions(const CircleValues &narrowing, int decimals,
                          const CircleValues &pythagorean = kPythagoreanCents);

// The twelve texts a side's list shows, in note order.
QStringList positionTexts(const NoteCents &positions, QChar decimalSeparator);

// One side's calculation from its boxes: the chosen items, the comma and
// the number of decimals (0 to 10).
QStringList calculateCircle(const FifthChoices &items, Comma comma, int decimals, QChar decimalSeparator);

// Equal temperament: 0, 100, ... 1100.
QStringList equalTemperamentTexts(QChar decimalSeparator);

} // namespace cordavo
