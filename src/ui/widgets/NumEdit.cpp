#include "ui/widgets/NumEdit.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QScopedValueRollback>
#include <QToolTip>

namespace cordavo {

TNumEdit::TNumEdit(const Separators &separators, QWidget *parent) : QLineEdit(parent), m_number(separators)
{
    setAlignment(Qt::AlignRight);
    setInputMethodHints(Qt::ImhFormattedNumbersOnly);
    resize(121, 21);
    m_number.setOnChange([this] {
        showNumber();
        emit changed();
    });
    connect(this, &QLineEdit::textChanged, this, &TNumEdit::normaliseEditedText);
}

void TNumEdit::keyPressEvent(QKeyEvent *event)
{
    QString typed = typedText(event);
    // The keypad's decimal key types the regional separator, whatever the
    // keyboard layout puts on it, as spreadsheets do.
    const bool keypadDecimal =
        (event->modifiers() & Qt::KeypadModifier) && (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma);
    if (keypadDecimal && !typed.isEmpty())
        typed = m_number.separators().decimal;
    if (typed.isEmpty() || isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (hasSelectedText())
        m_number.setSelection(selectionStart(), selectionLength());
    else
        m_number.setCursorPosition(cursorPosition());
    for (QChar c : typed) {
        const QString hint = m_number.separatorHint(c);
        if (!m_number.typeCharacter(c))
            continue;
        // A full stop or comma copied from elsewhere: say which separator to use.
        if (!hint.isEmpty())
            QToolTip::showText(mapToGlobal(QPoint(0, height())), hint, this);
        emit inputError(this);
    }
    event->accept();
}

// The characters a key press types, or an empty text for the keys that
// edit, move, leave the field or reach the clipboard the usual way.
QString TNumEdit::typedText(const QKeyEvent *event)
{
    static constexpr QKeySequence::StandardKey kEditingKeys[] = {
        QKeySequence::Undo,
        QKeySequence::Redo,
        QKeySequence::Cut,
        QKeySequence::Copy,
        QKeySequence::Paste,
        QKeySequence::SelectAll,
        QKeySequence::Deselect,
        QKeySequence::Delete,
        QKeySequence::DeleteStartOfWord,
        QKeySequence::DeleteEndOfWord,
        QKeySequence::DeleteEndOfLine,
        QKeySequence::DeleteCompleteLine,
    };
    for (QKeySequence::StandardKey key : kEditingKeys) {
        if (event->matches(key))
            return {};
    }
    switch (event->key()) {
    case Qt::Key_Backspace:
        return QString(QChar(8));
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return {};
    default:
        break;
    }
    const QString text = event->text();
    // Control with a printable key is a command, not typing.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool command = modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
    if (text.isEmpty() || (command && text.front().isPrint()))
        return {};
    return text;
}

// Paste, cut, delete, undo, drops and texts set from outside arrive here;
// the widget's own rewrites do not.
void TNumEdit::normaliseEditedText(const QString &text)
{
    if (!m_showing)
        m_number.changeText(text, cursorPosition());
}

void TNumEdit::showNumber()
{
    const QScopedValueRollback showing(m_showing, true);
    if (text() != m_number.text())
        QLineEdit::setText(m_number.text());
    setCursorPosition(m_number.cursorPosition());
}

} // namespace cordavo
