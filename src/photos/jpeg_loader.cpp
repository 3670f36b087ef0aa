#include "photos/jpeg_loader.h"

#include "photos/jpeg_scan_filter.h"
#include "photos/photo_view.h"
#include "photos/picture_error.h"
#include "platform/regular_file.h"

#include <QFileInfo>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jerror.h>
#include <jpeglib.h>

namespace photos {

namespace {

// Why a decode was stopped by the program rather than by libjpeg.
enum class Stopped { No, TooManyScans, TooMuchWork };

// libjpeg's default error handler exits the process; this one jumps back to decode().
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jumpBack;
    Stopped stopped = Stopped::No;
};

// Called by libjpeg as it takes in each row of blocks of each scan: a crafted file with
// thousands of scans, each costing a pass over the whole picture, is stopped here.
// Only the taking in of the scans is counted: the one pass that makes the rows from them
// is bounded by the picture's size.
struct WorkWatch {
    jpeg_progress_mgr base;
    const JpegLimits* limits = nullptr;
    bool takingInScans = false;
    unsigned long long blocks = 0;
};

// The blocks in one row of MCUs of the scan being taken in; a scan of one component
// takes in as many rows of blocks at a time as the component's vertical sampling.
unsigned long long blocksPerRow(j_decompress_ptr info) {
    const int rows = info->comps_in_scan == 1 && info->cur_comp_info[0]
                         ? info->cur_comp_info[0]->v_samp_factor
                         : 1;
    return static_cast<unsigned long long>(info->MCUs_per_row) *
           static_cast<unsigned long long>(std::max(info->blocks_in_MCU, 1) * std::max(rows, 1));
}

void watchWork(j_common_ptr common) {
    auto* watch = reinterpret_cast<WorkWatch*>(common->progress);
    if (!watch->takingInScans)
        return;
    auto* info = reinterpret_cast<j_decompress_ptr>(common);
    auto* manager = reinterpret_cast<ErrorManager*>(common->err);
    watch->blocks += blocksPerRow(info);
    if (info->input_scan_number > watch->limits->maxScans)
        manager->stopped = Stopped::TooManyScans;
    else if (watch->blocks > watch->limits->maxBlocksDecoded)
        manager->stopped = Stopped::TooMuchWork;
    else
        return;
    std::longjmp(manager->jumpBack, 1);
}

void failDecoding(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    std::longjmp(manager->jumpBack, 1);
}

// Warnings are ignored, except the one for a file that ends early: such a picture is
// damaged, and decoding on would only paint grey rows for the missing data.
void onMessage(j_common_ptr info, int level) {
    if (level == -1 && info->err->msg_code == JWRN_JPEG_EOF)
        failDecoding(info);
}

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
    Stopped stopped = Stopped::No;
};

// What the bytes hold: the whole file, or only the scans of a progressive one that a
// decode at 1/8 scale uses, which serve that scale and nothing else.
enum class Content { WholeFile, EighthScaleScans };

