#include "ui/windows/FollowingWindow.h"

#include "ui/desktop/WindowFront.h"
#include "ui/widgets/ScreenFit.h"
#include "ui/windows/UTemperamento.h"

namespace cordavo {

FollowingWindow::FollowingWindow(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
                                 QWidget *parent)
    : QWidget(parent, Qt::Window), m_main(mainWindow), m_separators(separators), m_dialogs(dialogs)
{
    // Called only once the window is made and shown, so the override runs.
    m_main.followWhileShown(this, [this] { refresh(); });
}

void FollowingWindow::showInFront()
{
    refresh();
    // Fitted when first shown: by then the window has all its controls.
    if (!m_fitted) {
        fitToScreen(this);
        m_fitted = true;
    }
    bringToFront(this);
}

} // namespace cordavo
