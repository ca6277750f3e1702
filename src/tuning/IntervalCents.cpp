#include "tuning/IntervalCents.h"

#include "numbers/NumberFormat.h"

#include <cmath>

namespace cordavo {

void cleanTerms(NoteTerms &terms)
{
    for (long double &term : terms) {
        if (term == 0)
            term = 1;
    }
    for (long double &term : terms) {
        if (term < 0)
            term = -term;
    }
}

long double ratioCents(long double ratio)
{
    return std::log10(ratio) * (1200.0L / std::log10(2.0L));
}

QString roundedCentsText(long double ratio, int decimals, QChar decimalSeparator)
{
    const double cents = static_cast<double>(ratioCents(ratio));
    return formatGeneral(RoundToDecimals(cents, decimals), decimalSeparator);
}

QStringList equalTemperamentCentsLines()
{
    QStringList lines;
    for (int i = 0; i < 12; ++i)
        lines << formatGeneral(100 * i, QLatin1Char('.')); // whole numbers carry no separator
    return lines;
}

IntervalTerms equalTemperamentFractions()
{
    return {{1.0L, 178171.537451057L, 31745.096757673L, 56560.726958472L, 100775.116815405L, 179552.574998105L,
             319911.583407086L, 569991.386640426L, 101556.241691585L, 180944.317199407L, 322391.271884502L,
             574409.485724634L},
            {1.0L, 168171.537451057L, 28281.666008652L, 47561.712543524L, 79985.263222496L, 134512.446895546L,
             226211.650007276L, 380423.60971064L, 63976.423327719L, 107590.134716422L, 180935.98369827L,
             304282.825587575L}};
}

QStringList intervalFileLines(const IntervalRecord &record, QChar decimalSeparator)
{
    QStringList lines;
    for (long double term : record.terms.first)
        lines << lineFileNumber(term, decimalSeparator);
    for (long double term : record.terms.second)
        lines << lineFileNumber(term, decimalSeparator);
    lines << record.name;
    return lines;
}

IntervalRecord intervalRecord(const QList<LineValue> &values)
{
    IntervalRecord record;
    for (int i = 0; i < 12; ++i) {
        record.terms.first[i] = values[i].number;
        record.terms.second[i] = values[12 + i].number;
    }
    record.name = values[24].text;
    return record;
}

} // namespace cordavo
