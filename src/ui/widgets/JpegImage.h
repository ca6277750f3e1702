#pragma once

#include <QByteArray>
#include <QImage>

namespace cordavo {

// Decodes a JPEG picture with libjpeg; a null image when the data is not a
// readable JPEG. Given a size to cover, the picture is decoded at the
// smallest of libjpeg's scales (eighths of the full size) that still covers
// it in both directions, which is much quicker and smaller than decoding it
// whole to shrink it afterwards; never larger than the full size.
QImage decodeJpeg(const QByteArray &data, const QSize &cover = QSize());

} // namespace cordavo
