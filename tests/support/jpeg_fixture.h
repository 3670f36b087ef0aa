#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// JPEG files made by the tests themselves, encoded with libjpeg.
namespace jpeg_fixture {

// Encodes the picture (any format; stored as RGB), with a restart marker every
// `restartRows` rows of blocks when that is not 0.
QByteArray encode(const QImage& picture, int quality = 90, bool progressive = false,
                  int restartRows = 0);

// A picture of one colour with a black top-left quarter, so scaling and placement can
// be told apart.
QImage markedPicture(const QSize& size, const QColor& colour);

// Writes encode(markedPicture(size, colour)) to the path; returns the bytes written.
QByteArray writeFile(const QString& path, const QSize& size, const QColor& colour = Qt::red);

// The progressive file with its first scan sent `copies` more times before the end: a
// file of many scans, each one more pass of the decoder over the whole picture.
QByteArray withRepeatedFirstScan(const QByteArray& progressive, int copies);

} // namespace jpeg_fixture
