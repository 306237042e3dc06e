#include "core/cards/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return: it jumps back to the decode, which gives up.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf escape;
};

[[noreturn]] void leave(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->escape, 1);
}

// Warnings (a damaged but decodable stream) are not printed.
void ignore(j_common_ptr, int) {}

// Decodes the picture whose header `info` has read, at the scale set in
// it; everything the jump may skip lives outside this function.
bool decodeScaled(jpeg_decompress_struct &info, QImage &image)
{
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height),
                   info.out_color_space == JCS_GRAYSCALE ? QImage::Format_Grayscale8
                                                         : QImage::Format_RGB32);
    if (image.isNull())
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

bool JpegDecoder::isJpeg(const QByteArray &bytes)
{
    return bytes.startsWith("\xff\xd8\xff");
}

int JpegDecoder::scaleEighths(const QSize &own, const QSize &wanted)
{
    for (int eighths = 1; eighths < 8; eighths *= 2) {
        // libjpeg rounds the scaled size up.
        const int width = (own.width() * eighths + 7) / 8;
        const int height = (own.height() * eighths + 7) / 8;
        if (width >= wanted.width() && height >= wanted.height())
            return eighths;
    }
    return 8;
}

QImage JpegDecoder::decode(const QByteArray &bytes, const QSize &size, qint64 mostPixels,
                           bool *leftToQt)
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = leave;
    errors.base.emit_message = ignore;
    QImage image;
    if (setjmp(errors.escape)) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        jpeg_destroy_decompress(&info);
        if (leftToQt)
            *leftToQt = true;
        return {};
    }
    info.out_color_space = info.num_components == 1 ? JCS_GRAYSCALE : JCS_EXT_BGRX;
    const QSize own(int(info.image_width), int(info.image_height));
    QSize wanted = size;
    if (wanted.isEmpty()) {
        // A picture too large for the budget is halved until it fits, as
        // far as the decoder's own scaling goes.
        while (qint64(info.image_width / info.scale_denom) *
                       (info.image_height / info.scale_denom) >
                   mostPixels &&
               info.scale_denom < 8)
            info.scale_denom *= 2;
    } else {
        info.scale_num = unsigned(scaleEighths(own, wanted));
        info.scale_denom = 8;
    }
    jpeg_calc_output_dimensions(&info);
    const QSize decodedSize(int(info.output_width), int(info.output_height));
    if (wanted.isEmpty())
        wanted = decodedSize;
    if (qint64(decodedSize.width()) * decodedSize.height() > mostPixels ||
        qint64(wanted.width()) * wanted.height() > mostPixels) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    // A picture scaled down after decoding loses the difference merged
    // upsampling of the colours makes, and that is faster.
    info.do_fancy_upsampling = decodedSize == wanted;
    const bool decoded = decodeScaled(info, image);
    jpeg_destroy_decompress(&info);
    if (!decoded || image.size() == wanted)
        return decoded ? image : QImage();
    return image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
