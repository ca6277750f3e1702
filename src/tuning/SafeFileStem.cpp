#include "tuning/SafeFileStem.h"

#include <QRegularExpression>
#include <QStringList>

namespace cordavo {

namespace {

// Room left for a suffix such as ".Temperament_Hauptwerk_xml" in the 255
// bytes most file systems allow a name.
constexpr qsizetype kMostStemBytes = 200;

bool isReservedDeviceName(const QString &stem)
{
    static const QRegularExpression device(QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9])$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return device.match(stem).hasMatch();
}

} // namespace

QString safeFileStem(const QString &name)
{
    QString stem;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        const QChar next = i + 1 < name.size() ? name[i + 1] : QChar(u' ');
        if (c == u'/' || c == u'\\' || c == u'|' || c == u':' || c == u'.') {
            // A separator between two words goes; within a word it becomes a
            // dash: "1/4 comma" gives "1-4 comma", "Young: II" "Young II".
            // A full stop kept would start a suffix that hides the file's type.
            if (!next.isSpace())
                stem += u'-';
        } else if (c.isSpace()) {
            stem += u' ';
        } else if (c != u'*' && c != u'?' && c != u'"' && c != u'<' && c != u'>' &&
                   c.category() != QChar::Other_Control && c.category() != QChar::Other_Format) {
            stem += c;
        }
    }
    stem = stem.simplified();
    // simplified() has taken the blanks at either end, which Windows drops;
    // a "-" at the start would read as an option to command-line tools.
    while (stem.startsWith(u'-'))
        stem = stem.mid(1).trimmed();
    while (stem.endsWith(u'-'))
        stem = stem.chopped(1).trimmed();
    // Cut at a whole character, never between the halves of a surrogate pair.
    while (stem.toUtf8().size() > kMostStemBytes)
        stem.chop(stem.size() >= 2 && stem.back().isLowSurrogate() ? 2 : 1);
    stem = stem.trimmed();
    if (isReservedDeviceName(stem))
        stem += u'_';
    return stem;
}

} // namespace cordavo
