#include "photos/jpeg_scan_filter.h"

#include <array>

namespace photos {

namespace {

constexpr unsigned char kMarker = 0xFF;
constexpr unsigned char kStartOfImage = 0xD8;
constexpr unsigned char kEndOfImage = 0xD9;
constexpr unsigned char kStartOfScan = 0xDA;
constexpr unsigned char kProgressiveHuffmanFrame = 0xC2;

bool isFrameMarker(unsigned char marker) {
    // SOF0 to SOF15 without DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// The last coefficient, in zigzag order, inside the top-left side x side corner of a
// block: all a block decoded to that side uses.
int lastCoefficientUsed(int side) {
    switch (side) {
    case 1:
        return 0;
    case 2:
        return 4;
    case 4:
        return 24;
    default:
        return 63;
    }
}

// Where the entropy-coded data that starts at `from` ends: at the next marker that is
// neither a stuffed zero byte nor a restart marker.
qsizetype endOfScanData(const unsigned char* bytes, qsizetype size, qsizetype from) {
    for (qsizetype at = from; at + 1 < size; ++at) {
        if (bytes[at] != kMarker)
            continue;
        const unsigned char next = bytes[at + 1];
        if (next != 0x00 && next != kMarker && !(next >= 0xD0 && next <= 0xD7))
            return at;
    }
    return -1;
}

} // namespace

int eighthScaleBlockSide(int horizontal, int vertical, int maxHorizontal, int maxVertical) {
    int side = 1;
    while (side < 8 && horizontal > 0 && vertical > 0 &&
           maxHorizontal % (horizontal * side * 2) == 0 && maxVertical % (vertical * side * 2) == 0)
        side *= 2;
    return side;
}

QByteArray scansForEighthScale(const QByteArray& file) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(file.constData());
    const qsizetype size = file.size();
    if (size < 4 || bytes[0] != kMarker || bytes[1] != kStartOfImage)
        return QByteArray();
    // The last coefficient used of each component, by component identifier.
    std::array<int, 256> lastUsed;
    lastUsed.fill(-1);
    bool progressive = false;
    QByteArray kept = file.left(2);
    kept.reserve(size);
    qsizetype at = 2;
    while (at + 1 < size) {
        if (bytes[at] != kMarker)
            return QByteArray();
        while (at + 1 < size && bytes[at + 1] == kMarker) // fill bytes
            ++at;
        if (at + 1 >= size)
            break;
        const unsigned char marker = bytes[at + 1];
        if (marker == kEndOfImage) {
            if (!progressive)
                return QByteArray();
            kept.append(file.constData() + at, 2);
            return kept;
        }
        if (at + 4 > size)
            return QByteArray();
        const qsizetype length = bytes[at + 2] << 8 | bytes[at + 3];
        const qsizetype segmentEnd = at + 2 + length;
        if (length < 2 || segmentEnd > size)
            return QByteArray();
        if (isFrameMarker(marker)) {
            // One frame only: precision, height, width, count, then three bytes for each
            // component (identifier, sampling factors, quantisation table).
            if (marker != kProgressiveHuffmanFrame || progressive || length < 8)
                return QByteArray();
            const int components = bytes[at + 9];
            if (length < 8 + 3 * components)
                return QByteArray();
            int maxH = 1, maxV = 1;
            for (int c = 0; c < components; ++c) {
                const unsigned char factors = bytes[at + 11 + 3 * c];
                maxH = std::max(maxH, factors >> 4);
                maxV = std::max(maxV, factors & 15);
            }
            for (int c = 0; c < components; ++c) {
                const unsigned char id = bytes[at + 10 + 3 * c];
                const unsigned char factors = bytes[at + 11 + 3 * c];
                lastUsed[id] = lastCoefficientUsed(
                    eighthScaleBlockSide(factors >> 4, factors & 15, maxH, maxV));
            }
            progressive = true;
        }
        if (marker != kStartOfScan) {
            kept.append(file.constData() + at, segmentEnd - at);
            at = segmentEnd;
            continue;
        }
        // SOS: count of components, two bytes for each, then the first coefficient.
        if (!progressive || length < 3)
            return QByteArray();
        const int components = bytes[at + 4];
        const qsizetype firstCoefficientAt = at + 5 + 2 * qsizetype(components);
        if (components < 1 || firstCoefficientAt >= segmentEnd)
            return QByteArray();
        const int firstCoefficient = bytes[firstCoefficientAt];
        // DC scans may hold several components; AC scans hold one.
        const bool used =
            firstCoefficient == 0 || components != 1 || firstCoefficient <= lastUsed[bytes[at + 5]];
        const qsizetype dataEnd = endOfScanData(bytes, size, segmentEnd);
        if (dataEnd < 0)
            return QByteArray();
        if (used)
            kept.append(file.constData() + at, dataEnd - at);
        at = dataEnd;
    }
    return QByteArray();
}

} // namespace photos
