#pragma once
// Reading pictures whose kind their first bytes tell. A reader told the format
// and not to guess loads only the one image plugin that reads it; one left to
// guess (or merely told the format) loads every image plugin installed and
// asks each in turn, which on a desktop with many plugins costs far more than
// the picture itself.
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QString>

namespace tk {

// The image format `data` begins as ("jpeg", "gif", "bmp", "ico", "png"), or
// empty when its first bytes do not say.
QByteArray imageFormatOf(const QByteArray &data);

// Tells `reader` the format `data` begins as, and not to guess; a reader of
// data whose first bytes do not say is left to find the format itself.
void tellFormat(QImageReader &reader, const QByteArray &data);

// The image encoded in `data`; a null image when it cannot be read.
QImage readImage(const QByteArray &data);

// The image in the file or resource at `path`, pixels kept by rawImageBytes
// among them; a null image when it cannot be read.
QImage readImageFile(const QString &path);

// An image's pixels exactly as they lie in memory, with their size, format
// and line length: what is made ahead of time and shown as it is, without
// decoding and without the rounding an encoder's colour conversions bring.
QByteArray rawImageBytes(const QImage &image);

// The image written by rawImageBytes; a null image for any other bytes.
QImage rawImage(const QByteArray &bytes);
// Its size, read from the bytes' header alone; an invalid size for any other bytes.
QSize rawImageSize(const QByteArray &bytes);

} // namespace tk
