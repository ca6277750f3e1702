#include "ui/desktop/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>

namespace cordavo {

QFont windowFont(const QString &family, QFont::StyleHint hint, int pixelSize)
{
    QFont font(family);
    font.setStyleHint(hint);
    if (!QFontInfo(font).exactMatch()) {
        // The desktop's font as the program has it, so that a larger one
        // chosen there reaches the windows.
        font =
            hint == QFont::TypeWriter ? QFontDatabase::systemFont(QFontDatabase::FixedFont) : QGuiApplication::font();
    }
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    return font;
}

} // namespace cordavo
