#pragma once

#include "ui/SetterWindow.h"

namespace cordavo {

class TFormCents : public SetterWindow
{
    Q_OBJECT
public:
    explicit TFormCents(TFormTemperamento &mainWindow, QWidget *parent = nullptr);

private:
    void FormCreate();
};

} // namespace cordavo
