#pragma once
// The picture catalog `imgList`: 101 entries addressed by 1-based index, each
// with a key (its word) and a picture at its own pixel size. Entry 1 is the
// placeholder "Think"; entries 2 to 101 are the game pictures.
#include "toolkit/Picture.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace catalog {

// The squares, in twips, the board fits its pictures into: while they are
// memorised (the build makes every picture ready at this size), and when revealed.
constexpr std::int32_t boardPicture = 1410;
constexpr std::int32_t revealedPicture = 1300;

class ImageList {
public:
    static constexpr int count = 101;

    // The one catalog of the program.
    static const ImageList &instance();

    // The key of entry `index`; raises SubscriptOutOfRange outside 1..101.
    QString Key(int index) const;
    // The picture of entry `index`; raises outside 1..101. Its pixels are read
    // when first needed, and at the board's size they are ready-made.
    tk::Picture Picture(int index) const;
    // The stored file of entry `index` as it is embedded (not copied).
    QByteArray encoded(int index) const;
    // The resource path of entry `index`.
    static QString resourcePath(int index);

private:
    ImageList() = default;
    static void check(int index);
};

// Decodes one stored picture; a file with several images gives the largest in
// the deepest colour. Raises InvalidPicture when the data is no picture.
tk::Picture decodePicture(const QByteArray &data);


} // namespace catalog
