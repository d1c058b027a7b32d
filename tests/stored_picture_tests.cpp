// The catalog's pictures as they are embedded in the program, read from their
// file headers: each keeps the format, pixel size, bit depth, interlace and
// image count it is catalogued with, whoever last edited the file.
#include "CatalogTable.h"
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

// What each format of the table looks like in the file's headers.
const QHash<QString, std::pair<QByteArray, QString>> headersOf{
    {"jpeg", {"jpeg", "baseline"}},
    {"jpeg-progressive", {"jpeg", "progressive"}},
    {"gif", {"gif", "1 frame"}},
    {"bmp24", {"bmp", "24-bit"}},
    {"bmp32", {"bmp", "32-bit with alpha"}},
    {"ico1", {"ico", "32x32 32-bit"}},
    {"ico6", {"ico", "48x48 32-bit, 32x32 32-bit, 16x16 32-bit, 48x48 8-bit, 32x32 8-bit, 16x16 8-bit"}},
};

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
    void aPictureSavedOtherwiseIsTold_data();
    void aPictureSavedOtherwiseIsTold();
};

void StoredPictureTests::everyStoredPictureKeepsItsFormatSizeAndLayout_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QSize>("size");
    const QList<CatalogRow> table = catalogTable();
    QVERIFY(table.size() == ImageList::count);
    for (const CatalogRow &row : table)
        QTest::addRow("%03d %s", row.index, qPrintable(row.key)) << row.index << row.format << row.size;
}

void StoredPictureTests::everyStoredPictureKeepsItsFormatSizeAndLayout()
{
    QFETCH(int, index);
    QFETCH(QString, format);
    const StoredPicture stored(ImageList::instance().encoded(index));
    QVERIFY2(stored.fault().isEmpty(), qPrintable(stored.fault()));
    QVERIFY2(headersOf.contains(format), qPrintable(format));
    QCOMPARE(stored.format(), headersOf.value(format).first);
    QCOMPARE(stored.layout(), headersOf.value(format).second);
    QTEST(stored.size(), "size");
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
