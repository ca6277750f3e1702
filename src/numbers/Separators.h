#pragma once

#include <QChar>

namespace cordavo {

// The user's regional separators, read once at start-up by the windows and
// passed down to everything that writes or reads a number.
struct Separators {
    QChar decimal = QLatin1Char('.');
    QChar thousands = QLatin1Char(',');

    friend bool operator==(const Separators &, const Separators &) = default;
};

} // namespace cordavo
