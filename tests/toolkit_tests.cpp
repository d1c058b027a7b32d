// The window-and-controls layer: twips, control arrays, tab order, timers,
// checked arithmetic and contained runtime errors.
#include "ErrorCatcher.h"
#include "catalog/ImageFile.h"
#include "catalog/ImageList.h"
#include "ManualClock.h"
#include "toolkit/ControlArray.h"
#include "toolkit/Form.h"
#include "toolkit/Int16.h"
#include "toolkit/Label.h"
#include "toolkit/MessageBox.h"
#include "toolkit/PictureBox.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"

#include <QBuffer>
#include <QMetaEnum>
#include <QFile>
#include <QFontDatabase>
#include <QImageWriter>
#include <QInputMethodEvent>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include <map>

class ToolkitTests : public QObject {
    Q_OBJECT
private slots:
    void twipsSetValueReadsBackAsWholePixels();
    void sizesAndIntervalsOutOfRangeRaiseInvalidCall();
    void int16OverflowRaisesAndNearestRoundsHalfToEven();
    void runtimeErrorEndsTheHandlerKeepsItsWorkAndIsReportedOnce();
    void createdElementCopiesTheTemplateAndStartsHidden();
    void loadingTwiceOrUnloadingMissingElementRaises();
    void unloadedElementIsGoneAndTheNextIsHeardUnderItsIndex();
    void tabIndexMovesAControlAndRenumbersTheOthers();
    void timerTicksOnAFixedScheduleWithoutDrift();
    void timerStartsAfreshWhenEnabledAgain();
    void aTickDueWhileItsOwnHandlerRunsIsDropped();
    void systemClockWakesEveryTimerOnItsOwnScheduleAndForgetsStoppedOnes();
    void focusOnADisabledOrHiddenBoxRaises();
    void pictureBoxTakesItsPictureSizeAndForgetsPaintOnNewPicture();
    void textBoxDrawsItsOwnSunkenBorderUnderEveryStyle();
    void aDisabledBoxStillShowsItsTextDark();
    void aKeyItsHandlerSetsToZeroNeverReachesTheBox();
    void unloadingAWindowNeverLoadedChangesNothing();
    void theMessageBoxShowsMarkupAsIt();
    void paintHidesThePictureBeneathAndShowsTheWindowThroughItsClearParts();
    void picturesAreReadAsTheirFirstBytesSayLoadingNoOtherPlugin();
    void readyMadePixelsAreShownAtTheirSizeOnlyAndExactly();
    void designedFaceIsSetInTheOneInstalledFamilyThatStandsForIt();
    void darkDesktopPalettesGiveWayToTheStandardLightScheme();
};

void ToolkitTests::twipsSetValueReadsBackAsWholePixels()
{
    QWidget parent;
    tk::Label label(&parent);
    label.setLeft(1410);
    label.setTop(22.4f);      // 1.49 px -> 1 px
    label.setWidth(1402.5f);  // 93.5 px -> 94 (half to even)
    label.setHeight(1387.5f); // 92.5 px -> 92
    QCOMPARE(label.Left(), 1410.0f);
    QCOMPARE(label.x(), 94);
    QCOMPARE(label.Top(), 15.0f);
    QCOMPARE(label.Width(), 1410.0f);
    QCOMPARE(label.Height(), 1380.0f);
}

void ToolkitTests::sizesAndIntervalsOutOfRangeRaiseInvalidCall()
{
    // Sizes from 0 up, timer intervals from 0 to 65535 milliseconds.
    QWidget parent;
    tk::Label label(&parent);
    tk::Timer timer;
    const auto raised = [](const std::function<void()> &set) {
        try {
            set();
        } catch (const tk::RuntimeError &e) {
            return e.number();
        }
        return 0;
    };
    QCOMPARE(raised([&] { label.setWidth(-15); }), int(tk::InvalidCall));
    QCOMPARE(raised([&] { label.setHeight(0); }), 0);
    QCOMPARE(raised([&] { timer.setInterval(-1); }), int(tk::InvalidCall));
    QCOMPARE(raised([&] { timer.setInterval(65536); }), int(tk::InvalidCall));
    QCOMPARE(raised([&] { timer.setInterval(0); }), 0);
    QCOMPARE(raised([&] { timer.setInterval(65535); }), 0);
}

