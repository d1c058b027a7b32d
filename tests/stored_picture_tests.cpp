// The catalog's pictures as they are embedded in the program, read from their
// file headers: each keeps the format, pixel size, bit depth, interlace and
// image count it is catalogued with, whoever last edited the file.
#include "StoredPicture.h"
#include "catalog/ImageList.h"

#include <QBuffer>
#include <QImageWriter>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <numeric>

using catalog::ImageList;

namespace {

const QSet<int> bmp24{5, 6, 7, 19, 20, 21, 39, 72};
const QSet<int> bmp32{22, 54, 70};
const QSet<int> gif{2, 3, 4, 8, 17, 35, 43, 44};

// Entries whose pixel size is fixed; the others keep to their format's range.
const QHash<int, QSize> fixedSizes{
    {1, {88, 111}},   {2, {48, 48}},    {3, {48, 48}},    {4, {48, 48}},   {5, {256, 256}},
    {6, {256, 256}},  {7, {256, 256}},  {8, {48, 48}},    {10, {50, 50}},  {13, {331, 255}},
    {15, {337, 506}}, {16, {366, 466}}, {17, {40, 40}},   {19, {114, 170}}, {24, {48, 48}},
    {34, {32, 32}},   {35, {200, 200}}, {43, {48, 48}},   {101, {130, 87}},
};

struct Expected {
    QByteArray format;
    QString layout;
    QSize least;
    QSize most;
};

Expected expectedOf(int index)
{
    Expected e;
    if (index == 24) {
        e = {"ico", QStringLiteral("48x48 32-bit, 32x32 32-bit, 16x16 32-bit, 48x48 8-bit, 32x32 8-bit, 16x16 8-bit"), {}, {}};
    } else if (index == 34) {
        e = {"ico", QStringLiteral("32x32 32-bit"), {}, {}};
    } else if (bmp24.contains(index) || bmp32.contains(index)) {
        e = {"bmp", bmp24.contains(index) ? QStringLiteral("24-bit") : QStringLiteral("32-bit with alpha"), {64, 64}, {256, 256}};
    } else if (gif.contains(index)) {
        e = {"gif", QStringLiteral("1 frame"), {40, 40}, {200, 200}};
    } else {
        e = {"jpeg", index == 13 ? QStringLiteral("progressive") : QStringLiteral("baseline"), {50, 50}, {366, 506}};
    }
    if (fixedSizes.contains(index))
        e.least = e.most = fixedSizes.value(index);
    return e;
}

QByteArray reencoded(int index, const char *format, bool progressive)
{
    QImage image;
    image.loadFromData(ImageList::instance().encoded(index));
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QImageWriter writer(&out, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return out.data();
}

} // namespace

class StoredPictureTests : public QObject {
    Q_OBJECT
private slots:
    void everyStoredPictureKeepsItsFormatSizeAndLayout_data();
    void everyStoredPictureKeepsItsFormatSizeAndLayout();
    void smallestLargestAndTallestAreTheCataloguedEntries();
    void aPictureSavedOtherwiseIsTold_data();
    void aPictureSavedOtherwiseIsTold();
};

void StoredPictureTests::everyStoredPictureKeepsItsFormatSizeAndLayout_data()
{
    QTest::addColumn<int>("index");
    for (int index = 1; index <= ImageList::count; ++index)
        QTest::addRow("%03d %s", index, qPrintable(ImageList::instance().Key(index))) << index;
}

void StoredPictureTests::everyStoredPictureKeepsItsFormatSizeAndLayout()
{
    QFETCH(int, index);
    const StoredPicture stored(ImageList::instance().encoded(index));
    const Expected expected = expectedOf(index);
    QVERIFY2(stored.fault().isEmpty(), qPrintable(stored.fault()));
    QCOMPARE(stored.format(), expected.format);
    QCOMPARE(stored.layout(), expected.layout);
    const QSize size = stored.size();
    const bool within = size.width() >= expected.least.width() && size.height() >= expected.least.height()
                        && size.width() <= expected.most.width() && size.height() <= expected.most.height();
    QVERIFY2(within, qPrintable(QStringLiteral("%1x%2 is not within %3x%4 .. %5x%6")
                                    .arg(size.width()).arg(size.height())
                                    .arg(expected.least.width()).arg(expected.least.height())
                                    .arg(expected.most.width()).arg(expected.most.height())));
}

// Only one picture each is the smallest (32 x 32), the largest by area and the tallest.
void StoredPictureTests::smallestLargestAndTallestAreTheCataloguedEntries()
{
    QList<int> game(100);
    std::iota(game.begin(), game.end(), 2);
    QHash<int, QSize> sizes;
    for (const int i : game)
        sizes.insert(i, StoredPicture(ImageList::instance().encoded(i)).size());
    const auto area = [&sizes](int i) { return sizes[i].width() * sizes[i].height(); };
    const auto height = [&sizes](int i) { return sizes[i].height(); };
    const auto entriesAt = [&game](auto measure, bool least) {
        const auto [low, high] = std::minmax_element(game.begin(), game.end(),
                                                     [&](int a, int b) { return measure(a) < measure(b); });
        const int extreme = measure(least ? *low : *high);
        QList<int> found;
        std::copy_if(game.begin(), game.end(), std::back_inserter(found), [&](int i) { return measure(i) == extreme; });
        return found;
    };
    QCOMPARE(entriesAt(area, true), QList<int>{34});
    QCOMPARE(sizes[34], QSize(32, 32));
    QCOMPARE(entriesAt(area, false), QList<int>{16});
    QCOMPARE(entriesAt(height, false), QList<int>{15});
}

// The headers tell a picture re-saved, cut short or given another frame from
// the one catalogued; these are the edits a careless re-export makes.
void StoredPictureTests::aPictureSavedOtherwiseIsTold_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<bool>("faulty");
    const QByteArray frame("\x2C\0\0\0\0\1\0\1\0\0\2\2\x44\1\0", 15);
    const QByteArray gifHead("GIF89a\1\0\1\0\x80\0\0\0\0\0\xFF\xFF\xFF", 19);
    QByteArray icon = ImageList::instance().encoded(34);
    icon[4] = 2;  // the directory claims a second image
    const QByteArray bmp = ImageList::instance().encoded(20);
    QTest::newRow("JPEG re-saved progressive") << reencoded(9, "jpeg", true) << QStringLiteral("progressive") << false;
    QTest::newRow("32-bit BMP re-saved") << reencoded(22, "bmp", false) << QStringLiteral("24-bit") << false;
    QTest::newRow("BMP cut short") << bmp.left(bmp.size() - 100) << QString() << true;
    QTest::newRow("GIF with a second frame") << gifHead + frame + frame + ";" << QStringLiteral("2 frames") << false;
    QTest::newRow("GIF without its trailer") << gifHead + frame << QString() << true;
    QTest::newRow("icon directory past its images") << icon << QString() << true;
}

void StoredPictureTests::aPictureSavedOtherwiseIsTold()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, layout);
    QFETCH(bool, faulty);
    const StoredPicture stored(data);
    QCOMPARE(!stored.fault().isEmpty(), faulty);
    if (!faulty)
        QCOMPARE(stored.layout(), layout);
}

QTEST_MAIN(StoredPictureTests)
#include "stored_picture_tests.moc"
