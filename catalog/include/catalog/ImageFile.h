#pragma once
// Reading the catalog's stored pictures, whose kind their first bytes tell. A
// reader told the format and not to guess loads only the one image plugin that
// reads it; one left to guess loads every image plugin installed and asks each
// in turn, which on a desktop with many plugins costs far more than the picture.
#include <QByteArray>
#include <QImage>
#include <QImageReader>

namespace catalog {

// The image format `data` begins as ("jpeg", "gif", "bmp", "ico", "png"), or
// empty when its first bytes do not say.
QByteArray imageFormatOf(const QByteArray &data);

// Tells `reader` the format `data` begins as, and not to guess; a reader of
// data whose first bytes do not say is left to find the format itself.
void tellFormat(QImageReader &reader, const QByteArray &data);

// An image's pixels exactly as they lie in memory, with their size, format
// and line length: what the build makes ahead and the program shows as it
// is, without decoding and without the rounding an encoder's colour conversions bring.
QByteArray rawImageBytes(const QImage &image);

// The image written by rawImageBytes; a null image for any other bytes.
QImage rawImage(const QByteArray &bytes);

} // namespace catalog
