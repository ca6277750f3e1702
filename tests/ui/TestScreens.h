#pragma once

#include <QByteArray>
#include <QSize>

namespace cordavo {

// The offscreen platform's configuration of one screen of this many pixels.
inline QByteArray offscreenScreen(const QSize &pixels)
{
    return QByteArrayLiteral(R"({"screens": [{"name": "test", "x": 0, "y": 0, "width": )") +
           QByteArray::number(pixels.width()) + QByteArrayLiteral(R"(, "height": )") +
           QByteArray::number(pixels.height()) + QByteArrayLiteral(R"(, "logicalDpi": 96, "dpr": 1}]})");
}

} // namespace cordavo
