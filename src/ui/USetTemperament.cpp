#include "ui/USetTemperament.h"

namespace cordavo {

TFormCicloQuinte::TFormCicloQuinte(TFormTemperamento &mainWindow, const Separators &separators, UserDialogs &dialogs,
               QWidget *parent)
    : SetterWindow(mainWindow, separators, dialogs, parent)
{
    setObjectName(QStringLiteral("FormCicloQuinte"));
    setWindowTitle(QStringLiteral("Cordavo"));
    resize(828, 739);
    FormCreate();
    centreOnDesktop();
}

void TFormCicloQuinte::FormCreate()
{
    setMinimumSize(828, 739);
    setMaximumSize(828, 739);
}

} // namespace cordavo
