#pragma once

#include "palette.h"

#include <QImage>

// One function per kind of skin picture. Each draws, antialiased, on a transparent image
// of the requested size; flatten() then turns it into the final opaque bitmap.

enum class TitleSection { Left, Client, Right };
enum class CheckShape { Box, Radio };

QImage buttonStrip(QSize size, const StylePalette& p);              // 3 frames
QImage checkStrip(QSize size, const StylePalette& p, CheckShape s); // 4 frames
QImage titleButtonStrip(QSize size, const StylePalette& p);         // 18 frames
QImage titleSection(QSize size, const StylePalette& p, TitleSection section);
QImage progressBar(QSize size, const StylePalette& p);
QImage trackBar(QSize size, const StylePalette& p);
QImage trackSlider(QSize size, const StylePalette& p, bool vertical);
QImage scrollBarButtons(QSize size, const StylePalette& p); // 4 frames: up, down, left, right
QImage scrollThumb(QSize size, const StylePalette& p);      // 3 frames: start, middle, end
QImage scrollButtons(QSize size, const StylePalette& p);    // 4 frames: left, right, pressed
QImage tabFace(QSize size, const StylePalette& p);
QImage tabLine(QSize size, const StylePalette& p);
QImage sideChannelHandle(QSize size, const StylePalette& p);
QImage sideChannelBar(QSize size, const StylePalette& p);
QImage brushedPattern(QSize size, const StylePalette& p);
QImage dottedPattern(QSize size, const StylePalette& p);
QImage stripedBar(QSize size, const StylePalette& p);
QImage selectionBar(QSize size, const StylePalette& p);
QImage checkMark(QSize size);
QImage comboButton(QSize size, const StylePalette& p);
QImage sizeGrip(QSize size);
QImage messageIcons(QSize size);
QImage programIcon(QSize size);
// The sizes at which the program icon is installed into the desktop's icon theme.
inline constexpr int kDesktopIconSizes[] = {16, 32, 48, 256};

// The caption gradient of a style, height rows high and one column wide, as the title
// buttons see it behind them.
QImage captionColumn(int height, const StylePalette& p);

// Makes a drawn picture opaque: with keyed, pixels under half coverage become the key
// colour #FF00FF and the rest is laid over behind; without, all of it is laid over behind.
// behind is either one colour (a 1 x 1 image) or a column as high as the picture.
QImage flatten(const QImage& drawn, const QImage& behind, bool keyed);
QImage solid(const QColor& colour);
