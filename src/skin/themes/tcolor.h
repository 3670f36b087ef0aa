#pragma once

#include <QColor>
#include <QtGlobal>

// A colour as the skin tables and theme files hold it: 32 bits, red in the lowest byte,
// then green, then blue, top byte 0 (stored window descriptions write it in decimal).
struct TColor {
    quint32 value = 0;

    constexpr TColor() = default;
    constexpr explicit TColor(quint32 v) : value(v) {}

    static constexpr TColor fromRgb(int r, int g, int b) {
        return TColor(quint32(r & 0xFF) | quint32(g & 0xFF) << 8 | quint32(b & 0xFF) << 16);
    }
    // #RRGGBB as written in the tables.
    static constexpr TColor fromHex(quint32 rrggbb) {
        return fromRgb(int(rrggbb >> 16), int(rrggbb >> 8), int(rrggbb));
    }

    constexpr int red() const { return int(value & 0xFF); }
    constexpr int green() const { return int(value >> 8 & 0xFF); }
    constexpr int blue() const { return int(value >> 16 & 0xFF); }

    // The one conversion between the skin's colours and the toolkit's; alpha is dropped.
    QColor toQColor() const { return QColor(red(), green(), blue()); }
    static TColor fromQColor(const QColor& color) {
        return fromRgb(color.red(), color.green(), color.blue());
    }

    friend constexpr bool operator==(TColor a, TColor b) { return a.value == b.value; }
};
