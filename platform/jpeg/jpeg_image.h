#pragma once
// Decodes a whole JPEG file held in memory with libjpeg.
#include <QByteArray>
#include <QImage>

// The picture as an opaque 32-bit image (QImage::Format_RGB32, the screen's own format), or
// a null image when the bytes are not a JPEG file that libjpeg can read (empty, cut short,
// damaged, an unsupported colour space, more than 4096 pixels a side).
QImage DecodeJpeg(const QByteArray& bytes);