void ToolkitTests::int16OverflowRaisesAndNearestRoundsHalfToEven()
{
    tk::Int16 n = 32766;
    n = n + 1;
    QCOMPARE(int(n), 32767);
    QVERIFY_THROWS_EXCEPTION(tk::RuntimeError, n = n + 1);
    QCOMPARE(int(n), 32767);  // the failed assignment leaves the old value
    tk::Int16 low = -32768;
    QVERIFY_THROWS_EXCEPTION(tk::RuntimeError, low = low - 1);
    QCOMPARE(int(tk::cint(2.5)), 2);
    QCOMPARE(int(tk::cint(3.5)), 4);
    QCOMPARE(int(tk::cint(-2.5)), -2);
    QCOMPARE(int(tk::cint(1510.49)), 1510);
    QVERIFY_THROWS_EXCEPTION(tk::RuntimeError, tk::cint(32767.5));
    QCOMPARE(tk::mul32(1410, 1000), 1410000);
    QVERIFY_THROWS_EXCEPTION(tk::RuntimeError, tk::mul32(1 << 20, 1 << 12));
}

void ToolkitTests::runtimeErrorEndsTheHandlerKeepsItsWorkAndIsReportedOnce()
{
    ErrorCatcher catcher;
    int done = 0;
    tk::runHandler([&] {
        done = 1;
        tk::raise(tk::SubscriptOutOfRange);
        done = 2;  // never reached
    });
    QCOMPARE(done, 1);
    QCOMPARE(catcher.errors, std::vector<int>{tk::SubscriptOutOfRange});
    tk::runHandler([&] { done = 3; });  // the next event runs normally
    QCOMPARE(done, 3);
    QCOMPARE(catcher.errors.size(), size_t(1));
}

