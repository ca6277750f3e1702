#pragma once

#include "tuning/LineFile.h"
#include "tuning/PitchTable.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>

namespace cordavo {

// One column of terms, C to B: the first terms or the second terms of a side.
using NoteTerms = std::array<long double, 12>;

// Twelve intervals above C, each the ratio first ÷ second.
struct IntervalTerms {
    NoteTerms first{};
    NoteTerms second{};
};

// Zero terms become 1 and negative terms their opposite, so every ratio is
// positive and no division meets zero.
void cleanTerms(NoteTerms &terms);

// The size of a frequency ratio in cents, in extended precision.
long double ratioCents(long double ratio);

// A ratio's cents narrowed to a double, rounded to the given decimals (0 to
// 10) and written in the general number format.
QString roundedCentsText(long double ratio, int decimals, QChar decimalSeparator);

// The equal-tempered positions "0", "100", ... "1100".
QStringList equalTemperamentCentsLines();

// Equal temperament written as fractions, each ratio 2^(i/12) to within
// 2E-14; a field keeping two decimals holds them a little less exactly.
IntervalTerms equalTemperamentFractions();

// The interval file (.Tfs): the twelve first terms, the twelve second terms,
// then the temperament's name.
inline constexpr QStringView kIntervalLayout = u"NNNNNNNNNNNNNNNNNNNNNNNNT";

struct IntervalRecord {
    IntervalTerms terms;
    QString name;
};

QStringList intervalFileLines(const IntervalRecord &record, QChar decimalSeparator);

// From the values of a file that checked out against kIntervalLayout.
IntervalRecord intervalRecord(const QList<LineValue> &values);

} // namespace cordavo
