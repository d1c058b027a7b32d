#pragma once
// The picture catalog `imgList`: 101 entries addressed by 1-based index, each
// with a key (its word) and a picture at its own pixel size. Entry 1 is the
// placeholder "Think"; entries 2 to 101 are the game pictures.
#include "toolkit/Picture.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

namespace catalog {

class ImageList {
public:
    static constexpr int count = 101;

    // The one catalog of the program.
    static const ImageList &instance();

    // The key of entry `index`; raises SubscriptOutOfRange outside 1..101.
    QString Key(int index) const;
    // The picture of entry `index`, decoded once and then shared; raises outside 1..101.
    tk::Picture Picture(int index) const;
    // The stored file of entry `index` as it is embedded.
    QByteArray encoded(int index) const;
    // The resource path of entry `index`.
    static QString resourcePath(int index);

private:
    ImageList() = default;
    static void check(int index);

    mutable std::array<std::optional<tk::Picture>, count + 1> m_decoded;
};

// Decodes one stored picture; a file with several images gives the largest in
// the deepest colour. Raises InvalidPicture when the data is no picture.
tk::Picture decodePicture(const QByteArray &data);

} // namespace catalog
