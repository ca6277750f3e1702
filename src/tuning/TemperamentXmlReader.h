#pragma once

#include "tuning/Result.h"
#include "tuning/TemperamentXml.h"

#include <QString>

namespace cordavo {

// What a temperament document gives back: its identifying data, and as its
// pitches two A's from 400 to 500 Hz and twelve deviations within -1200 ...
// +1200 cents, so that generating from these data gives the same pitches
// again; or why it cannot be read. Where it can, old A is 440 and new A the
// pitch of A (MIDI 69), which is then at 0; every document this program
// writes is read back.
using ReadTemperament = Result<TemperamentData>;

// How far the octaves of a document may disagree, in cents, before it is
// refused as not a temperament of twelve notes repeated in every octave.
inline constexpr long double kOctaveTolerance = 0.01L;

// Reads a temperament document in any element order and whitespace, with
// either decimal separator in its numbers. fileName only serves the messages.
ReadTemperament readTemperamentXml(const QString &text, const QString &fileName);

} // namespace cordavo
