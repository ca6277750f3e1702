#pragma once

#include <QCoreApplication>
#include <QString>

namespace cordavo {

// A text that shows a count as %n: the English source in the singular for
// one and in the plural otherwise, each marked with QT_TRANSLATE_N_NOOP so
// that every translation gives the plural forms its language has.
inline QString countedText(const char *context, const char *singular, const char *plural, long long count)
{
    return QCoreApplication::translate(context, count == 1 ? singular : plural, nullptr, static_cast<int>(count));
}

} // namespace cordavo
