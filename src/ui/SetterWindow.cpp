#include "ui/SetterWindow.h"

#include "ui/UTemperamento.h"
#include "ui/UserDialogs.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace cordavo {

SetterWindow::SetterWindow(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
                           QWidget *parent)
    : QWidget(parent, Qt::Window), FormTemperamento(mainWindow), m_separators(separators), m_dialogs(dialogs)
{
}

void SetterWindow::showInFront()
{
    show();
    raise();
    activateWindow();
}

void SetterWindow::FormClose()
{
    FormTemperamento.showMainWindow();
}

void SetterWindow::exportToMainWindow(const NoteCents &oldPositions, const NoteCents &newPositions)
{
    FormTemperamento.exportCents(exportedCents(oldPositions, newPositions));
    m_dialogs.message(this, QStringLiteral("Export correctly"));
    FormTemperamento.showMainWindow();
}

void SetterWindow::centreOnDesktop()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SetterWindow::closeEvent(QCloseEvent *event)
{
    // Closing only hides the window; its contents stay for the next showing.
    event->accept();
    FormClose();
}

} // namespace cordavo
