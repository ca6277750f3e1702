#pragma once

#include "ui/SetterWindow.h"

namespace cordavo {

class TFormCicloQuinte : public SetterWindow
{
    Q_OBJECT
public:
    TFormCicloQuinte(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
               QWidget *parent = nullptr);

private:
    void FormCreate();
};

} // namespace cordavo