// Holds no object with a destructor between setjmp and the end, so the long jump back
// from libjpeg's error handler skips nothing. Returns false with the message code set
// (0 when the scans kept for 1/8 scale cannot serve the decode the box needs).
bool decodeInto(const QByteArray& bytes, Content content, const QSize& fitInto,
                const JpegLimits& limits, DecodedPixels* out) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = failDecoding;
    errors.base.emit_message = onMessage;
    WorkWatch watch;
    watch.base.progress_monitor = watchWork;
    watch.limits = &limits;
    if (setjmp(errors.jumpBack)) {
        out->errorCode = errors.base.msg_code;
        out->stopped = errors.stopped;
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    info.progress = &watch.base;
    // Whole-image buffers (progressive and multi-scan files) beyond this are refused.
    info.mem->max_memory_to_use = limits.maxLibraryMemory;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    out->fullWidth = int(info.image_width);
    out->fullHeight = int(info.image_height);
    if (static_cast<unsigned long long>(info.image_width) * info.image_height > limits.maxPixels)
        ERREXIT1(&info, JERR_IMAGE_TOO_BIG, JPEG_MAX_DIMENSION);
    info.out_color_space = JCS_RGB;
    info.scale_num = scaleNumerator(int(info.image_width), int(info.image_height), fitInto);
    info.scale_denom = 8;
    if (content == Content::EighthScaleScans) {
        // The scans were chosen for these block sides; anything else needs the whole file.
        jpeg_calc_output_dimensions(&info);
        bool served = info.scale_num == 1;
        for (int c = 0; c < info.num_components && served; ++c) {
            const jpeg_component_info& component = info.comp_info[c];
            served = component.DCT_scaled_size ==
                     eighthScaleBlockSide(component.h_samp_factor, component.v_samp_factor,
                                          info.max_h_samp_factor, info.max_v_samp_factor);
        }
        if (!served) {
            jpeg_destroy_decompress(&info);
            return false;
        }
        // The coefficients left out are not used at this scale, so not to be guessed.
        info.do_block_smoothing = FALSE;
    }
    watch.takingInScans = true;
    jpeg_start_decompress(&info); // takes in every scan of a file that has several
    watch.takingInScans = false;

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

Picture decodeJpeg(const QByteArray& bytes, const QSize& fitInto, const JpegLimits& limits) {
    DecodedPixels pixels;
    // A progressive photo shown at 1/8 scale is decoded from the scans that scale uses;
    // when that does not serve, the whole file is decoded, and damage is reported from it.
    const QByteArray scans = fitInto.isEmpty() ? QByteArray() : scansForEighthScale(bytes);
    bool decoded =
        !scans.isEmpty() && decodeInto(scans, Content::EighthScaleScans, fitInto, limits, &pixels);
    // A decode stopped for its cost is not tried again on the whole file, which costs more.
    if (!decoded && pixels.stopped == Stopped::No) {
        std::free(pixels.rgb);
        pixels = DecodedPixels();
        decoded = decodeInto(bytes, Content::WholeFile, fitInto, limits, &pixels);
    }
    if (!decoded) {
        std::free(pixels.rgb);
        switch (pixels.stopped) {
        case Stopped::TooManyScans:
            throw PictureError(QStringLiteral("Изображение не показано: в файле больше %1 "
                                              "проходов (сканов), так фотографии не сохраняют.")
                                   .arg(limits.maxScans));
        case Stopped::TooMuchWork:
            throw PictureError(QStringLiteral("Изображение не показано: его разбор занял бы "
                                              "слишком много времени."));
        case Stopped::No:
            break;
        }
        throw PictureError(QString("JPEG error #%1").arg(pixels.errorCode));
    }
    const QImage view(pixels.rgb, pixels.width, pixels.height, pixels.width * 3,
                      QImage::Format_RGB888, std::free, pixels.rgb);
    return {view.convertToFormat(QImage::Format_RGB32), QSize(pixels.fullWidth, pixels.fullHeight)};
}

Picture loadJpegFile(const QString& path, const QSize& fitInto) {
    const QString extension = QFileInfo(path).suffix();
    static const QStringList kJpegExtensions = {"jpg", "jpeg", "jpe", "jfif"};
    if (!kJpegExtensions.contains(extension.toLower()))
        throw PictureError(QString("Unknown picture file extension (.%1)").arg(extension));
    // Only a regular file, opened without blocking and read up to the cap: a FIFO or a
    // link to a device named like a photo must not hold the window.
    const platform::RegularFile file(path, platform::RegularFile::Access::Read);
    if (file.error() == platform::notRegularFile())
        throw PictureError(QStringLiteral("Изображение не показано: «%1» — не файл, а канал "
                                          "или устройство.")
                               .arg(path));
    if (!file.isOpen())
        throw PictureError(QString("Cannot open file \"%1\"").arg(path));
    std::error_code error;
    const QByteArray bytes = file.readAll(kMaxPictureFileBytes, error);
    if (error == std::errc::file_too_large)
        throw PictureError(QStringLiteral("Изображение не показано: файл «%1» больше %2 МБ.")
                               .arg(path)
                               .arg(kMaxPictureFileBytes >> 20));
    if (error)
        throw PictureError(QString("Cannot open file \"%1\"").arg(path));
    return decodeJpeg(bytes, fitInto);
}

} // namespace photos
