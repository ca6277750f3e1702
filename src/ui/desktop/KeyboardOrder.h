#pragma once

#include <QList>
#include <QString>

class QDialogButtonBox;
class QLabel;
class QWidget;

namespace cordavo {

// What a screen reader should call a control labelled with this text: the
// text without its mnemonic marker and without a trailing colon.
QString spokenName(const QString &labelText);

// Gives a control the accessible name its label's text makes and makes the
// label its buddy, so that the label's mnemonic reaches it. A control whose
// label alone would be ambiguous ("A =" twice, "C" on both sides) gets
// the spoken name composed by the caller instead.
void nameByLabel(QLabel *label, QWidget *control, const QString &spoken = QString());

// The order in which Tab visits a window's controls, first to last, as the
// window shows them. A button without an accessible name gets the one its
// own text makes, so that every control in the list is named.
void setKeyboardOrder(const QList<QWidget *> &controls);

// A button box's buttons as the platform's arrangement shows them, left to
// right, which need not be the order they were added in.
QList<QWidget *> buttonsInOrder(const QDialogButtonBox *box);

} // namespace cordavo