void ToolkitTests::createdElementCopiesTheTemplateAndStartsHidden()
{
    QWidget container;
    tk::ControlDesign d;
    d.kind = tk::ControlKind::Label;
    d.name = QStringLiteral("lblPictureName");
    d.arrayTemplate = true;
    d.left = 120;
    d.top = 480;
    d.width = 2535;
    d.height = 375;
    d.caption = QStringLiteral("lbl");
    d.alignment = Qt::AlignHCenter;
    d.font = tk::FontDesign{QStringLiteral("Verdana"), 8.25, true};
    d.visible = false;
    d.enabled = false;
    tk::ControlArray<tk::Label> names(d, &container);
    names.load(7);
    tk::Label &created = names(7);
    QVERIFY(created.isHidden() && !created.isEnabled());
    QCOMPARE(created.Caption(), QStringLiteral("lbl"));
    QCOMPARE(created.Left(), 120.0f);
    QCOMPARE(created.Width(), 2535.0f);
    QVERIFY(created.alignment() & Qt::AlignHCenter);
    QVERIFY(created.font().bold());
    QCOMPARE(created.font().pixelSize(), 11);
    QVERIFY(QStringList({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")})
                .contains(created.font().families().first()));
    QVERIFY(names(0).isHidden());
    QVERIFY(names.exists(0) && !names.exists(1));
}

void ToolkitTests::loadingTwiceOrUnloadingMissingElementRaises()
{
    QWidget container;
    tk::ControlDesign d;
    d.kind = tk::ControlKind::TextBox;
    d.name = QStringLiteral("txtanswer");
    d.arrayTemplate = true;
    tk::ControlArray<tk::TextBox> boxes(d, &container);
    boxes.load(1);
    auto numberOf = [](auto &&f) {
        try {
            f();
        } catch (const tk::RuntimeError &e) {
            return e.number();
        }
        return 0;
    };
    QCOMPARE(numberOf([&] { boxes.load(1); }), int(tk::AlreadyLoaded));
    QCOMPARE(numberOf([&] { boxes.unload(2); }), int(tk::ElementMissing));
    QCOMPARE(numberOf([&] { boxes(2); }), int(tk::ElementMissing));
    QCOMPARE(numberOf([&] { boxes.unload(0); }), int(tk::InvalidCall));
    boxes.unload(1);
    QVERIFY(!boxes.exists(1));
    QCOMPARE(numberOf([&] { boxes(1); }), int(tk::ElementMissing));
}

// An element made ahead is hidden and not loaded until its first load takes
// it. An unloaded element is gone; one loaded after it is new, in the tab
// order after the template and heard by the array under its own Index.
void ToolkitTests::unloadedElementIsGoneAndTheNextIsHeardUnderItsIndex()
{
    QWidget container;
    new tk::TabOrder(&container);
    tk::ControlDesign d;
    d.kind = tk::ControlKind::TextBox;
    d.name = QStringLiteral("txtanswer");
    d.tabIndex = 0;
    tk::ControlArray<tk::TextBox> boxes(d, &container);
    QList<int> keys;
    boxes.KeyPress = [&keys](int Index, int &) { keys << Index; };
    boxes.makeAhead(1);
    boxes.makeAhead(2);
    const QPointer<tk::TextBox> ahead = container.findChild<tk::TextBox *>(QStringLiteral("txtanswer(1)"));
    QVERIFY(ahead && ahead->isHidden() && !boxes.exists(1));
    boxes.load(1);
    const QPointer<tk::TextBox> first = &boxes(1);
    QCOMPARE(first.data(), ahead.data());
    first->setText(QStringLiteral("WATCH"));
    boxes.unload(1);
    QVERIFY(first.isNull());
    boxes.load(2);
    QCOMPARE(boxes(2).Name(), QStringLiteral("txtanswer(2)"));
    QCOMPARE(boxes(2).Text(), QString());
    QCOMPARE(boxes(2).TabIndex(), 1);
    QTest::keyClick(&boxes(2), Qt::Key_B);
    QCOMPARE(keys, QList<int>{2});
}

void ToolkitTests::tabIndexMovesAControlAndRenumbersTheOthers()
{
    QWidget client;
    new tk::TabOrder(&client);
    tk::TextBox a(&client), b(&client), c(&client);
    tk::TabOrder::place(&a);
    tk::TabOrder::place(&b);
    tk::TabOrder::place(&c);
    c.setTabIndex(0);
    QCOMPARE(c.TabIndex(), 0);
    QCOMPARE(a.TabIndex(), 1);
    QCOMPARE(b.TabIndex(), 2);
    a.setTabIndex(99);  // past the end: the last place
    QCOMPARE(a.TabIndex(), 2);
    QCOMPARE(c.nextInFocusChain(), static_cast<QWidget *>(&b));
}

void ToolkitTests::timerTicksOnAFixedScheduleWithoutDrift()
{
    ManualClock clock;
    tk::Timer timer;
    std::vector<qint64> at;
    timer.onTimer = [&] { at.push_back(clock.now()); };
    timer.setInterval(1000);
    const qint64 start = clock.now();
    timer.setEnabled(true);
    // Deliver each wake-up late, as a busy machine would: the schedule holds.
    for (int i = 0; i < 120; ++i)
        clock.advance(i % 3 == 0 ? 1007 : 997);
    QCOMPARE(int(at.size()), 120);
    for (size_t k = 0; k < at.size(); ++k)
        QVERIFY2(at[k] >= start + qint64(k + 1) * 1000 && at[k] < start + qint64(k + 1) * 1000 + 10,
                 qPrintable(QString::number(at[k] - start)));
    timer.setEnabled(false);
    clock.advance(5000);
    QCOMPARE(int(at.size()), 120);
}

void ToolkitTests::timerStartsAfreshWhenEnabledAgain()
{
    ManualClock clock;
    tk::Timer timer;
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    timer.setInterval(1000);
    timer.setEnabled(true);
    clock.advance(900);
    timer.setEnabled(true);  // a fresh start: the next tick is a whole interval away
    clock.advance(900);
    QCOMPARE(ticks, 0);
    clock.advance(100);
    QCOMPARE(ticks, 1);
}

void ToolkitTests::aTickDueWhileItsOwnHandlerRunsIsDropped()
{
    // A handler that waits while time passes (in a message box's own loop):
    // the ticks due meanwhile do not run it again inside itself.
    ManualClock clock;
    tk::Timer timer;
    int depth = 0, deepest = 0;
    timer.onTimer = [&] {
        deepest = std::max(deepest, ++depth);
        if (depth == 1)
            clock.advance(3000);
        --depth;
    };
    timer.setInterval(1000);
    timer.setEnabled(true);
    clock.advance(1000);
    QCOMPARE(deepest, 1);
}

void ToolkitTests::systemClockWakesEveryTimerOnItsOwnScheduleAndForgetsStoppedOnes()
{
    // Three timers share the system clock's one wait for the earliest deadline.
    int fast = 0, slow = 0, stopped = 0;
    tk::Timer fastTimer, slowTimer, stoppedTimer;
    fastTimer.onTimer = [&] { ++fast; };
    slowTimer.onTimer = [&] { ++slow; };
    stoppedTimer.onTimer = [&] { ++stopped; };
    fastTimer.setInterval(5);
    slowTimer.setInterval(40);
    stoppedTimer.setInterval(10);
    for (tk::Timer *t : {&fastTimer, &slowTimer, &stoppedTimer})
        t->setEnabled(true);
    stoppedTimer.setEnabled(false);
    {
        tk::Timer gone;  // a timer destroyed while armed is forgotten
        gone.setInterval(1);
        gone.setEnabled(true);
    }
    QTRY_VERIFY(slow >= 2);
    QVERIFY(fast > slow);
    QCOMPARE(stopped, 0);
}

void ToolkitTests::focusOnADisabledOrHiddenBoxRaises()
{
    QWidget window;
    tk::TextBox box(&window);
    box.setEnabled(false);
    QVERIFY_THROWS_EXCEPTION(tk::RuntimeError, box.SetFocus());
    box.setEnabled(true);
    box.setVisible(false);
    QVERIFY_THROWS_EXCEPTION(tk::RuntimeError, box.SetFocus());
    box.setVisible(true);
    box.SetFocus();  // a hidden window does not stop it
}

void ToolkitTests::pictureBoxTakesItsPictureSizeAndForgetsPaintOnNewPicture()
{
    QWidget window;
    tk::PictureBox box(&window);
    QImage image(48, 30, QImage::Format_ARGB32);
    image.fill(Qt::red);
    const tk::Picture picture(image);
    box.setWidth(1410);
    box.setPicture(picture);
    QCOMPARE(box.Width(), 720.0f);
    QCOMPARE(box.Height(), 450.0f);
    QImage blue(4, 4, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    box.PaintPicture(tk::Picture(blue), 0, 0, 720, 450);
    QCOMPARE(window.grab(box.geometry()).toImage().pixelColor(40, 25), QColor(Qt::blue));
    box.setPicture(picture);  // a new picture: the paint is forgotten
    QCOMPARE(window.grab(box.geometry()).toImage().pixelColor(40, 25), QColor(Qt::red));
    QVERIFY_THROWS_EXCEPTION(tk::RuntimeError, box.PaintPicture(tk::Picture(), 0, 0, 15, 15));
}

void ToolkitTests::textBoxDrawsItsOwnSunkenBorderUnderEveryStyle()
{
    const auto render = [](const QString &styleName) {
        std::unique_ptr<QStyle> style(QStyleFactory::create(styleName));
        QWidget window;
        window.setStyle(style.get());
        tk::TextBox box(&window);
        box.setStyle(style.get());
        box.resize(200, 25);
        box.setBackColor(0xC0E0FF);
        return box.grab().toImage();
    };
    const QImage fusion = render(QStringLiteral("Fusion"));
    const QImage windows = render(QStringLiteral("Windows"));
    QCOMPARE(fusion, windows);
    // Sunken: darker than the face along the top and left, lighter along the
    // bottom and right, the inner bevel darker than the outer.
    const int face = qGray(fusion.pixel(100, 12));
    QCOMPARE(QColor(fusion.pixel(100, 12)), tk::toQColor(0xC0E0FF));
    QVERIFY(qGray(fusion.pixel(1, 12)) < qGray(fusion.pixel(0, 12)));
    QVERIFY(qGray(fusion.pixel(0, 12)) < face && qGray(fusion.pixel(100, 0)) < face);
    QVERIFY(qGray(fusion.pixel(199, 12)) >= face && qGray(fusion.pixel(100, 24)) >= face);
}

void ToolkitTests::aKeyItsHandlerSetsToZeroNeverReachesTheBox()
{
    // Typed, or committed whole by an input method: a cancelled key leaves no trace.
    QWidget window;
    tk::TextBox box(&window);
    box.onKeyPress = [](int &keyAscii) { keyAscii = keyAscii == 'x' ? 0 : keyAscii; };
    QTest::keyClicks(&box, QStringLiteral("axb"));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("cxd"));
    QCoreApplication::sendEvent(&box, &commit);
    QCOMPARE(box.Text(), QStringLiteral("abcd"));
}

void ToolkitTests::aDisabledBoxStillShowsItsTextDark()
{
    // As every answer box is after scoring: the answers stay readable.
    tk::TextBox box;
    box.resize(80, 25);
    box.setText(QStringLiteral("MMMM"));
    box.setEnabled(false);
    const QImage shown = box.grab().toImage();
    int darkest = 255;
    for (int y = 4; y < 21; ++y)
        for (int x = 4; x < 76; ++x)
            darkest = std::min(darkest, qGray(shown.pixel(x, y)));
    QVERIFY2(darkest < 100, qPrintable(QString::number(darkest)));
}

void ToolkitTests::unloadingAWindowNeverLoadedChangesNothing()
{
    const QPointer<tk::Form> form = new tk::Form(tk::FormDesign{});
    const int loaded = tk::Form::loadedCount();
    form->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form && !form->isLoaded());
    QCOMPARE(tk::Form::loadedCount(), loaded);
    delete form.data();
}

void ToolkitTests::theMessageBoxShowsMarkupAsIt()
{
    QString text;
    Qt::TextFormat format = Qt::RichText;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->text();
            format = box->textFormat();
            box->accept();
        }
    });
    tk::MessageBox::show(QStringLiteral("<b>5</b> & more"), QStringLiteral("title"));
    QCOMPARE(text, QStringLiteral("<b>5</b> & more"));
    QCOMPARE(format, Qt::PlainText);
}

