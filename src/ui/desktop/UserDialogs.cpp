#include "ui/desktop/UserDialogs.h"

namespace cordavo {

QString fileTypeSuffix(const QString &filter)
{
    const qsizetype open = filter.lastIndexOf(QLatin1Char('('));
    const QString pattern = filter.mid(open + 1).section(QLatin1Char(' '), 0, 0).remove(QLatin1Char(')'));
    return pattern.startsWith(QLatin1String("*.")) ? pattern.mid(2) : QString();
}

QString saveSuffixForType(const FileQuestion &question, int filterIndex)
{
    // A type without an extension of its own (GrandOrgue's settings file,
    // "All files") adds none; only a dialog without types uses the default.
    if (filterIndex < 0 || filterIndex >= question.filters.size())
        return question.defaultSuffix;
    return fileTypeSuffix(question.filters[filterIndex]);
}

} // namespace cordavo
