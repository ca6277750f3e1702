#pragma once

#include "numbers/Separators.h"
#include "tuning/PitchTable.h"

#include <QWidget>

namespace cordavo {

class TFormTemperamento;
class UserDialogs;

// What the three setter windows share: a top-level window of its own that,
// when closed, hides and brings the main window back.
class SetterWindow : public QWidget
{
    Q_OBJECT
public:
    SetterWindow(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
                 QWidget *parent = nullptr);

    // Shows the window modeless, or brings it to the front when already visible.
    void showInFront();

    void FormClose();

protected:
    // "Export": new minus old, shifted so that A is 0, handed to the main
    // window; then "Export correctly" and the main window in front, this
    // window staying open.
    void exportToMainWindow(const NoteCents &oldPositions, const NoteCents &newPositions);
    // Places the window at the centre of the desktop.
    void centreOnDesktop();
    void closeEvent(QCloseEvent *event) override;

    TFormTemperamento &FormTemperamento;
    const Separators m_separators;
    UserDialogs &m_dialogs;
};

} // namespace cordavo
