#include "ui/desktop/ComputerKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace cordavo {

namespace {

// Each note's place: its row (0 the top row of letters, 1 the row below)
// and its column from the row's first key.
struct Place {
    int row;
    int column;
};
constexpr Place kPlaces[kComputerKeys] = {{1, 0}, {0, 1}, {1, 1}, {0, 2}, {1, 2}, {1, 3}, {0, 4},
                                          {1, 4}, {0, 5}, {1, 5}, {0, 6}, {1, 6}, {1, 7}};

// The platforms' codes of the two rows, by column. X11 and Wayland give the
// XKB key code (the Linux input code plus 8), Windows the PC scan code,
// macOS the virtual key of its ANSI layout, which names a place too.
constexpr quint32 kXkbRows[2][10] = {{24, 25, 26, 27, 28, 29, 30, 31, 32, 33},
                                     {38, 39, 40, 41, 42, 43, 44, 45, 46, 47}};
constexpr quint32 kWindowsRows[2][10] = {{0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19},
                                         {0x1E, 0x1F, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27}};
constexpr quint32 kMacRows[2][10] = {{0x0C, 0x0D, 0x0E, 0x0F, 0x11, 0x10, 0x20, 0x22, 0x1F, 0x23},
                                     {0x00, 0x01, 0x02, 0x03, 0x05, 0x04, 0x26, 0x28, 0x25, 0x29}};

int keyIn(const quint32 (&rows)[2][10], quint32 code)
{
    for (int key = 0; key < kComputerKeys; ++key) {
        if (rows[kPlaces[key].row][kPlaces[key].column] == code)
            return key;
    }
    return -1;
}

} // namespace

int computerKeyAt(const QString &platform, quint32 scanCode, quint32 virtualKey)
{
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland")))
        return scanCode == 0 ? -1 : keyIn(kXkbRows, scanCode);
    if (platform == QLatin1String("windows"))
        return scanCode == 0 ? -1 : keyIn(kWindowsRows, scanCode); // an extended key (0x1xx) is none of them
    if (platform == QLatin1String("cocoa"))
        return keyIn(kMacRows, virtualKey);
    return -1;
}

int computerKeyAt(const QKeyEvent &event)
{
    return computerKeyAt(QGuiApplication::platformName(), event.nativeScanCode(), event.nativeVirtualKey());
}

QStringList computerKeyLetters(const QLocale &keyboard)
{
    const char *rows[2] = {"QWERTYUIOP", "ASDFGHJKL;"};
    const QLocale::Language language = keyboard.language();
    const QLocale::Territory territory = keyboard.territory();
    if (language == QLocale::German || territory == QLocale::Switzerland || language == QLocale::Czech ||
        language == QLocale::Slovak || language == QLocale::Hungarian || language == QLocale::Slovenian ||
        language == QLocale::Croatian) {
        rows[0] = "QWERTZUIOP";
    } else if (language == QLocale::French && (territory == QLocale::France || territory == QLocale::Belgium)) {
        rows[0] = "AZERTYUIOP";
        rows[1] = "QSDFGHJKLM";
    }
    QStringList letters;
    for (const Place &place : kPlaces)
        letters << QString(QLatin1Char(rows[place.row][place.column]));
    return letters;
}

} // namespace cordavo
