#pragma once

#include <QWidget>

namespace cordavo {

class TFormTemperamento;

// What the three setter windows share: a top-level window of its own that,
// when closed, hides and brings the main window back.
class SetterWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SetterWindow(TFormTemperamento &mainWindow, QWidget *parent = nullptr);

    void FormClose();

protected:
    // Places the window at the centre of the desktop.
    void centreOnDesktop();
    void closeEvent(QCloseEvent *event) override;
    TFormTemperamento &FormTemperamento;
};

} // namespace cordavo
