#include "ui/widgets/ShortNameEdit.h"

#include "tuning/TemperamentXml.h"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include <algorithm>

namespace cordavo {

namespace {

// A key press that types characters, as opposed to one that edits,
// moves, or is a command.
bool typesText(const QKeyEvent *event)
{
    const QString text = event->text();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool command = modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier);
    return !text.isEmpty() && text.front().isPrint() && !command;
}

} // namespace

void ShortNameEdit::keyPressEvent(QKeyEvent *event)
{
    if (!isReadOnly() && event->matches(QKeySequence::Paste)) {
        pasteFitting(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
        event->accept();
        return;
    }
    if (!isReadOnly() && typesText(event) && event->text().size() > room()) {
        event->accept(); // refused: the field is full
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ShortNameEdit::inputMethodEvent(QInputMethodEvent *event)
{
    const qsizetype fits = std::max<qsizetype>(0, room() + event->replacementLength());
    if (event->commitString().size() <= fits) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(event->commitString().left(fits), event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&cut);
    event->setAccepted(cut.isAccepted());
}

void ShortNameEdit::dropEvent(QDropEvent *event)
{
    // A drop inserts beside the text; moving text within the field adds nothing.
    const QMimeData *data = event->mimeData();
    const qsizetype fits = std::max<qsizetype>(0, kShortNameLength - text().size());
    if (isReadOnly() || event->source() == this || !data->hasText() || data->text().size() <= fits) {
        QLineEdit::dropEvent(event);
        return;
    }
    if (fits == 0) {
        event->ignore();
        return;
    }
    QMimeData cutData;
    cutData.setText(data->text().left(fits));
    QDropEvent cut(event->position(), event->possibleActions(), &cutData, event->buttons(), event->modifiers());
    QLineEdit::dropEvent(&cut);
    event->setDropAction(cut.dropAction());
    event->setAccepted(cut.isAccepted());
}

void ShortNameEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the selection on X11.
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!isReadOnly() && event->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
        deselect();
        pasteFitting(clipboard->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void ShortNameEdit::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    const QString pasteCaption = QLineEdit::tr("&Paste");
    for (QAction *action : menu->actions()) {
        if (action->text().section(QLatin1Char('\t'), 0, 0) != pasteCaption)
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this,
                [this] { pasteFitting(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

qsizetype ShortNameEdit::room() const
{
    return kShortNameLength - (text().size() - selectedText().size());
}

void ShortNameEdit::pasteFitting(const QString &pasted)
{
    const QString fitting = pasted.left(std::max<qsizetype>(0, room()));
    if (!fitting.isEmpty())
        insert(fitting);
}

} // namespace cordavo
