#include "ui/widgets/JpegImage.h"

#include <climits>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace cordavo {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void onJpegError(j_common_ptr info)
{
    auto *manager = reinterpret_cast<ErrorManager *>(info->err);
    std::longjmp(manager->jump, 1);
}

void ignoreJpegMessage(j_common_ptr) {}

// Kept free of C++ objects with destructors: libjpeg reports errors by longjmp.
bool decodeInto(const unsigned char *bytes, unsigned long size, int coverWidth, int coverHeight, QImage *image)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onJpegError;
    errors.base.output_message = ignoreJpegMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    // libjpeg scales by eighths while it decodes, rounding the sides up.
    info.scale_denom = 8;
    info.scale_num = 1;
    while (info.scale_num < 8 && (static_cast<long long>(info.image_width) * info.scale_num + 7) / 8 < coverWidth)
        ++info.scale_num;
    while (info.scale_num < 8 && (static_cast<long long>(info.image_height) * info.scale_num + 7) / 8 < coverHeight)
        ++info.scale_num;
    jpeg_start_decompress(&info);
    *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
    if (image->isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage decodeJpeg(const QByteArray &data, const QSize &cover)
{
    if (data.isEmpty())
        return {};
    QImage image;
    if (!decodeInto(reinterpret_cast<const unsigned char *>(data.constData()), static_cast<unsigned long>(data.size()),
                    cover.isValid() ? cover.width() : INT_MAX, cover.isValid() ? cover.height() : INT_MAX, &image))
        return {};
    return image;
}

} // namespace cordavo
