#include "ui/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace cordavo {

QFont windowFont(const QString &family, QFont::StyleHint hint, int pixelSize)
{
    QFont font(family);
    font.setStyleHint(hint);
    if (!QFontInfo(font).exactMatch()) {
        font = QFontDatabase::systemFont(hint == QFont::TypeWriter ? QFontDatabase::FixedFont
                                                                   : QFontDatabase::GeneralFont);
    }
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    return font;
}

} // namespace cordavo
