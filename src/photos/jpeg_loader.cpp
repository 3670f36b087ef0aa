#include "photos/jpeg_loader.h"

#include "photos/photo_view.h"
#include "photos/picture_error.h"

#include <QFile>
#include <QFileInfo>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jerror.h>
#include <jpeglib.h>

namespace jpeg {
namespace {

// libjpeg's default error handler exits the process; this one jumps back to decode().
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jumpBack;
};

void failDecoding(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(manager->jumpBack, 1);
}

void ignoreMessage(j_common_ptr) {}

// The smallest 1/8 step whose output (libjpeg rounds up) still covers the size the
// picture is shown at in the box.
unsigned scaleNumerator(int width, int height, const QSize& box) {
    if (box.isEmpty())
        return 8;
    const QSize shown = fittedPhotoSize(QSize(width, height), box);
    for (unsigned n = 1; n < 8; ++n) {
        const int scaledWidth = (width * int(n) + 7) / 8;
        const int scaledHeight = (height * int(n) + 7) / 8;
        if (scaledWidth >= shown.width() && scaledHeight >= shown.height())
            return n;
    }
    return 8;
}

// The decoded rows, in memory that the caller owns and frees whatever happens.
struct DecodedPixels {
    unsigned char* rgb = nullptr;
    int width = 0;
    int height = 0;
    int fullWidth = 0;
    int fullHeight = 0;
    int errorCode = 0;
};

// Holds no object with a destructor between setjmp and the end, so the long jump back
// from libjpeg's error handler skips nothing. Returns false with the message code set.
bool decodeInto(const unsigned char* data, unsigned long size, const QSize& fitInto,
                DecodedPixels* out) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = failDecoding;
    errors.base.output_message = ignoreMessage;
    if (setjmp(errors.jumpBack)) {
        out->errorCode = errors.base.msg_code;
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    out->fullWidth = int(info.image_width);
    out->fullHeight = int(info.image_height);
    info.out_color_space = JCS_RGB;
    info.scale_num = scaleNumerator(int(info.image_width), int(info.image_height), fitInto);
    info.scale_denom = 8;
    jpeg_start_decompress(&info);

    out->width = int(info.output_width);
    out->height = int(info.output_height);
    const size_t stride = size_t(out->width) * 3;
    out->rgb = static_cast<unsigned char*>(std::malloc(stride * size_t(out->height)));
    if (!out->rgb) {
        out->errorCode = JERR_OUT_OF_MEMORY;
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out->rgb + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

Picture decode(const QByteArray& bytes, const QSize& fitInto) {
    DecodedPixels pixels;
    const bool decoded = decodeInto(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                    static_cast<unsigned long>(bytes.size()), fitInto, &pixels);
    if (!decoded) {
        std::free(pixels.rgb);
        throw PictureError(QString("JPEG error #%1").arg(pixels.errorCode));
    }
    const QImage view(pixels.rgb, pixels.width, pixels.height, pixels.width * 3,
                      QImage::Format_RGB888, std::free, pixels.rgb);
    return {view.convertToFormat(QImage::Format_RGB32), QSize(pixels.fullWidth, pixels.fullHeight)};
}

Picture loadFile(const QString& path, const QSize& fitInto) {
    const QString extension = QFileInfo(path).suffix();
    static const QStringList kJpegExtensions = {"jpg", "jpeg", "jpe", "jfif"};
    if (!kJpegExtensions.contains(extension.toLower()))
        throw PictureError(QString("Unknown picture file extension (.%1)").arg(extension));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PictureError(QString("Cannot open file \"%1\"").arg(path));
    return decode(file.readAll(), fitInto);
}

} // namespace jpeg
