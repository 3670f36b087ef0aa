#include "jpeg_fixture.h"

#include <QFile>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <stdexcept>

namespace jpeg_fixture {

QByteArray encode(const QImage& picture, int quality, bool progressive, int restartRows) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (progressive)
        jpeg_simple_progression(&info);
    info.restart_in_rows = restartRows;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto* row = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

QImage markedPicture(const QSize& size, const QColor& colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    QPainter painter(&picture);
    painter.fillRect(0, 0, size.width() / 2, size.height() / 2, Qt::black);
    return picture;
}

QByteArray writeFile(const QString& path, const QSize& size, const QColor& colour) {
    const QByteArray bytes = encode(markedPicture(size, colour));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
    return bytes;
}

QByteArray withRepeatedFirstScan(const QByteArray& progressive, int copies) {
    const qsizetype start = progressive.indexOf("\xFF\xDA");
    if (start < 0)
        throw std::runtime_error("no scan in the file");
    // The scan's data ends at the first marker that is neither a stuffed zero nor a restart.
    qsizetype end = start + 2;
    for (;; ++end) {
        if (end + 1 >= progressive.size())
            throw std::runtime_error("the scan does not end");
        const auto next = static_cast<unsigned char>(progressive[end + 1]);
        if (static_cast<unsigned char>(progressive[end]) == 0xFF && next != 0x00 &&
            !(next >= 0xD0 && next <= 0xD7))
            break;
    }
    const QByteArray scan = progressive.mid(start, end - start);
    QByteArray crafted = progressive.left(progressive.size() - 2); // without EOI
    for (int k = 0; k < copies; ++k)
        crafted += scan;
    return crafted + "\xFF\xD9";
}

} // namespace jpeg_fixture
