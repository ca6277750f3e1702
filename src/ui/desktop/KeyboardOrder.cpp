#include "ui/desktop/KeyboardOrder.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QWidget>

namespace cordavo {

QString spokenName(const QString &labelText)
{
    QString text = labelText;
    // "&&" stands for an ampersand that is shown; a lone '&' marks the mnemonic.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&'))
            text.remove(i, 1);
    }
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

void nameByLabel(QLabel *label, QWidget *control, const QString &spoken)
{
    label->setBuddy(control);
    control->setAccessibleName(spoken.isEmpty() ? spokenName(label->text()) : spoken);
}

void setKeyboardOrder(const QList<QWidget *> &controls)
{
    for (QWidget *control : controls) {
        auto *button = qobject_cast<QAbstractButton *>(control);
        if (button && button->accessibleName().isEmpty())
            button->setAccessibleName(spokenName(button->text()));
    }
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

QList<QWidget *> buttonsInOrder(const QDialogButtonBox *box)
{
    QList<QWidget *> buttons;
    const QLayout *row = box->layout();
    for (int i = 0; row && i < row->count(); ++i) {
        if (auto *button = qobject_cast<QAbstractButton *>(row->itemAt(i)->widget()))
            buttons << button;
    }
    return buttons;
}

} // namespace cordavo
