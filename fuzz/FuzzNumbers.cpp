// Regional reading of any text, and the general number format of any value:
// what it writes reads back as the value to 15 significant digits.

#include "numbers/NumberFormat.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace cordavo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const QChar separator : {QLatin1Char(','), QLatin1Char('.')}) {
        if (const auto value = readRegional(text, separator); value && !std::isfinite(*value))
            std::abort();
        (void)readDecimalsChoice(text);
    }

    // The first ten bytes as an extended value.
    if (size < 10)
        return 0;
    long double x = 0;
    std::memcpy(&x, data, 10);
    // Only values the program can meet: normal numbers (exponent field 1 to
    // 0x7FFE with the explicit integer bit set) and zero. Subnormal, pseudo-
    // denormal and unnormal encodings never come out of its calculations.
    std::uint16_t exponent = 0;
    std::memcpy(&exponent, data + 8, 2);
    exponent &= 0x7FFF;
    const bool integerBit = (data[7] & 0x80) != 0;
    if (x != 0 && (exponent == 0 || exponent == 0x7FFF || !integerBit))
        return 0;
    // At the very ends of the range, 15 digits can round past the last
    // extended value; numbers that far out never arise either.
    if (x != 0 && !(std::fabs(x) > 1e-4900L && std::fabs(x) < 1e4900L))
        return 0;
    for (const QChar separator : {QLatin1Char(','), QLatin1Char('.')}) {
        const QString written = formatGeneral(x, separator);
        const auto back = readRegional(written, separator);
        if (!back)
            std::abort();
        if (x == 0) {
            if (*back != 0)
                std::abort();
            continue;
        }
        // Half a unit in the 15th significant digit, with room for the
        // rounding of the 18-digit expansion underneath.
        const long double magnitude = std::pow(10.0L, std::floor(std::log10(std::fabs(x))));
        if (std::fabs(*back - x) > 5.01e-15L * magnitude)
            std::abort();
        (void)formatPattern(x, u"#,###.##",
                            {separator, separator == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',')});
    }
    return 0;
}
