#pragma once

#include <QImage>
#include <QRgb>
#include <QWidget>

// Pixel helpers for the skinned-control tests: what a control shows, as plain RGB.
namespace skin_pixels {

inline QImage shot(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline QRgb rgb(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

inline QRgb hex(QRgb rrggbb) {
    return rrggbb & 0xFFFFFF;
}

} // namespace skin_pixels
