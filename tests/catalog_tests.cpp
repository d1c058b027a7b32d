// The picture catalog and the fitting of pictures into their boxes.
#include "CatalogTable.h"
#include "catalog/ImageList.h"
#include "game/Commonfunction.h"
#include "toolkit/RuntimeError.h"
#include "toolkit/PictureBox.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace cf = game::Commonfunction;
using catalog::ImageList;

namespace {

// How a stored file is laid out, read from its headers: the JPEG coding
// process, the BMP bit count and alpha mask, the GIF frames, the icon's images.
QString storedLayout(const QByteArray &data)
{
    const auto u8 = [&](qsizetype at) { return at >= 0 && at < data.size() ? quint8(data[at]) : quint8(0); };
    const auto le16 = [&](qsizetype at) { return u8(at) | u8(at + 1) << 8; };
    const auto le32 = [&](qsizetype at) { return quint32(le16(at)) | quint32(le16(at + 2)) << 16; };
    if (data.startsWith("\xFF\xD8")) {
        // The segments up to the first frame header, whose marker names the process.
        for (qsizetype at = 2; u8(at) == 0xFF; at += 2 + (u8(at + 2) << 8 | u8(at + 3)))
            if (u8(at + 1) == 0xC0 || u8(at + 1) == 0xC2)
                return u8(at + 1) == 0xC0 ? QStringLiteral("jpeg baseline") : QStringLiteral("jpeg progressive");
        return QStringLiteral("jpeg without a frame header");
    }
    if (data.startsWith("BM") && le32(2) != quint32(data.size()))
        return QStringLiteral("bmp cut short");
    if (data.startsWith("BM"))  // a V3..V5 info header carries an alpha mask
        return QStringLiteral("bmp %1-bit%2").arg(le16(28)).arg(le32(14) >= 56 && le32(66) ? " with alpha" : "");
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    if (data.startsWith("GIF"))
        return QStringLiteral("gif %1 frame(s)").arg(QImageReader(&buffer).imageCount());
    QStringList images;  // the icon directory: width, height (0 is 256) and bit count of each image
    for (qsizetype entry = 6; entry < 6 + 16 * le16(4); entry += 16)
        images << QStringLiteral("%1x%2 %3-bit").arg(u8(entry) ? u8(entry) : 256).arg(u8(entry + 1) ? u8(entry + 1) : 256).arg(le16(entry + 6));
    return QStringLiteral("ico ") + images.join(QStringLiteral(", "));
}

QByteArray reencoded(int index, const char *format, bool progressive)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QImageWriter writer(&out, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(catalog::decodePicture(ImageList::instance().encoded(index)).image());
    return out.data();
}

} // namespace

class CatalogTests : public QObject {
    Q_OBJECT
private slots:
    void keysAreTheGameWordsInCatalogOrder();
    void everyPictureDecodesAtItsTabledSizeInItsFormat();
    void everyStoredPictureKeepsTheLayoutItIsCataloguedWith();
    void aPictureSavedOtherwiseIsTold_data();
    void aPictureSavedOtherwiseIsTold();
    void everyPictureShownOnTheBoardAndRevealedIsItsWholePictureShrunk();
    void indicesOutsideTheCatalogRaise();
    void fittingFollowsTheWorkedExamples();
    void fittingFollowsTheWorkedExamples_data();
    void fittingMeasuresHeightFirstAndSetsTheLongSideFirst();
};

void CatalogTests::keysAreTheGameWordsInCatalogOrder()
{
    const ImageList &list = ImageList::instance();
    QCOMPARE(list.Key(1), QStringLiteral("Think"));
    QCOMPARE(list.Key(8), QStringLiteral("BALOON"));
    QCOMPARE(list.Key(101), QStringLiteral("TELEPHONE"));
    QSet<QString> keys;
    const QRegularExpression word(QStringLiteral("^[A-Z]{2,12}$"));
    for (int i = 2; i <= 101; ++i) {
        QVERIFY2(word.match(list.Key(i)).hasMatch(), qPrintable(list.Key(i)));
        keys.insert(list.Key(i));
    }
    QCOMPARE(keys.size(), 100);
}

void CatalogTests::everyPictureDecodesAtItsTabledSizeInItsFormat()
{
    const ImageList &list = ImageList::instance();
    const QList<CatalogRow> table = catalogTable();
    QCOMPARE(table.size(), ImageList::count);
    for (const CatalogRow &row : table) {
        const int i = row.index;
        QCOMPARE(list.Key(i), row.key);
        QBuffer buffer;
        buffer.setData(list.encoded(i));
        buffer.open(QIODevice::ReadOnly);
        const QByteArray format = QImageReader(&buffer).format();
        QVERIFY2(row.format.startsWith(QLatin1String(format)), qPrintable(QStringLiteral("%1: %2").arg(i).arg(QString::fromLatin1(format))));
        // A many-image icon shows its largest image.
        QVERIFY2(catalog::decodePicture(list.encoded(i)).size() == row.size, qPrintable(QString::number(i)));
        QVERIFY2(list.Picture(i).size() == row.size, qPrintable(QString::number(i)));
    }
}

// Each picture keeps the layout it is catalogued with, whoever last edited the file.
void CatalogTests::everyStoredPictureKeepsTheLayoutItIsCataloguedWith()
{
    const QHash<QString, QString> layouts{
        {"jpeg", "jpeg baseline"},
        {"jpeg-progressive", "jpeg progressive"},
        {"gif", "gif 1 frame(s)"},
        {"bmp24", "bmp 24-bit"},
        {"bmp32", "bmp 32-bit with alpha"},
        {"ico1", "ico 32x32 32-bit"},
        {"ico6", "ico 48x48 32-bit, 32x32 32-bit, 16x16 32-bit, 48x48 8-bit, 32x32 8-bit, 16x16 8-bit"},
    };
    for (const CatalogRow &row : catalogTable()) {
        QVERIFY2(layouts.contains(row.format), qPrintable(row.format));
        QCOMPARE(storedLayout(ImageList::instance().encoded(row.index)), layouts.value(row.format));
    }
}

