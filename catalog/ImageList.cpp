#include "catalog/ImageList.h"
#include "catalog/ImageFile.h"
#include "toolkit/RuntimeError.h"

#include <QResource>

// The pictures live in a static library: their resources must be registered by hand.
static void registerPictures()
{
    Q_INIT_RESOURCE(pictures);
#ifdef TQ_CATALOG_SHOWN
    Q_INIT_RESOURCE(shown);
#endif
}

namespace catalog {

namespace {

// Catalog order, from the catalog's table: each entry's key and its picture's size.
struct Entry {
    const char *key;
    int width, height;
};
constexpr Entry entries[] = {
#include "Entries.inc"
};
static_assert(std::size(entries) == ImageList::count, "the table must list every picture");

const Entry &entry(int index)
{
    return entries[static_cast<std::size_t>(index - 1)];
}

// Pixels of entry `index` the build made (`kind` "whole": the placeholder
// decoded; "shown": a picture at the board's size; "revealed": at its
// uncovered size); null when it made none.
QImage madeAhead(const char *kind, int index)
{
    const QResource file(QStringLiteral(":/catalog/%1/%2").arg(QLatin1String(kind)).arg(index, 3, 10, QLatin1Char('0')));
    return file.size() > 0 ? rawImage(file.uncompressedData()) : QImage();
}

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
    return QString::fromLatin1(entry(index).key);
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
    // Its file is read only when its pixels are needed at a size not made ahead.
    const auto decode = [index]() -> QImage {
        try {
            return decodePicture(ImageList::instance().encoded(index)).image();
        } catch (const tk::RuntimeError &) {
            return {};
        }
    };
    const QImage whole = madeAhead("whole", index);
    tk::Picture picture = whole.isNull()
        ? tk::Picture::deferred(decode, QSize(entry(index).width, entry(index).height))
        : tk::Picture(whole);
    picture.setReadyMade({madeAhead("shown", index), madeAhead("revealed", index)});
    return picture;
}

} // namespace catalog
