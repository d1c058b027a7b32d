#pragma once
// What the headers of a stored picture file say, read from its bytes alone
// (no image decoder): its format, pixel size and the layout that decides how
// it is decoded (BMP bit count, JPEG baseline or progressive, GIF frame
// count, the images of an icon).
#include <QByteArray>
#include <QSize>
#include <QString>

class StoredPicture {
public:
    // Reads the headers of `data`; a file that is cut short or malformed
    // leaves a description of the fault in fault().
    explicit StoredPicture(const QByteArray &data);

    // "jpeg", "bmp", "gif", "ico", or empty when the signature is unknown.
    QByteArray format() const { return m_format; }
    // The size the file declares: the BMP/JPEG/GIF image size, or the first icon image's.
    QSize size() const { return m_size; }
    // Readable layout, e.g. "baseline", "progressive", "24-bit", "32-bit with alpha",
    // "1 frame", "48x48 32-bit, 32x32 8-bit".
    QString layout() const { return m_layout; }
    // Empty when the headers hold together; otherwise what is wrong.
    QString fault() const { return m_fault; }

private:
    bool readJpeg();
    bool readBmp();
    bool readGif();
    bool readIco();
    bool skipGifSubBlocks(qsizetype &at);
    bool fail(const QString &why);
    bool has(qsizetype at, qsizetype bytes) const;
    quint8 u8(qsizetype at) const;
    quint16 le16(qsizetype at) const;
    quint32 le32(qsizetype at) const;
    quint16 be16(qsizetype at) const;

    QByteArray m_data;
    QByteArray m_format;
    QSize m_size;
    QString m_layout;
    QString m_fault;
};