// The edits a careless re-export makes show in the headers.
void CatalogTests::aPictureSavedOtherwiseIsTold_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("layout");
    const QByteArray frame("\x2C\0\0\0\0\1\0\1\0\0\2\2\x44\1\0", 15);
    const QByteArray gif("GIF89a\1\0\1\0\x80\0\0\0\0\0\xFF\xFF\xFF", 19);
    QTest::newRow("JPEG re-saved progressive") << reencoded(9, "jpeg", true) << "jpeg progressive";
    QTest::newRow("32-bit BMP re-saved") << reencoded(22, "bmp", false) << "bmp 24-bit";
    QTest::newRow("BMP cut short") << ImageList::instance().encoded(20).chopped(100) << "bmp cut short";
    QTest::newRow("GIF with a second frame") << gif + frame + frame + ";" << "gif 2 frame(s)";
}

void CatalogTests::aPictureSavedOtherwiseIsTold()
{
    QFETCH(QByteArray, data);
    QTEST(storedLayout(data), "layout");
}

// A picture is shown, on the board and revealed, exactly as the whole
// picture smoothly shrunk.
void CatalogTests::everyPictureShownOnTheBoardAndRevealedIsItsWholePictureShrunk()
{
    const ImageList &list = ImageList::instance();
    const auto same = [](const QImage &a, const QImage &b) {
        return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
    };
    for (int i = 1; i <= ImageList::count; ++i) {
        const QImage whole = catalog::decodePicture(list.encoded(i)).image();
        for (const int box : {94, 87}) {
            const QSize shown = whole.size().scaled(box, box, Qt::KeepAspectRatio);
            if (shown.width() >= whole.width()) {  // shown as it is
                QVERIFY2(same(list.Picture(i).image(), whole), qPrintable(QString::number(i)));
                continue;
            }
            const QImage expected = whole.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QVERIFY2(same(list.Picture(i).scaled(shown), expected), qPrintable(QString::number(i)));
        }
    }
}

void CatalogTests::indicesOutsideTheCatalogRaise()
{
    QVERIFY_THROWS_EXCEPTION(tk::RuntimeError, ImageList::instance().Key(0));
    QVERIFY_THROWS_EXCEPTION(tk::RuntimeError, ImageList::instance().Picture(102));
    QVERIFY_THROWS_EXCEPTION(tk::RuntimeError, catalog::decodePicture(QByteArray("not a picture")));
}

void CatalogTests::fittingFollowsTheWorkedExamples_data()
{
    QTest::addColumn<QSize>("entry");
    QTest::addColumn<QSize>("after");
    QTest::addColumn<bool>("painted");
    QTest::newRow("below both maxima") << QSize(1005, 795) << QSize(1005, 795) << false;
    QTest::newRow("one pixel short of both") << QSize(1395, 1395) << QSize(1395, 1395) << false;
    QTest::newRow("exactly as wide, less high") << QSize(1410, 1005) << QSize(1410, 1005) << true;
    QTest::newRow("exactly as high, narrower") << QSize(1005, 1410) << QSize(1005, 1410) << true;
    QTest::newRow("wider") << QSize(3000, 2010) << QSize(1410, 945) << true;
    QTest::newRow("higher") << QSize(2010, 3000) << QSize(945, 1410) << true;
    QTest::newRow("square, as higher") << QSize(2010, 2010) << QSize(1410, 1410) << true;
    QTest::newRow("higher, smaller") << QSize(1005, 1500) << QSize(945, 1410) << true;
    QTest::newRow("square at the maxima") << QSize(1410, 1410) << QSize(1410, 1410) << true;
}

void CatalogTests::fittingFollowsTheWorkedExamples()
{
    QFETCH(QSize, entry);
    QFETCH(QSize, after);
    QFETCH(bool, painted);
    QWidget window;
    tk::PictureBox box(&window);
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    box.setPicture(tk::Picture(image));
    box.setWidth(entry.width());
    box.setHeight(entry.height());
    cf::fitpicture(1410, 1410, box);
    QCOMPARE(QSize(int(box.Width()), int(box.Height())), after);
    // The picture is stretched over the whole box only when it is painted.
    const QImage seen = window.grab(box.geometry()).toImage();
    QCOMPARE(seen.pixelColor(seen.width() - 1, seen.height() - 1) == QColor(Qt::blue), painted);
}

void CatalogTests::fittingMeasuresHeightFirstAndSetsTheLongSideFirst()
{
    // A box whose proportions give a fractional pixel shows the order of the
    // rounding: 3000 x 2000 fits to 1410 x 940, and 940 twips is 62.67 px -> 63.
    QWidget window;
    tk::PictureBox box(&window);
    QImage image(200, 133, QImage::Format_RGB32);
    image.fill(Qt::green);
    box.setPicture(tk::Picture(image));  // 3000 x 1995 twips
    cf::fitpicture(1410, 1410, box);
    QCOMPARE(box.Width(), 1410.0f);
    QCOMPARE(box.Height(), 945.0f);  // 1410 * 1995 / 3000 = 937.65 -> 62.51 px -> 63 px
    cf::fitpicture(1300, 1300, box);
    QCOMPARE(box.Width(), 1305.0f);  // 1300 / 15 = 86.67 -> 87 px
    QCOMPARE(box.Height(), 870.0f);  // 1300 * 945 / 1410 = 871.3 -> 58 px
}

QTEST_MAIN(CatalogTests)
#include "catalog_tests.moc"
