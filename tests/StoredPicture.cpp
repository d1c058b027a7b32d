#include "StoredPicture.h"

#include <QStringList>
#include <QtGlobal>

namespace {

// Start-of-frame markers; C4 (Huffman tables), C8 (reserved) and CC
// (arithmetic conditioning) share the range but start no frame.
bool isStartOfFrame(quint8 marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Markers that stand alone, without a length: TEM, RST0..RST7, SOI.
bool standsAlone(quint8 marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);
}

} // namespace

StoredPicture::StoredPicture(const QByteArray &data) : m_data(data)
{
    if (data.startsWith("\xFF\xD8\xFF")) {
        m_format = "jpeg";
        readJpeg();
    } else if (data.startsWith("BM")) {
        m_format = "bmp";
        readBmp();
    } else if (data.startsWith("GIF87a") || data.startsWith("GIF89a")) {
        m_format = "gif";
        readGif();
    } else if (data.startsWith(QByteArray("\0\0\1\0", 4))) {
        m_format = "ico";
        readIco();
    } else {
        fail(QStringLiteral("no known file signature"));
    }
}

// Walks the marker segments up to the first scan: exactly one frame header
// must come before it, and it tells the size and the coding process.
bool StoredPicture::readJpeg()
{
    int frames = 0;
    quint8 frameMarker = 0;
    qsizetype at = 2;
    for (;;) {
        if (!has(at, 2) || u8(at) != 0xFF)
            return fail(QStringLiteral("no marker at byte %1").arg(at));
        const quint8 marker = u8(at + 1);
        if (marker == 0xFF || standsAlone(marker)) {
            at += marker == 0xFF ? 1 : 2;  // a fill byte, or a marker without a segment
            continue;
        }
        if (!has(at + 2, 2) || be16(at + 2) < 2 || !has(at + 2, be16(at + 2)))
            return fail(QStringLiteral("segment at byte %1 runs past the end").arg(at));
        if (marker == 0xDA)
            break;
        if (isStartOfFrame(marker)) {
            if (be16(at + 2) < 8)
                return fail(QStringLiteral("frame header cut short"));
            ++frames;
            frameMarker = marker;
            m_size = QSize(be16(at + 7), be16(at + 5));
        }
        at += 2 + be16(at + 2);
    }
    if (frames != 1)
        return fail(QStringLiteral("%1 frame headers before the first scan").arg(frames));
    if (!m_data.endsWith("\xFF\xD9"))
        return fail(QStringLiteral("no end-of-image marker at the end"));
    m_layout = frameMarker == 0xC0   ? QStringLiteral("baseline")
               : frameMarker == 0xC2 ? QStringLiteral("progressive")
                                     : QStringLiteral("SOF%1").arg(frameMarker - 0xC0);
    return true;
}

// The file header and the info header (BITMAPINFOHEADER or a later version);
// the pixel rows must fit in the file the header says it is.
bool StoredPicture::readBmp()
{
    if (!has(0, 54) || le32(14) < 40)
        return fail(QStringLiteral("no info header"));
    if (le32(2) != quint32(m_data.size()))
        return fail(QStringLiteral("says it holds %1 bytes, holds %2").arg(le32(2)).arg(m_data.size()));
    const qint64 width = qint32(le32(18));
    const qint64 height = qAbs(qint64(qint32(le32(22))));  // negative: rows stored top-down
    const int bits = le16(28);
    if (width < 1 || width > 0xFFFF || height < 1 || height > 0xFFFF)
        return fail(QStringLiteral("implausible size %1x%2").arg(width).arg(height));
    m_size = QSize(int(width), int(height));
    const qsizetype stride = (qsizetype(width) * bits + 31) / 32 * 4;
    const quint32 compression = le32(30);
    if ((compression == 0 || compression == 3) && !has(le32(10), stride * height))
        return fail(QStringLiteral("pixel rows run past the end"));
    const bool alpha = le32(14) >= 56 && has(66, 4) && le32(66) != 0;  // the alpha mask of a V3..V5 header
    m_layout = QStringLiteral("%1-bit%2").arg(bits).arg(alpha ? QStringLiteral(" with alpha") : QString());
    return true;
}