void ToolkitTests::paintHidesThePictureBeneathAndShowsTheWindowThroughItsClearParts()
{
    QImage red(40, 20, QImage::Format_RGB32);
    red.fill(Qt::red);
    QImage halfClear(10, 10, QImage::Format_ARGB32);
    halfClear.fill(Qt::transparent);
    for (int y = 0; y < 10; ++y)
        for (int x = 5; x < 10; ++x)
            halfClear.setPixel(x, y, qRgb(0, 0, 255));
    QWidget window;
    window.setAutoFillBackground(true);
    window.setPalette(QPalette(Qt::white));
    window.resize(60, 40);
    tk::PictureBox box(&window);
    box.setPicture(tk::Picture(red));
    box.PaintPicture(tk::Picture(halfClear), 0, 0, 300, 300);  // 20 x 20 px, over the left half
    const QImage shot = window.grab().toImage();
    QCOMPARE(QColor(shot.pixel(2, 10)), QColor(Qt::white));  // the window, through the clear half
    QCOMPARE(QColor(shot.pixel(15, 10)), QColor(Qt::blue));
    QCOMPARE(QColor(shot.pixel(30, 10)), QColor(Qt::red));   // the picture, beside the paint
    QCOMPARE(QColor(shot.pixel(50, 10)), QColor(Qt::white)); // the window, beside the box
}

