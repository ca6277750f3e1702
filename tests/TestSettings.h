#pragma once

#include "numbers/Separators.h"

namespace cordavo {

// The two regional settings every test runs under.
inline constexpr Separators kCommaDecimal{QLatin1Char(','), QLatin1Char('.')};
inline constexpr Separators kFullStopDecimal{QLatin1Char('.'), QLatin1Char(',')};

} // namespace cordavo
