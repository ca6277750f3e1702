#include "tuning/CircleOfFifths.h"

#include "numbers/NumberFormat.h"

#include <QCoreApplication>

namespace cordavo {

namespace {

struct FifthItem {
    const char *text;
    long double fraction;
};

const FifthItem kFifthItems[kFifthItemCount] = {
    {"     0", 0.0L},       {"- 1/2", 1.0L / 2.0L}, {"- 1/3", 1.0L / 3.0L}, {"- 1/4", 1.0L / 4.0L},
    {"- 1/5", 1.0L / 5.0L}, {"- 1/6", 1.0L / 6.0L}, {"- 2/5", 2.0L / 5.0L}, {"- 2/7", 2.0L / 7.0L},
    {"+1/5", -1.0L / 5.0L}, {"+1/6", -1.0L / 6.0L},
};

QString withoutBlanks(QStringView text)
{
    QString out;
    for (QChar c : text) {
        if (!c.isSpace())
            out += c;
    }
    return out;
}

// F-C is visited first, then C-G up to Bb-F.
constexpr std::array<int, 12> kVisitOrder{11, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

} // namespace

long double commaCents(Comma comma)
{
    return comma == Comma::Syntonic ? kSyntonicComma : kPythagoreanComma;
}

QStringList fifthItemTexts()
{
    QStringList texts;
    for (const FifthItem &item : kFifthItems)
        texts << QString::fromLatin1(item.text);
    return texts;
}

std::optional<int> fifthItemNamed(QStringView text)
{
    const QString wanted = withoutBlanks(text);
    for (int i = 0; i < kFifthItemCount; ++i) {
        if (withoutBlanks(QString::fromLatin1(kFifthItems[i].text)) == wanted)
            return i;
    }
    return std::nullopt;
}

int fifthItemOfText(QStringView text)
{
    return fifthItemNamed(text).value_or(0);
}

QString fifthItemRefusal(const QString &fifth, const QString &text)
{
    QStringList items;
    for (const FifthItem &item : kFifthItems)
        items << withoutBlanks(QString::fromLatin1(item.text));
    return QCoreApplication::translate("CircleOfFifths", "%1: \"%2\" is not one of %3")
        .arg(fifth, text, items.join(QLatin1Char(' ')));
}

long double fifthNarrowing(int item, Comma comma)
{
    if (item < 1 || item >= kFifthItemCount)
        return 0;
    return kFifthItems[item].fraction * commaCents(comma);
}

NoteCents circlePositions(const CircleValues &narrowing, int decimals, const CircleValues &pythagorean)
{
    CircleValues raw{};
    long double sum = 0;
    for (int k : kVisitOrder) {
        sum += narrowing[k];
        raw[k] = RoundToDecimals(static_cast<double>(pythagorean[k] - sum), decimals);
    }

    NoteCents positions{};
    for (int k = 0; k < 12; ++k)
        positions[kNoteReached[k]] = raw[k];

    // No second rounding: C's rounded value is taken out of every note.
    const long double c = positions[0];
    if (c != 0) {
        for (long double &p : positions)
            p -= c;
    }
    return positions;
}

QStringList positionTexts(const NoteCents &positions, QChar decimalSeparator)
{
    QStringList texts;
    for (long double p : positions)
        texts << formatGeneral(p, decimalSeparator);
    return texts;
}

QStringList calculateCircle(const FifthChoices &items, Comma comma, int decimals, QChar decimalSeparator)
{
    CircleValues narrowing{};
    for (int k = 0; k < 12; ++k)
        narrowing[k] = fifthNarrowing(items[k], comma);
    return positionTexts(circlePositions(narrowing, decimals), decimalSeparator);
}

QStringList equalTemperamentTexts(QChar decimalSeparator)
{
    NoteCents positions{};
    for (int i = 0; i < 12; ++i)
        positions[i] = 100 * i;
    return positionTexts(positions, decimalSeparator);
}

} // namespace cordavo
