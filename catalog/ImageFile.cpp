#include "catalog/ImageFile.h"

#include <QBuffer>

#include <cstdint>
#include <cstring>
#include <memory>

namespace catalog {

namespace {
// The first bytes of pixels kept by rawImageBytes.
constexpr char rawMagic[8] = {'T', 'Q', 'R', 'A', 'W', '1', '\0', '\0'};
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

namespace {
struct RawHeader {
    char magic[8];
    qint32 width, height, format, bytesPerLine;
};
} // namespace

QByteArray rawImageBytes(const QImage &image)
{
    if (image.isNull())
        return {};
    RawHeader header{};
    std::memcpy(header.magic, rawMagic, sizeof rawMagic);
    header.width = image.width();
    header.height = image.height();
    header.format = static_cast<qint32>(image.format());
    header.bytesPerLine = static_cast<qint32>(image.bytesPerLine());
    QByteArray bytes(reinterpret_cast<const char *>(&header), sizeof header);
    bytes.append(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    return bytes;
}

QImage rawImage(const QByteArray &bytes)
{
    RawHeader header{};
    if (bytes.size() < qsizetype(sizeof header))
        return {};
    std::memcpy(&header, bytes.constData(), sizeof header);
    // The header must say what the bytes are, and the pixels fill them exactly.
    if (std::memcmp(header.magic, rawMagic, sizeof rawMagic) != 0 || header.width <= 0 || header.height <= 0
        || header.format <= QImage::Format_Invalid || header.format >= QImage::NImageFormats
        || header.bytesPerLine <= 0
        || bytes.size() - qsizetype(sizeof header) != qsizetype(header.bytesPerLine) * header.height)
        return {};
    const auto format = static_cast<QImage::Format>(header.format);
    const uchar *pixels = reinterpret_cast<const uchar *>(bytes.constData()) + sizeof header;
    // Rows that start on a 4-byte boundary are shown where they are, embedded
    // or read, kept alive by the image; a change to the image copies them first.
    if (reinterpret_cast<std::uintptr_t>(pixels) % 4 == 0 && header.bytesPerLine % 4 == 0) {
        auto kept = std::make_unique<QByteArray>(bytes);
        const QImage shared(pixels, header.width, header.height, header.bytesPerLine, format,
                            [](void *held) { delete static_cast<QByteArray *>(held); }, kept.get());
        if (shared.isNull())
            return {};
        kept.release();  // the image's now
        return shared;
    }
    QImage image(header.width, header.height, format);
    if (image.isNull() || image.bytesPerLine() != header.bytesPerLine)
        return {};
    std::memcpy(image.bits(), pixels, static_cast<size_t>(image.sizeInBytes()));
    return image;
}

} // namespace catalog
