#include "ui/desktop/SystemSeparators.h"

#include <QLocale>

namespace cordavo {

Separators systemSeparators()
{
    const QLocale locale;
    Separators s;
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (!decimal.isEmpty())
        s.decimal = decimal.front();
    // A locale without grouping still needs a separator that differs from the decimal one.
    if (!group.isEmpty() && group.front() != s.decimal)
        s.thousands = group.front();
    else
        s.thousands = s.decimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    return s;
}

} // namespace cordavo
