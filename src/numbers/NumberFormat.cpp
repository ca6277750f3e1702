#include "numbers/NumberFormat.h"

#include <charconv>
#include <cmath>
#if defined(__MINGW32__)
#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdlib>
#endif
#include <string>
#include <string_view>

#include <QCoreApplication>

namespace cordavo {

namespace {

// The exponent written after an 'e': an optional sign, then digits that fit.
long long readExponent(std::string_view digits)
{
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    long long exponent = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
    return exponent;
}

// Reads digits with a full stop and an optional exponent, all of 'ascii', as
// std::from_chars does.
std::from_chars_result readLongDouble(const std::string &ascii, long double &value)
{
#if defined(__MINGW32__)
    // MinGW's std::from_chars reads a long double through a double, losing its
    // last eleven bits; MinGW's strtold reads all 64, in the C library's
    // locale's form (which the program leaves as it is).
    std::string text = ascii;
    const char *point = std::localeconv()->decimal_point;
    if (point && point[0] && !point[1])
        std::replace(text.begin(), text.end(), '.', point[0]);
    char *end = nullptr;
    errno = 0;
    const long double read = std::strtold(text.c_str(), &end);
    std::from_chars_result result{ascii.data() + (end - text.c_str()), std::errc()};
    if (end == text.c_str())
        result.ec = std::errc::invalid_argument;
    else if (errno == ERANGE && (read == 0 || std::isinf(read)))
        result.ec = std::errc::result_out_of_range;
    else
        value = read;
    return result;
#else
    return std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
#endif
}

// A finite non-zero value as 18 significant decimal digits, correctly rounded:
// value = d0.d1d2...d17 x 10^exponent.
struct DecimalExpansion {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

constexpr int kExpansionDigits = 18;

DecimalExpansion expand(long double x)
{
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, kExpansionDigits - 1);
    const std::string text(buffer, result.ptr);
    DecimalExpansion e;
    std::size_t i = 0;
    if (text[i] == '-') {
        e.negative = true;
        ++i;
    }
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            e.digits += text[i];
    }
    e.exponent = static_cast<int>(readExponent(std::string_view(text).substr(i + 1)));
    return e;
}

// Adds one to the last digit of a digit string; true when it carried out of
// the first digit (the string is then all zeros and a leading 1 is implied).
bool incrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

// Whether a number that did not fit an extended value was too close to zero
// (as opposed to too large): its first significant digit stands far below the
// decimal point. ascii is "[-]digits[.digits][e[+-]digits]".
bool tooSmallForExtended(const std::string &ascii)
{
    const std::size_t e = ascii.find('e');
    const std::string mantissa = ascii.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const std::size_t firstDigit = mantissa.find_first_of("123456789");
    if (firstDigit == std::string::npos)
        return true;
    const std::size_t integerEnd = point == std::string::npos ? mantissa.size() : point;
    long long exponent = firstDigit < integerEnd ? static_cast<long long>(integerEnd - firstDigit - 1)
                                                 : -static_cast<long long>(firstDigit - integerEnd);
    if (e != std::string::npos) {
        const std::string digits = ascii.substr(e + 1);
        // Exponents this long are far beyond either end of the range anyway.
        const long long written =
            digits.size() > 9 ? (digits[0] == '-' ? -1000000000LL : 1000000000LL) : readExponent(digits);
        exponent += written;
    }
    return exponent < 0;
}

QString nonFinite(long double x)
{
    if (std::isnan(x))
        return QStringLiteral("NAN");
    return x < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

} // namespace

QString formatGeneral(long double x, QChar decimalSeparator)
{
    if (!std::isfinite(x))
        return nonFinite(x);
    if (x == 0)
        return QStringLiteral("0");

    constexpr int kSignificant = 15;
    DecimalExpansion e = expand(x);
    const bool roundUp = e.digits[kSignificant] >= '5';
    e.digits.resize(kSignificant);
    if (roundUp && incrementDigits(e.digits)) {
        e.digits[0] = '1'; // 99...9 carried over into 100...0
        ++e.exponent;
    }
    while (e.digits.size() > 1 && e.digits.back() == '0')
        e.digits.pop_back();

    QString out;
    if (e.negative)
        out += QLatin1Char('-');
    const int count = static_cast<int>(e.digits.size());
    if (e.exponent >= -4 && e.exponent < kSignificant) {
        if (e.exponent >= 0) {
            const int integerDigits = e.exponent + 1;
            for (int i = 0; i < integerDigits; ++i)
                out += QLatin1Char(i < count ? e.digits[i] : '0');
            if (count > integerDigits) {
                out += decimalSeparator;
                out += QString::fromLatin1(e.digits.substr(integerDigits));
            }
        } else {
            out += QLatin1Char('0');
            out += decimalSeparator;
            out += QString(-e.exponent - 1, QLatin1Char('0'));
            out += QString::fromLatin1(e.digits);
        }
        return out;
    }
    out += QLatin1Char(e.digits[0]);
    if (count > 1) {
        out += decimalSeparator;
        out += QString::fromLatin1(e.digits.substr(1));
    }
    out += QLatin1Char('E');
    out += QString::number(e.exponent);
    return out;
}

QString formatPattern(long double x, QStringView pattern, const Separators &separators)
{
    // Only the first section of a pattern counts.
    const qsizetype sectionEnd = pattern.indexOf(QLatin1Char(';'));
    if (sectionEnd >= 0)
        pattern = pattern.left(sectionEnd);

    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QStringView integerPart = point >= 0 ? pattern.left(point) : pattern;
    const QStringView fractionPart = point >= 0 ? pattern.mid(point + 1) : QStringView();
    const bool grouping = pattern.contains(QLatin1Char(','));
    const int minIntegerDigits = static_cast<int>(integerPart.count(QLatin1Char('0')));
    const int decimals = static_cast<int>(fractionPart.count(QLatin1Char('#')) + fractionPart.count(QLatin1Char('0')));
    // '0' places after the point are written even when zero: count those up to the last '0'.
    int minDecimals = 0;
    {
        int place = 0;
        for (QChar c : fractionPart) {
            if (c == QLatin1Char('#') || c == QLatin1Char('0')) {
                ++place;
                if (c == QLatin1Char('0'))
                    minDecimals = place;
            }
        }
    }

    if (!std::isfinite(x))
        return nonFinite(x);

    std::string integerDigits;
    std::string fractionDigits(decimals, '0');
    bool negative = false;
    if (x != 0) {
        const DecimalExpansion e = expand(x);
        negative = e.negative;
        const int count = static_cast<int>(e.digits.size());
        if (e.exponent >= 0) {
            for (int i = 0; i <= e.exponent; ++i)
                integerDigits += i < count ? e.digits[i] : '0';
            if (count > e.exponent + 1)
                fractionDigits = e.digits.substr(e.exponent + 1);
        } else {
            fractionDigits = std::string(-e.exponent - 1, '0') + e.digits;
        }
        // Round at the last kept decimal, halves away from zero.
        const bool roundUp = static_cast<int>(fractionDigits.size()) > decimals && fractionDigits[decimals] >= '5';
        if (static_cast<int>(fractionDigits.size()) > decimals)
            fractionDigits.resize(decimals);
        fractionDigits.resize(decimals, '0');
        if (roundUp) {
            std::string all = integerDigits + fractionDigits;
            if (incrementDigits(all))
                all.insert(all.begin(), '1');
            integerDigits = all.substr(0, all.size() - decimals);
            fractionDigits = all.substr(all.size() - decimals);
        }
    }
    const auto firstNonZero = integerDigits.find_first_not_of('0');
    integerDigits = firstNonZero == std::string::npos ? std::string() : integerDigits.substr(firstNonZero);
    while (static_cast<int>(fractionDigits.size()) > minDecimals && !fractionDigits.empty() &&
           fractionDigits.back() == '0')
        fractionDigits.pop_back();
    const bool isZero = integerDigits.empty() && fractionDigits.find_first_not_of('0') == std::string::npos;
    if (static_cast<int>(integerDigits.size()) < minIntegerDigits)
        integerDigits.insert(0, minIntegerDigits - integerDigits.size(), '0');

    QString out;
    if (negative && !isZero)
        out += QLatin1Char('-');
    const int n = static_cast<int>(integerDigits.size());
    for (int i = 0; i < n; ++i) {
        if (grouping && i > 0 && (n - i) % 3 == 0)
            out += separators.thousands;
        out += QLatin1Char(integerDigits[i]);
    }
    if (!fractionDigits.empty()) {
        out += separators.decimal;
        out += QString::fromLatin1(fractionDigits);
    }
    return out;
}

std::optional<long double> readRegional(QStringView text, QChar decimalSeparator)
{
    // Blanks and control characters around the number are skipped.
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= ' ')
        ++begin;
    while (end > begin && text[end - 1].unicode() <= ' ')
        --end;

