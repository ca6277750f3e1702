#include "ui/CordavoWindows.h"
#include "ui/QtUserDialogs.h"
#include "ui/SystemSeparators.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cordavo"));
    // The main window ends the program when it closes, even while a setter is open.
    QApplication::setQuitOnLastWindowClosed(false);

    cordavo::QtUserDialogs dialogs;
    cordavo::CordavoWindows windows(cordavo::systemSeparators(), dialogs);
    windows.start();
    return app.exec();
}
