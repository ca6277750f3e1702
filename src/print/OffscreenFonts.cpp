#include "print/OffscreenFonts.h"

#include <QByteArray>
#include <QDir>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace cordavo {

void useSystemFontsOffscreen()
{
#ifdef Q_OS_WIN
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) {
        wchar_t windowsFolder[MAX_PATH];
        const UINT length = GetWindowsDirectoryW(windowsFolder, MAX_PATH);
        if (length > 0 && length < MAX_PATH) {
            const QString fonts = QDir(QString::fromWCharArray(windowsFolder, static_cast<int>(length)))
                                      .filePath(QStringLiteral("Fonts"));
            qputenv("QT_QPA_FONTDIR", QDir::toNativeSeparators(fonts).toLocal8Bit());
        }
    }
    // The platform's default font, "Sans Serif", the style sheets' generic
    // sans-serif and Helvetica are names Windows has no font of: without a
    // stand-in Qt takes the first family that writes Latin letters, which may
    // be a monospaced one. Windows' own sans-serif fonts stand in.
    const QStringList sansSerif = {QStringLiteral("Arial"), QStringLiteral("Segoe UI"), QStringLiteral("Tahoma"),
                                   QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")};
    for (const char *name : {"Sans Serif", "sans-serif", "Helvetica"})
        QFont::insertSubstitutions(QLatin1String(name), sansSerif);
#endif
}

} // namespace cordavo
