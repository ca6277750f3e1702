#pragma once

#include "ui/SetterWindow.h"

namespace cordavo {

class TFormCicloQuinte : public SetterWindow
{
    Q_OBJECT
public:
    explicit TFormCicloQuinte(TFormTemperamento &mainWindow, QWidget *parent = nullptr);

private:
    void FormCreate();
};

} // namespace cordavo
