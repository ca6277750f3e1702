#include "CordavoVersion.h"
#include "ui/CordavoWindows.h"
#include "ui/QtUserDialogs.h"
#include "ui/SystemSeparators.h"

#include <QApplication>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    // "--version" is answered before Qt starts, so that it needs no display
    // and opens no window.
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("cordavo %s\n", cordavo::kVersion);
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cordavo"));
    QApplication::setApplicationVersion(QLatin1String(cordavo::kVersion));
    // The main window ends the program when it closes, even while a setter is open.
    QApplication::setQuitOnLastWindowClosed(false);

    cordavo::QtUserDialogs dialogs;
    cordavo::CordavoWindows windows(cordavo::systemSeparators(), dialogs);
    windows.start();
    return app.exec();
}
