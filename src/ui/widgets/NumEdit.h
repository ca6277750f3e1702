#pragma once

#include "numbers/NumEditText.h"
#include "numbers/Separators.h"

#include <QLineEdit>

class QKeyEvent;

namespace cordavo {

// The edit field for numbers: right-aligned, it lets the user type only
// characters that can belong to a number and keeps its text and value in
// step, rewriting the text through the display pattern after every change.
class TNumEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit TNumEdit(const Separators &separators, QWidget *parent = nullptr);

    long double value() const { return m_number.value(); }
    void setValue(long double value) { m_number.setValue(value); }
    bool decimal() const { return m_number.decimal(); }
    void setDecimal(bool decimal) { m_number.setDecimal(decimal); }
    QString displayFormat() const { return m_number.displayFormat(); }
    void setDisplayFormat(const QString &pattern) { m_number.setDisplayFormat(pattern); }
    // Limits typing only; text set by the program is never cut.
    int maxTypedLength() const { return m_number.maxTypedLength(); }
    void setMaxTypedLength(int length) { m_number.setMaxTypedLength(length); }

signals:
    // A typed character was refused.
    void inputError(cordavo::TNumEdit *sender);
    // The text has been normalised; comes once per change, rewrite included.
    void changed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    static QString typedText(const QKeyEvent *event);
    void normaliseEditedText(const QString &text);
    void showNumber();

    NumEditText m_number;
    bool m_showing = false;
};

} // namespace cordavo
