#pragma once

#include <QByteArray>
#include <QImage>

namespace cordavo {

// Decodes a JPEG picture with libjpeg; a null image when the data is not a
// readable JPEG.
QImage decodeJpeg(const QByteArray &data);

} // namespace cordavo
