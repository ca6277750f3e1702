#include "CordavoVersion.h"
#include "devices/MidiPorts.h"
#include "ui/desktop/FileOpening.h"
#include "ui/desktop/QtUserDialogs.h"
#include "ui/desktop/RememberedPlaces.h"
#include "ui/desktop/SystemSeparators.h"
#include "ui/desktop/Translations.h"
#include "ui/windows/CordavoWindows.h"
#include "ui/windows/UTemperamento.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <cstring>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#endif

int main(int argc, char *argv[])
{
    // "--version" is answered before Qt starts, so that it needs no display
    // and opens no window.
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
#ifdef Q_OS_WIN
            // A windowed program has no console of its own: the answer goes
            // where standard output is redirected, else to the console it
            // was started from; "\n" as written.
            if (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) == FILE_TYPE_UNKNOWN &&
                AttachConsole(ATTACH_PARENT_PROCESS))
                std::freopen("CONOUT$", "w", stdout);
            _setmode(_fileno(stdout), _O_BINARY);
#endif
            std::printf("cordavo %s\n", cordavo::kVersion);
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cordavo"));
    QApplication::setApplicationVersion(QLatin1String(cordavo::kVersion));
    // The main window ends the program when it closes, even while a setter is open.
    QApplication::setQuitOnLastWindowClosed(false);

    // Folders, file types and the page setup come back from the last run.
    QSettings settings(QStringLiteral("Cordavo"), QStringLiteral("Cordavo"));
    // The windows speak the language chosen under "? → Language", else the
    // system's; numbers follow the regional setting whatever the language.
    const QString chosenLanguage = settings.value(QStringLiteral("language")).toString();
    cordavo::installTranslations(cordavo::windowLanguage(chosenLanguage, QLocale::system().uiLanguages()));
    cordavo::QtUserDialogs desktopDialogs;
    cordavo::RememberedPlaces dialogs(desktopDialogs, settings);
    cordavo::CordavoWindows windows(cordavo::systemSeparators(), dialogs);
    // The sound output and MIDI ports chosen under "Sound and MIDI…".
    windows.useSettings(settings);
    windows.setMidiPortLists({cordavo::midiInputNames, cordavo::midiOutputNames});
    windows.FormTemperamento().offerLanguages(chosenLanguage, [&settings](const QString &code) {
        if (code.isEmpty())
            settings.remove(QStringLiteral("language"));
        else
            settings.setValue(QStringLiteral("language"), code);
    });
    windows.FormTemperamento().rememberMidiChoiceIn(settings);
    windows.start();
    // Files named on the command line (a file manager's "Open with") open
    // once the About window has been answered.
    windows.FormTemperamento().openAtStart(cordavo::fileArguments(QApplication::arguments()));
    return app.exec();
}