// Walks the blocks to the trailer and counts the image descriptors (frames).
bool StoredPicture::readGif()
{
    if (!has(0, 13))
        return fail(QStringLiteral("no screen descriptor"));
    m_size = QSize(le16(6), le16(8));
    qsizetype at = 13;
    if (u8(10) & 0x80)
        at += 3 << ((u8(10) & 7) + 1);  // the global colour table
    int frames = 0;
    for (;;) {
        if (!has(at, 1))
            return fail(QStringLiteral("ends without its trailer"));
        const quint8 block = u8(at);
        if (block == 0x3B)
            break;
        if (block == 0x21) {
            at += 2;  // introducer and label
        } else if (block == 0x2C && has(at, 10)) {
            ++frames;
            const quint8 packed = u8(at + 9);
            at += 10 + ((packed & 0x80) ? 3 << ((packed & 7) + 1) : 0) + 1;  // + LZW code size
        } else {
            return fail(QStringLiteral("unknown block %1 at byte %2").arg(block).arg(at));
        }
        if (!skipGifSubBlocks(at))
            return false;
    }
    m_layout = frames == 1 ? QStringLiteral("1 frame") : QStringLiteral("%1 frames").arg(frames);
    return true;
}

bool StoredPicture::skipGifSubBlocks(qsizetype &at)
{
    while (has(at, 1)) {
        const quint8 length = u8(at);
        at += 1 + length;
        if (length == 0)
            return true;
    }
    return fail(QStringLiteral("data sub-blocks cut short"));
}

// The icon directory; each entry's bitmap must lie in the file and agree
// with the directory about its size and bit count.
bool StoredPicture::readIco()
{
    const int count = has(0, 6) && le16(2) == 1 ? le16(4) : 0;
    if (count == 0)
        return fail(QStringLiteral("no icon directory"));
    QStringList images;
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = 6 + 16 * i;
        if (!has(entry, 16))
            return fail(QStringLiteral("directory cut short"));
        const int width = u8(entry) ? u8(entry) : 256;
        const int height = u8(entry + 1) ? u8(entry + 1) : 256;
        const int bits = le16(entry + 6);
        const quint32 bytes = le32(entry + 8), offset = le32(entry + 12);
        if (bytes < 40 || !has(offset, bytes) || le32(offset) != 40)
            return fail(QStringLiteral("image %1 is no bitmap inside the file").arg(i + 1));
        if (qint32(le32(offset + 4)) != width || qint32(le32(offset + 8)) != 2 * height || le16(offset + 14) != bits)
            return fail(QStringLiteral("image %1: directory and bitmap disagree").arg(i + 1));
        images << QStringLiteral("%1x%2 %3-bit").arg(width).arg(height).arg(bits);
        if (i == 0)
            m_size = QSize(width, height);
    }
    m_layout = images.join(QStringLiteral(", "));
    return true;
}

bool StoredPicture::fail(const QString &why)
{
    m_fault = why;
    return false;
}

bool StoredPicture::has(qsizetype at, qsizetype bytes) const
{
    return at >= 0 && bytes >= 0 && at <= m_data.size() && bytes <= m_data.size() - at;
}

quint8 StoredPicture::u8(qsizetype at) const
{
    return quint8(m_data.at(at));
}

quint16 StoredPicture::le16(qsizetype at) const
{
    return quint16(u8(at) | u8(at + 1) << 8);
}

quint32 StoredPicture::le32(qsizetype at) const
{
    return quint32(le16(at)) | quint32(le16(at + 2)) << 16;
}

quint16 StoredPicture::be16(qsizetype at) const
{
    return quint16(u8(at) << 8 | u8(at + 1));
}