namespace {

QByteArray encodedAs(const QImage &image, const char *format)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return data;
}

// Whether the image plugin for `format` is loaded into this process.
bool pluginLoaded(const QString &format)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    maps.open(QIODevice::ReadOnly);
    return maps.readAll().contains(QStringLiteral("imageformats/libq%1").arg(format).toUtf8());
}

} // namespace

void ToolkitTests::picturesAreReadAsTheirFirstBytesSayLoadingNoOtherPlugin()
{
    // A resource named without a suffix, as the catalog's are. The GIF plugin
    // comes first among the installed ones: a reader left to guess, or told
    // only the format, would load it before the JPEG one.
    // On Linux the plugins a process has loaded can be read: there it is checked.
#ifdef Q_OS_LINUX
    const QString gif = QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/imageformats/libqgif.so");
    QVERIFY2(QFile::exists(gif), qPrintable(gif));
    QVERIFY2(!pluginLoaded(QStringLiteral("gif")), "loaded before the test began");
#endif
    QFile tealFile(QStringLiteral(":/tests/teal"));
    QVERIFY(tealFile.open(QIODevice::ReadOnly));
    const QImage teal = catalog::decodePicture(tealFile.readAll()).image();
    QCOMPARE(teal.size(), QSize(3, 2));
#ifdef Q_OS_LINUX
    QVERIFY(!pluginLoaded(QStringLiteral("gif")));
#endif

    for (const char *format : {"jpeg", "bmp", "ico", "png"}) {
        const QByteArray data = encodedAs(teal, format);
        QVERIFY2(!data.isEmpty(), format);
        QCOMPARE(catalog::imageFormatOf(data), QByteArray(format));
        QCOMPARE(catalog::decodePicture(data).size(), teal.size());
    }
    QCOMPARE(catalog::imageFormatOf("GIF89a\x01"), QByteArray("gif"));
    // Data whose first bytes do not say is still read: the reader finds its format.
    const QByteArray pixmap = encodedAs(teal, "ppm");
    QVERIFY(catalog::imageFormatOf(pixmap).isEmpty());
    QCOMPARE(catalog::decodePicture(pixmap).size(), teal.size());
}

