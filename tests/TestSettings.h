#pragma once

#include "numbers/Separators.h"

#include <QString>

namespace cordavo {

// The two regional settings every test runs under.
inline constexpr Separators kCommaDecimal{QLatin1Char(','), QLatin1Char('.')};
inline constexpr Separators kFullStopDecimal{QLatin1Char('.'), QLatin1Char(',')};

// Texts are written for the comma setting; under the full-stop setting the
// two separators trade places in keys and texts alike.
inline QString inSetting(const char *commaText, const Separators &separators)
{
    QString text = QString::fromLatin1(commaText);
    if (separators == kFullStopDecimal) {
        for (QChar &c : text) {
            if (c == QLatin1Char(','))
                c = QLatin1Char('.');
            else if (c == QLatin1Char('.'))
                c = QLatin1Char(',');
        }
    }
    return text;
}

} // namespace cordavo
