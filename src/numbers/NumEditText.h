#pragma once

#include "numbers/Separators.h"

#include <QString>
#include <QStringView>

#include <functional>

namespace cordavo {

// The display patterns of the fields: cents and fraction terms keep two
// decimals, identification numbers are whole.
inline constexpr QStringView kTwoDecimalsPattern = u"#,###.##";
inline constexpr QStringView kWholeNumberPattern = u"#,###";

// The text a field with this display pattern shows once x is assigned to it.
QString fieldText(long double x, QStringView pattern, const Separators &separators);

// The number a field with this display pattern holds once x is assigned to
// it: x written through the pattern and read back, whatever the separators.
// The command line holds its numbers as the windows' fields would.
long double fieldValue(long double x, QStringView pattern);

// The text, caret and value of a numeric entry field, without the widget.
// Every change of the text is read back as a number and the text is
// rewritten from that number through the display pattern, so text and value
// stay in step. Typing goes through a character filter first; text that
// arrives otherwise (paste, undo, assignment) is only normalised.
class NumEditText
{
public:
    explicit NumEditText(const Separators &separators);

    // Reads the number that a field text shows: every character other than
    // signs, digits and the decimal separator is skipped (the thousands
    // separator and a comma that is not the decimal separator too), reading
    // stops at a second decimal separator,
    // a trailing decimal separator is dropped; anything that is then not a
    // plain signed decimal number reads as 0.
    static long double TextToValue(QStringView text, const Separators &separators);

    const QString &text() const { return m_text; }
    int cursorPosition() const { return m_cursor; }
    long double value() const { return m_value; }
    bool decimal() const { return m_decimal; }
    const QString &displayFormat() const { return m_pattern; }
    int maxTypedLength() const { return m_maxTypedLength; }
    const Separators &separators() const { return m_separators; }

    // Shows x through the display pattern; the value becomes what the new
    // text reads as. Nothing happens when the text would not change.
    void setValue(long double x);
    // Adds ".##" to the pattern or cuts its decimals; the text stays as it is
    // until its next change.
    void setDecimal(bool decimal);
    // Takes the pattern, sets the decimal flag from it and shows the current
    // number through it.
    void setDisplayFormat(const QString &pattern);
    // The most characters the user can type; 0 or less means no limit.
    // Text that the program assigns is never cut.
    void setMaxTypedLength(int length) { m_maxTypedLength = length; }

    // Caret and selection as the user moved them; moving the caret drops the
    // selection.
    void setCursorPosition(int position);
    void setSelection(int start, int length);

    // Whether a typed character may go into the field at all.
    bool acceptsTyped(QChar c) const;
    // When c is a full stop or comma that a decimal field refuses because it
    // is not the decimal separator, a hint naming the separator to type;
    // otherwise nothing.
    QString separatorHint(QChar c) const;
    // Types one character (backspace is code 8) at the caret, replacing the
    // selection, then normalises the text. Returns true when the filter
    // refused the character; a character that finds the field full is
    // dropped without being refused.
    bool typeCharacter(QChar c);

    // Assigns a text from the program, caret at the end. An equal text is no
    // change.
    void setText(const QString &text);
    // Any text change other than typing (paste, cut, delete, undo): the
    // field now holds text with the caret at cursorPosition.
    void changeText(const QString &text, int cursorPosition);

    // Called once at the end of every normalisation, after the text has been
    // rewritten.
    void setOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }

private:
    void assignText(const QString &text);
    void normalise();
    QString rewrittenText() const;
    void clampCursor();

    Separators m_separators;
    QString m_text;
    int m_cursor = 0;
    int m_selectionStart = 0;
    int m_selectionLength = 0;
    long double m_value = 0;
    bool m_decimal = false;
    QString m_pattern = QStringLiteral("#,###");
    int m_maxTypedLength = 20;
    std::function<void()> m_onChange;
};

} // namespace cordavo