void ToolkitTests::readyMadePixelsAreShownAtTheirSizeOnlyAndExactly()
{
    // Half-transparent pixels too come back bit for bit, as no encoder would give them.
    QImage half(5, 3, QImage::Format_ARGB32_Premultiplied);
    half.fill(qRgba(10, 20, 30, 128));
    const QByteArray raw = catalog::rawImageBytes(half);
    QCOMPARE(catalog::rawImage(raw), half);
    QByteArray noFormat = raw, otherMagic = raw;
    noFormat[16] = 0;  // the format field (after the magic, width and height) says Format_Invalid
    otherMagic[0] = 'X';
    for (const QByteArray &bad :
         {QByteArray(), QByteArray("not raw"), raw.left(raw.size() - 1), raw + 'x', noFormat, otherMagic}) {
        QVERIFY(catalog::rawImage(bad).isNull());
    }

    QImage big(40, 20, QImage::Format_RGB32);
    big.fill(Qt::darkCyan);
    tk::Picture picture(big);
    QImage marked = picture.scaled(QSize(10, 5));
    marked.setPixel(0, 0, qRgb(255, 0, 0));  // what scaling never makes: the ready pixels are used
    QImage other = picture.scaled(QSize(8, 4));
    other.setPixel(0, 0, qRgb(0, 255, 0));
    picture.setReadyMade({marked, other});
    QCOMPARE(picture.scaled(QSize(10, 5)), marked);
    QCOMPARE(picture.scaled(QSize(8, 4)), other);
    QCOMPARE(picture.scaled(QSize(20, 10)).pixel(0, 0), QColor(Qt::darkCyan).rgb());
    picture.setReadyMade({catalog::rawImage("not raw")});
    QCOMPARE(picture.scaled(QSize(10, 5)).pixel(0, 0), QColor(Qt::darkCyan).rgb());
    // Ready at its own size, a picture from a file is never decoded.
    tk::Picture small = tk::Picture::deferred([] { return QImage(); }, marked.size());
    small.setReadyMade({marked});
    QCOMPARE(small.scaled(marked.size()), marked);
    QVERIFY(tk::Picture().scaled(QSize(10, 5)).isNull() && tk::Picture().image().isNull());  // no picture
}

void ToolkitTests::designedFaceIsSetInTheOneInstalledFamilyThatStandsForIt()
{
    // The machines the game is tested on have the free faces the scripts
    // install, and none of the designed ones.
    const QStringList installed = QFontDatabase::families();
    for (const auto &[face, family] : {std::pair{"Arial", "Liberation Sans"}, std::pair{"Verdana", "DejaVu Sans"},
                                       std::pair{"Garamond", "EB Garamond"}, std::pair{"Courier New", "Courier New"}}) {
        QVERIFY2(!installed.contains(QString::fromLatin1(face), Qt::CaseInsensitive), face);
        const QFont font = tk::designedFont(QFont(), tk::FontDesign{QString::fromLatin1(face), 12, true});
        QCOMPARE(font.families(), QStringList{QString::fromLatin1(family)});
        QCOMPARE(font.pixelSize(), 16);
        QVERIFY(font.bold());
    }
}

