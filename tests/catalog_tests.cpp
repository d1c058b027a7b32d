// The picture catalog and the fitting of pictures into their boxes.
#include "CatalogTable.h"
#include "catalog/ImageList.h"
#include "game/Commonfunction.h"
#include "toolkit/RuntimeError.h"
#include "toolkit/PictureBox.h"

#include <QBuffer>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace cf = game::Commonfunction;
using catalog::ImageList;

class CatalogTests : public QObject {
    Q_OBJECT
private slots:
    void keysAreTheGameWordsInCatalogOrder();
    void everyPictureDecodesAtItsTabledSizeInItsFormat();
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
