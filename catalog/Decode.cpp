// Decoding the catalog's stored pictures, shared by the catalog and the
// build's maker of the pictures at their board size.
#include "catalog/ImageList.h"
#include "catalog/ImageFile.h"
#include "toolkit/RuntimeError.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>

namespace catalog {

tk::Picture decodePicture(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    tellFormat(reader, data);
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
