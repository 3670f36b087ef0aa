#pragma once

#include <QImage>

class QPainter;

// What every picture starts from: a transparent image and an antialiased painter.
QImage blank(QSize size);
void smooth(QPainter& painter);
