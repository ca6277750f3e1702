#pragma once

#include "ui/SetterWindow.h"

namespace cordavo {

class TFormScale : public SetterWindow
{
    Q_OBJECT
public:
    TFormScale(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
               QWidget *parent = nullptr);

private:
    void FormCreate();
};

} // namespace cordavo