    std::string ascii;
    qsizetype i = begin;
    auto isDigit = [&](qsizetype k) { return k < end && text[k] >= QLatin1Char('0') && text[k] <= QLatin1Char('9'); };
    if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        if (text[i] == QLatin1Char('-'))
            ascii += '-';
        ++i;
    }
    int mantissaDigits = 0;
    for (; isDigit(i); ++i, ++mantissaDigits)
        ascii += static_cast<char>(text[i].unicode());
    if (i < end && text[i] == decimalSeparator) {
        ascii += '.';
        ++i;
        for (; isDigit(i); ++i, ++mantissaDigits)
            ascii += static_cast<char>(text[i].unicode());
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < end && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ascii += 'e';
        ++i;
        if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            ascii += static_cast<char>(text[i++].unicode());
        if (!isDigit(i))
            return std::nullopt;
        for (; isDigit(i); ++i)
            ascii += static_cast<char>(text[i].unicode());
    }
    if (i != end)
        return std::nullopt;

    long double value = 0;
    const auto result = readLongDouble(ascii, value);
    if (result.ec == std::errc::result_out_of_range && tooSmallForExtended(ascii))
        return ascii.front() == '-' ? -0.0L : 0.0L;
    if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString notANumberMessage(const QString &text)
{
    return QCoreApplication::translate("NumberFormat", "'%1' is not a valid floating point value").arg(text);
}

std::optional<int> readDecimalsChoice(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 2)
        return std::nullopt;
    int value = 0;
    for (QChar c : trimmed) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    if (value > 10)
        return std::nullopt;
    return value;
}

double RoundToDecimals(double x, int n)
{
    double power = 1;
    for (int i = 0; i < n; ++i)
        power *= 10;
    const double f = 1 / power;
    return std::floor(x / f + 0.5) * f;
}

} // namespace cordavo
