#pragma once

#include "numbers/Separators.h"
#include "ui/desktop/UserDialogs.h"

#include <QWidget>

namespace cordavo {

class TFormTemperamento;

// A window of its own that shows something of the main window's
// temperament and follows its note fields and reference pitches: while it is
// shown, every change there refreshes it; hidden, it rests, and it reads the
// main window afresh when it is shown again. Closing it only hides it.
class FollowingWindow : public QWidget
{
    Q_OBJECT
public:
    // Reads the main window afresh, shows the window (fitted to its screen
    // the first time) and brings it to the front.
    void showInFront();
    // Reads the main window (and the window's own controls) afresh.
    virtual void refresh() = 0;

protected:
    FollowingWindow(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs, QWidget *parent);

    TFormTemperamento &m_main;
    Separators m_separators;
    UserDialogs &m_dialogs;

private:
    bool m_fitted = false;
};

} // namespace cordavo
