#include "catalog/ImageList.h"
#include "toolkit/ImageFile.h"
#include "toolkit/RuntimeError.h"

#include <QBuffer>
#include <QImageReader>
#include <QResource>

#include <algorithm>

// The pictures live in a static library: their resources must be registered by hand.
static void registerPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace catalog {

namespace {

// Catalog order, from the catalog's table.
constexpr const char *keys[] = {
#include "Keys.inc"
};
static_assert(std::size(keys) == ImageList::count, "the table must list every picture");

} // namespace

const ImageList &ImageList::instance()
{
    static const ImageList list = [] {
        registerPictures();
        return ImageList();
    }();
    return list;
}

void ImageList::check(int index)
{
    if (index < 1 || index > count)
        tk::raise(tk::SubscriptOutOfRange, QStringLiteral("Index out of bounds"));
}

QString ImageList::Key(int index) const
{
    check(index);
    return QString::fromLatin1(keys[static_cast<std::size_t>(index - 1)]);
}

QString ImageList::resourcePath(int index)
{
    return QStringLiteral(":/catalog/%1").arg(index, 3, 10, QLatin1Char('0'));
}

QByteArray ImageList::encoded(int index) const
{
    check(index);
    // A file stored as it is stays where it is embedded; a compressed one is unpacked.
    return QResource(resourcePath(index)).uncompressedData();
}

tk::Picture ImageList::Picture(int index) const
{
    check(index);
    tk::WeakPicture &inUse = m_inUse[static_cast<std::size_t>(index)];
    tk::Picture picture = inUse.lock();
    if (picture.isNull()) {
        picture = loadPicture(encoded(index), resourcePath(index));
        inUse = tk::WeakPicture(picture);
    }
    return picture;
}

tk::Picture loadPicture(const QByteArray &data, const QString &key)
{
    // A single-image file tells its size in its header: its pixels can wait.
    const QByteArray format = tk::imageFormatOf(data);
    if (format == "jpeg" || format == "gif" || format == "bmp") {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        tk::tellFormat(reader, data);
        const QSize size = reader.size();
        if (size.isValid() && !size.isEmpty())
            return tk::Picture::fromFile(data, size, key);
    }
    return tk::Picture(decodePicture(data).image(), key);
}

tk::Picture decodePicture(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    tk::tellFormat(reader, data);
    QImage best;
    // An icon holds the same picture at several sizes and colour depths: show
    // the largest, in its deepest colour.
    const int images = std::max(1, reader.imageCount());
    for (int i = 0; i < images; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        QImage image = reader.read();
        if (image.isNull())
            continue;
        const auto area = [](const QImage &im) { return qint64(im.width()) * im.height(); };
        if (best.isNull() || area(image) > area(best)
            || (area(image) == area(best) && image.depth() > best.depth()))
            best = std::move(image);
    }
    if (best.isNull())
        tk::raise(tk::InvalidPicture);
    return tk::Picture(std::move(best));
}

} // namespace catalog
