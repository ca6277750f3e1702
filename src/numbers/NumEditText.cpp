#include "numbers/NumEditText.h"

#include "numbers/NumberFormat.h"

#include <algorithm>

#include <QCoreApplication>

namespace cordavo {

namespace {

constexpr QChar kBackspace(8);

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Signs, digits and the comma can belong to a number in every setting.
bool isNumberCharacter(QChar c)
{
    return isAsciiDigit(c) || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char(',');
}

} // namespace

QString fieldText(long double x, QStringView pattern, const Separators &separators)
{
    return formatPattern(x, pattern, separators);
}

long double fieldValue(long double x, QStringView pattern)
{
    const Separators fullStop{QLatin1Char('.'), QLatin1Char(',')};
    return NumEditText::TextToValue(fieldText(x, pattern, fullStop), fullStop);
}

NumEditText::NumEditText(const Separators &separators) : m_separators(separators) {}

long double NumEditText::TextToValue(QStringView text, const Separators &separators)
{
    QString kept;
    bool hasDecimal = false;
    for (QChar c : text) {
        if (c == separators.decimal) {
            // Whatever follows a second decimal separator is not part of the number.
            if (hasDecimal)
                break;
            hasDecimal = true;
            kept += c;
        } else if (c == separators.thousands || c == QLatin1Char(',')) {
            // The grouping that the display pattern writes must read back as
            // the same number, also where the thousands separator is a comma;
            // a comma that is not the decimal separator is skipped alike, so
            // that a stray comma never wipes the number being typed.
            continue;
        } else if (isNumberCharacter(c)) {
            kept += c;
        }
    }
    if (kept.endsWith(separators.decimal))
        kept.chop(1);
    if (kept.isEmpty())
        return 0;
    return readRegional(kept, separators.decimal).value_or(0);
}

void NumEditText::setValue(long double x)
{
    assignText(fieldText(x, m_pattern, m_separators));
}

void NumEditText::setDecimal(bool decimal)
{
    m_decimal = decimal;
    const qsizetype point = m_pattern.indexOf(QLatin1Char('.'));
    if (decimal && point < 0)
        m_pattern += QStringLiteral(".##");
    else if (!decimal && point >= 0)
        m_pattern.truncate(point);
}

void NumEditText::setDisplayFormat(const QString &pattern)
{
    m_pattern = pattern;
    m_decimal = pattern.contains(QLatin1Char('.'));
    assignText(formatPattern(TextToValue(m_text, m_separators), m_pattern, m_separators));
}

void NumEditText::setCursorPosition(int position)
{
    m_cursor = position;
    m_selectionLength = 0;
    clampCursor();
}

void NumEditText::setSelection(int start, int length)
{
    const int size = static_cast<int>(m_text.size());
    m_selectionStart = std::clamp(start, 0, size);
    m_selectionLength = std::clamp(length, 0, size - m_selectionStart);
    m_cursor = m_selectionStart + m_selectionLength;
}

bool NumEditText::acceptsTyped(QChar c) const
{
    return c == kBackspace || isNumberCharacter(c) || (m_decimal && c == m_separators.decimal);
}

QString NumEditText::separatorHint(QChar c) const
{
    const bool separatorLike = c == QLatin1Char('.') || c == QLatin1Char(',');
    if (!m_decimal || !separatorLike || c == m_separators.decimal || acceptsTyped(c))
        return {};
    return QCoreApplication::translate("NumEditText",
                                       "The decimal separator here is \"%1\" (the regional setting), not \"%2\"")
        .arg(m_separators.decimal)
        .arg(c);
}

bool NumEditText::typeCharacter(QChar c)
{
    if (!acceptsTyped(c))
        return true;

    QString text = m_text;
    int caret = m_cursor;
    if (m_selectionLength > 0) {
        // Room for the new character counts the selection as already gone.
        if (c != kBackspace && m_maxTypedLength > 0 && text.size() - m_selectionLength + 1 > m_maxTypedLength)
            return false;
        text.remove(m_selectionStart, m_selectionLength);
        caret = m_selectionStart;
        if (c != kBackspace)
            text.insert(caret++, c);
    } else if (c == kBackspace) {
        if (caret == 0)
            return false;
        text.remove(--caret, 1);
    } else {
        if (m_maxTypedLength > 0 && text.size() + 1 > m_maxTypedLength)
            return false;
        text.insert(caret++, c);
    }
    changeText(text, caret);
    return false;
}

void NumEditText::setText(const QString &text)
{
    assignText(text);
}

void NumEditText::changeText(const QString &text, int cursorPosition)
{
    m_text = text;
    setCursorPosition(cursorPosition);
    normalise();
}

void NumEditText::assignText(const QString &text)
{
    if (text == m_text)
        return;
    changeText(text, static_cast<int>(text.size()));
}

void NumEditText::normalise()
{
    // A lone minus is a negative number being typed: it stays, and so does
    // the value it replaced.
    if (m_text != QLatin1String("-")) {
        const int caret = m_cursor;
        const int length = static_cast<int>(m_text.size());
        // Reading a rewritten text back gives the same text again, so this
        // settles after one rewrite; the change is reported once, settled.
        for (;;) {
            m_value = TextToValue(m_text, m_separators);
            const QString rewritten = rewrittenText();
            if (rewritten == m_text)
                break;
            m_text = rewritten;
            if (m_text == QLatin1String("-"))
                break;
        }

        // Keep the caret at the same distance from the end.
        m_cursor = caret + static_cast<int>(m_text.size()) - length;
        clampCursor();
    }
    if (m_onChange)
        m_onChange();
}

// The text that shows the value just read: the number through the display
// pattern.
QString NumEditText::rewrittenText() const
{
    const QString formatted = formatPattern(m_value, m_pattern, m_separators);
    // While decimals are being typed, a trailing separator or a trailing
    // separator and zero must survive the rewrite, or '1,05' could never be
    // typed. A pattern with '0' decimal places writes the separator itself;
    // adding another would never settle.
    if (m_decimal && !formatted.contains(m_separators.decimal)) {
        const QChar point = m_separators.decimal;
        const qsizetype length = m_text.size();
        const qsizetype firstPoint = m_text.indexOf(point);
        const qsizetype firstPointZero = m_text.indexOf(QString(point) + QLatin1Char('0'));
        if (firstPoint >= 0 && firstPoint == length - 1)
            return formatted + point;
        if (firstPointZero >= 0 && firstPointZero == length - 2)
            return formatted + point + QLatin1Char('0');
    }
    return formatted;
}

void NumEditText::clampCursor()
{
    m_cursor = std::clamp(m_cursor, 0, static_cast<int>(m_text.size()));
}

} // namespace cordavo
