#include "ui/UserDialogs.h"

namespace cordavo {

QString fileTypeSuffix(const QString &filter)
{
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    const QString pattern = filter.mid(open + 1).section(QLatin1Char(' '), 0, 0).remove(QLatin1Char(')'));
    return pattern.startsWith(QLatin1String("*.")) ? pattern.mid(2) : QString();
}

QString saveSuffixForType(const FileQuestion &question, int filterIndex)
{
    const QString own = fileTypeSuffix(question.filters.value(filterIndex));
    return own.isEmpty() ? question.defaultSuffix : own;
}

} // namespace cordavo
