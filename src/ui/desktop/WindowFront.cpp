#include "ui/desktop/WindowFront.h"

#include <QWidget>

namespace cordavo {

void bringToFront(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace cordavo
