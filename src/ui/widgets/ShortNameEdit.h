#pragma once

#include <QLineEdit>

namespace cordavo {

// The short name field. What the user types, pastes or drops stops at
// kShortNameLength characters in all; a longer name the program puts in
// (from a file) stays whole, since setText never passes through here.
// QLineEdit::setMaxLength would cut that too.
class ShortNameEdit : public QLineEdit
{
public:
    explicit ShortNameEdit(QWidget *parent) : QLineEdit(parent) {}

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // Characters the user may still add, counting a selection as replaced.
    qsizetype room() const;

    // Pastes as much as fits; nothing changes when nothing fits.
    void pasteFitting(const QString &pasted);
};

} // namespace cordavo
