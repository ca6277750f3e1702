#include "ui/UCents.h"

namespace cordavo {

TFormCents::TFormCents(TFormTemperamento &mainWindow, QWidget *parent) : SetterWindow(mainWindow, parent)
{
    setObjectName(QStringLiteral("FormCents"));
    setWindowTitle(QStringLiteral("Cordavo"));
    resize(714, 663);
    FormCreate();
    centreOnDesktop();
}

void TFormCents::FormCreate()
{
    setMinimumSize(714, 663);
    setMaximumSize(714, 663);
}

} // namespace cordavo
