#include "ui/SetterWindow.h"

#include "ui/UTemperamento.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace cordavo {

SetterWindow::SetterWindow(TFormTemperamento &mainWindow, QWidget *parent)
    : QWidget(parent, Qt::Window), FormTemperamento(mainWindow)
{
}

void SetterWindow::FormClose()
{
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
