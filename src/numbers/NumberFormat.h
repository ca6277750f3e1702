#pragma once

#include "numbers/Separators.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace cordavo {

// General number format: 15 significant digits, trailing zeros dropped, no
// thousands separator; fixed notation for 0 and 0.0001 <= |x| < 1E15,
// otherwise scientific ("1E20", "1.5E-7").
QString formatGeneral(long double x, QChar decimalSeparator);

// A display pattern such as "#,###.##" or "#,###": '#' digit places written
// only when needed, '0' places always written, '.' the decimal point and ','
// switching on grouping by thousands. Halves round away from zero.
QString formatPattern(long double x, QStringView pattern, const Separators &separators);

// Regional number reading: blanks around the text skipped, an optional sign,
// digits, at most one decimal separator, an optional exponent; no thousands
// separator. Empty when the text does not have that form or overflows.
std::optional<long double> readRegional(QStringView text, QChar decimalSeparator);

// The message for a text that does not read as a number.
QString notANumberMessage(const QString &text);

// The number of decimals a setter's "Rounds" box names: a whole number from
// 0 to 10, blanks around it allowed; nothing for any other text.
std::optional<int> readDecimalsChoice(QStringView text);

// Rounds to n decimals (0 to 10): the nearest multiple of 10^-n, halves going
// up, computed through the factor 10^-n as a double.
double RoundToDecimals(double x, int n);

} // namespace cordavo
