#include "toolkit/ImageFile.h"

#include <QBuffer>
#include <QFile>

namespace tk {

namespace {

// How much of a file its kind is read from.
constexpr qint64 signatureLength = 8;

QImage readFrom(QIODevice &device)
{
    const QByteArray signature = device.peek(signatureLength);
    if (!imageFormatOf(signature).isEmpty()) {
        QImageReader told(&device);
        tellFormat(told, signature);
        if (QImage image = told.read(); !image.isNull())
            return image;
        device.seek(0);
    }
    // The first bytes did not say, or said wrong: the reader finds the format itself.
    return QImageReader(&device).read();
}

} // namespace

QByteArray imageFormatOf(const QByteArray &data)
{
    if (data.startsWith("\xFF\xD8\xFF"))
        return QByteArrayLiteral("jpeg");
    if (data.startsWith("GIF87a") || data.startsWith("GIF89a"))
        return QByteArrayLiteral("gif");
    if (data.startsWith("BM"))
        return QByteArrayLiteral("bmp");
    if (data.startsWith(QByteArrayLiteral("\x00\x00\x01\x00")))
        return QByteArrayLiteral("ico");
    if (data.startsWith("\x89PNG\r\n\x1A\n"))
        return QByteArrayLiteral("png");
    return {};
}

void tellFormat(QImageReader &reader, const QByteArray &data)
{
    const QByteArray format = imageFormatOf(data);
    if (format.isEmpty())
        return;
    reader.setFormat(format);
    reader.setAutoDetectImageFormat(false);
}

QImage readImage(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    return readFrom(buffer);
}

QImage readImageFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readFrom(file);
}

} // namespace tk
