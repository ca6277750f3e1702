#pragma once

#include "ui/SetterWindow.h"

namespace cordavo {

class TFormScale : public SetterWindow
{
    Q_OBJECT
public:
    explicit TFormScale(TFormTemperamento &mainWindow, QWidget *parent = nullptr);

private:
    void FormCreate();
};

} // namespace cordavo
