#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Decodes a JPEG with libjpeg straight into the image shown, letting the
// decoder scale while decoding: for a face shown at a quarter of the
// picture's size it transforms and converts a sixteenth of the pixels. The
// picture is decoded at the smallest of 1/8, 1/4, 1/2 and 1 at or above the
// size asked for, then scaled smoothly the rest of the way. The eighths
// between are left out: libjpeg-turbo has no vector code for them, and a
// face at 7/8 then takes twice as long as a whole decode and a scaling.
namespace JpegDecoder {

// Whether `bytes` start as a JPEG does.
bool isJpeg(const QByteArray &bytes);

// The smallest scale M/8 (M one of 1, 2, 4, 8), returned as M, at which a
// picture of `own` size is at least `wanted` in both directions; 8 when even
// the whole picture is smaller.
int scaleEighths(const QSize &own, const QSize &wanted);

// The picture in `bytes` at exactly `size` (at its own size when `size` is
// empty, or as large as fits `mostPixels`, halving); a null image when it is
// damaged, or of a kind this decoder leaves to Qt's reader (CMYK), which
// then sets `leftToQt`.
QImage decode(const QByteArray &bytes, const QSize &size, qint64 mostPixels,
              bool *leftToQt = nullptr);

} // namespace JpegDecoder