QTEST_MAIN(ToolkitTests)
void ToolkitTests::darkDesktopPalettesGiveWayToTheStandardLightScheme()
{
    // The standard light scheme, role by role: enabled (active and inactive), disabled.
    const std::map<QPalette::ColorRole, std::pair<QRgb, QRgb>> scheme = {
        {QPalette::WindowText, {0xff000000, 0xffbebebe}}, {QPalette::Button, {0xffefefef, 0xffefefef}},
        {QPalette::Light, {0xffffffff, 0xffffffff}}, {QPalette::Midlight, {0xffcacaca, 0xffcacaca}},
        {QPalette::Dark, {0xff9f9f9f, 0xffbebebe}}, {QPalette::Mid, {0xffb8b8b8, 0xffb8b8b8}},
        {QPalette::Text, {0xff000000, 0xffbebebe}}, {QPalette::BrightText, {0xffffffff, 0xffffffff}},
        {QPalette::ButtonText, {0xff000000, 0xffbebebe}}, {QPalette::Base, {0xffffffff, 0xffefefef}},
        {QPalette::Window, {0xffefefef, 0xffefefef}}, {QPalette::Shadow, {0xff767676, 0xffb1b1b1}},
        {QPalette::Highlight, {0xff308cc6, 0xff919191}}, {QPalette::HighlightedText, {0xffffffff, 0xffffffff}},
        {QPalette::Link, {0xff0000ff, 0xff0000ff}}, {QPalette::LinkVisited, {0xffff00ff, 0xffff00ff}},
        {QPalette::AlternateBase, {0xfff7f7f7, 0xfff7f7f7}},
        {QPalette::ToolTipBase, {0xffffffdc, 0xffffffdc}}, {QPalette::ToolTipText, {0xff000000, 0xff000000}},
        {QPalette::PlaceholderText, {0x80000000, 0x80000000}},
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
        {QPalette::Accent, {0xff308cc6, 0xff919191}},
#endif
    };
    // Every role of this Qt is set, so that none comes from the desktop; a
    // role Qt adds fails here until the scheme names it.
    const QPalette standard = tk::standardPalette();
    QPalette dark(QColor(240, 240, 240), QColor(50, 50, 50));
    for (int r = 0; r < QPalette::NColorRoles; ++r) {
        const auto role = static_cast<QPalette::ColorRole>(r);
        if (role == QPalette::NoRole)
            continue;
        QVERIFY2(scheme.count(role), QMetaEnum::fromType<QPalette::ColorRole>().valueToKey(r));
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            QVERIFY(standard.isBrushSet(group, role));
            const QRgb expected = group == QPalette::Disabled ? scheme.at(role).second : scheme.at(role).first;
            QCOMPARE(standard.color(group, role).rgba(), expected);
            dark.setColor(group, role, QColor(20 + r, 30, 40));  // a desktop that names every role
        }
    }
    tk::keepStandardPalette();
    // As a desktop hands its palette over: to the whole program, or to one kind of control.
    for (const char *className : {static_cast<const char *>(nullptr), "QLabel", "QLineEdit", "QMenuBar"}) {
        QApplication::setPalette(dark, className);
        QCOMPARE(QApplication::palette(className), standard);
        // The system colours the designs name, as the standard light scheme has them.
        const struct { tk::OleColor stored; QColor expected; } named[] = {
            {0x80000005, Qt::white}, {0x80000008, Qt::black}, {0x80000009, Qt::white},
            {0x8000000F, QColor(239, 239, 239)}, {0x80000012, Qt::black}};
        for (const auto &[stored, expected] : named)
            QCOMPARE(tk::toQColor(stored), expected);
        // A label on a designed light background, and an answer box, read dark on light.
        QWidget window;
        tk::Label label(&window);
        label.setBackColor(tk::rgb(255, 224, 192));
        label.setCaption(QStringLiteral("MMMM"));
        label.resize(80, 20);
        tk::TextBox box(&window);
        box.setText(QStringLiteral("MMMM"));
        box.resize(80, 25);
        for (QWidget *w : {static_cast<QWidget *>(&label), static_cast<QWidget *>(&box)}) {
            const QImage shown = w->grab().toImage();
            int darkest = 255;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 8; x < shown.width() - 8; ++x)
                    darkest = std::min(darkest, qGray(shown.pixel(x, y)));
            QVERIFY2(darkest < 60, className ? className : "application");
            QVERIFY(qGray(shown.pixel(shown.width() - 5, shown.height() / 2)) > 200);
        }
    }
}

#include "toolkit_tests.moc"
