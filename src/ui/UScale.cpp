#include "ui/UScale.h"

namespace cordavo {

TFormScale::TFormScale(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
               QWidget *parent)
    : SetterWindow(mainWindow, separators, dialogs, parent)
{
    setObjectName(QStringLiteral("FormScale"));
    setWindowTitle(QStringLiteral("FormScale"));
    resize(879, 656);
    FormCreate();
    centreOnDesktop();
}

void TFormScale::FormCreate()
{
    setMinimumSize(656, 574);
    setMaximumSize(884, 656);
}

} // namespace cordavo
