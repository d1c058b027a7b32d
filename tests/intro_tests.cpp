// The intro window: its look, the title and rules fades, the transparency
// procedure with its clamp, and the two ways out, Start and Cancel.
#include "ErrorCatcher.h"
#include "ManualClock.h"
#include "Quiet.h"
#include "ScriptedDraw.h"
#include "ShownLevel.h"
#include "catalog/ImageList.h"
#include "designs/Publisher.h"
#include "game/frmmain.h"
#include "intro/Hyperlinkmodule.h"
#include "intro/frmRadavirar.h"
#include "toolkit/HiddenOwner.h"

#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace {

constexpr int tickMs = 50;
constexpr int stillRunning = 77;

const QString rulesText = QStringLiteral(
    "There are some pictures with their names displayed on the screen. You have 20 seconds to "
    "remember them. Write the correct names of pictures in 2 minutes.");

// Runs the program's event loop until it ends by itself (its exit code) or
// until everything already queued has run (stillRunning). The stop is queued
// one round later, so that a quit asked for in the first round ends the loop
// with the quit's own code.
int runProgramLoop()
{
    QMetaObject::invokeMethod(qApp, [] {
        QMetaObject::invokeMethod(qApp, [] { QCoreApplication::exit(stillRunning); }, Qt::QueuedConnection);
    }, Qt::QueuedConnection);
    return QCoreApplication::exec();
}

// An intro window started as the program starts it, under a hand-moved clock.
struct IntroFixture {
    ManualClock clock;
    ErrorCatcher catcher;
    ScriptedDraw draw;
    QPointer<game::frmmain> main = new game::frmmain(draw);
    QPointer<intro::frmRadavirar> form = new intro::frmRadavirar(*main);

    IntroFixture() { form->Show(); }
    ~IntroFixture()
    {
        delete form.data();
        delete main.data();
        flushDeletes();
    }

    intro::frmRadavirar &f() { return *form; }
    void ticks(int n) { clock.advance(qint64(n) * tickMs); }
    // Through the whole title phase to the first moment of the rules phase.
    void toRules() { ticks(52 + 1); }
};

// A window readied for fading as the intro is, and shown; its content, one
// part for now, fills its top 40 rows.
struct PlainWindow {
    QWidget window;

    PlainWindow()
    {
        intro::Hyperlinkmodule::preparelayered(window);
        window.resize(120, 60);
        addPart(QRect(0, 0, 120, 40));
        window.show();
    }
    // A part of the window's content that paints its own opaque background.
    QWidget *addPart(const QRect &place)
    {
        auto *part = new QLabel(QStringLiteral("part"), &window);
        part->setAutoFillBackground(true);
        part->setGeometry(place);
        part->show();
        return part;
    }
};

// The least and the greatest alpha over every pixel of the window.
std::pair<int, int> alphaSpread(QWidget &w)
{
    const QImage shot = w.grab().toImage();
    int least = 255, greatest = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            least = qMin(least, qAlpha(shot.pixel(x, y)));
            greatest = qMax(greatest, qAlpha(shot.pixel(x, y)));
        }
    return {least, greatest};
}

} // namespace

class IntroTests : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietAboutHeadlessLimits(); }
    // Fading never asks the window system for what it cannot do.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral("opacity"), QRegularExpression::CaseInsensitiveOption)); }
    void introIsAFramelessCentredBannerWithEdgeBandsOverItsPicture();
    void loadLeavesTheWindowTransparentShowingOnlyTheTitle();
    void timer1FadesTheTitleInAndOutInFiftyTwoTicks_data();
    void timer1FadesTheTitleInAndOutInFiftyTwoTicks();
    void timer2FadesTheRulesInAndHoldsFullOpacityForever_data();
    void timer2FadesTheRulesInAndHoldsFullOpacityForever();
    void titleAndRulesAreNeverSeenTogether();
    void everyPartOfTheWindowFadesAtOneLevel_data();
    void everyPartOfTheWindowFadesAtOneLevel();
    void settransparencyClampsIntoTheCallersVariable_data();
    void settransparencyClampsIntoTheCallersVariable();
    void settransparencyAppliesTheLevelOnEveryCall();
    void settransparencyOnAClosedWindowOnlyClamps();
    void qtIsToldAnOpacityBelowOneThatRoundsToTheLevel();
    void hiddenOwnerStaysUnseenAndOwnsTheIntroUntilItCloses();
    void startClosesTheIntroAndOpensTheMainWindowWithAGame_data();
    void startClosesTheIntroAndOpensTheMainWindowWithAGame();
    void cancelOrClosingEndsTheProgramWithoutTheMainWindow_data();
    void cancelOrClosingEndsTheProgramWithoutTheMainWindow();
};

void IntroTests::introIsAFramelessCentredBannerWithEdgeBandsOverItsPicture()
{
    IntroFixture fx;
    intro::frmRadavirar &f = fx.f();
    QVERIFY(f.windowFlags().testFlag(Qt::FramelessWindowHint));
    // No taskbar button: on Windows through a hidden owner, elsewhere as a tool window.
#ifdef Q_OS_WIN
    QCOMPARE(f.windowFlags() & Qt::WindowType_Mask, Qt::Window);
    QVERIFY(f.windowHandle()->transientParent());
    QVERIFY(!f.windowHandle()->transientParent()->isVisible());
#else
    QCOMPARE(f.windowFlags() & Qt::WindowType_Mask, Qt::Tool);
#endif
    QCOMPARE(f.size(), QSize(462, 118));
    QCOMPARE(f.centralWidget()->geometry(), QRect(0, 0, 462, 118));
    const QRect screen = f.screen()->availableGeometry();
    QVERIFY(qAbs(f.frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(f.frameGeometry().center().y() - screen.center().y()) <= 1);

    // Two 10-pixel lines centred on the left and top edges leave a 5-pixel
    // band of the window's colour over the picture, which is drawn unscaled.
    fx.ticks(26);  // the title at its full level
    const QImage shot = f.centralWidget()->grab().toImage();
    const QImage picture = catalog::ImageList::instance().Picture(1).image();
    const QColor orange(255, 224, 192);
    for (const QPoint band : {QPoint(0, 60), QPoint(4, 60), QPoint(4, 110), QPoint(9, 0), QPoint(50, 4), QPoint(104, 2)})
        QCOMPARE(shot.pixelColor(band), orange);
    for (const QPoint inside : {QPoint(5, 60), QPoint(50, 5), QPoint(87, 110), QPoint(30, 30)}) {
        QVERIFY2(picture.pixelColor(inside) != orange, "the picture must differ from the band to tell them apart");
        QCOMPARE(shot.pixelColor(inside), picture.pixelColor(inside));
    }
    QCOMPARE(shot.pixelColor(88, 60), orange);  // right of the picture: the window's colour
    QVERIFY(fx.catcher.errors.empty());
}

void IntroTests::loadLeavesTheWindowTransparentShowingOnlyTheTitle()
{
    IntroFixture fx;
    intro::frmRadavirar &f = fx.f();
    QVERIFY(f.isVisible());
    QVERIFY(f.testAttribute(Qt::WA_TranslucentBackground));  // the headless platform fades by pixels
    QCOMPARE(alphaSpread(f), std::make_pair(0, 0));
    QCOMPARE(int(f.alphalevel), 0);
    QCOMPARE(int(f.fadesteps), 0);
    QCOMPARE(int(f.fadingin), tk::vbTrue);

    QVERIFY(f.lblmaintitle1->Visible());
    QVERIFY(f.lblmaintitle2->Visible());
    QVERIFY(!f.lblrules->Visible());
    QVERIFY(!f.cmdok->Visible());
    QVERIFY(!f.cmdcancel->Visible());
    QCOMPARE(f.lblmaintitle1->Caption(), QStringLiteral("Tavlin Quorvane"));
    QCOMPARE(f.lblmaintitle2->Caption(), QStringLiteral("Created by ") + designs::publisherSite());

    // Both buttons get one colour before they are ever seen.
    QCOMPARE(f.cmdok->BackColor(), tk::rgb(192, 192, 255));
    QCOMPARE(f.cmdcancel->BackColor(), tk::rgb(192, 192, 255));

    QVERIFY(f.Timer1->Enabled());
    QVERIFY(!f.Timer2->Enabled());
    QVERIFY(!fx.clock.armed(f.Timer2));
}

void IntroTests::timer1FadesTheTitleInAndOutInFiftyTwoTicks_data()
{
    QTest::addColumn<int>("tick");
    QTest::addColumn<int>("alphalevel");
    QTest::addColumn<int>("fadesteps");
    QTest::addColumn<int>("fadingin");
    QTest::addColumn<bool>("timer1");
    QTest::addColumn<bool>("timer2");

    QTest::newRow("tick 1 starts the fade-in") << 1 << 10 << 10 << tk::vbTrue << true << false;
    QTest::newRow("tick 25 last step in") << 25 << 250 << 250 << tk::vbTrue << true << false;
    QTest::newRow("tick 26 clamps 260 to 255, turns to fade-out") << 26 << 255 << 260 << tk::vbFalse << true << false;
    QTest::newRow("tick 27 fades out from the clamped 255") << 27 << 245 << 270 << tk::vbFalse << true << false;
    QTest::newRow("tick 51 last visible step") << 51 << 5 << 510 << tk::vbFalse << true << false;
    QTest::newRow("tick 52 clamps -5 to 0, hands over to Timer2") << 52 << 0 << 520 << tk::vbFalse << false << true;
}

void IntroTests::timer1FadesTheTitleInAndOutInFiftyTwoTicks()
{
    QFETCH(int, tick);
    QFETCH(int, alphalevel);
    QFETCH(int, fadesteps);
    QFETCH(int, fadingin);
    QFETCH(bool, timer1);
    QFETCH(bool, timer2);

    IntroFixture fx;
    intro::frmRadavirar &f = fx.f();
    fx.ticks(tick);
    QCOMPARE(int(f.alphalevel), alphalevel);
    QVERIFY(shownAt(f, alphalevel));  // the tick 52 reset to 0 matches the level it applied
    QCOMPARE(int(f.fadesteps), fadesteps);
    QCOMPARE(int(f.fadingin), fadingin);
    QCOMPARE(f.Timer1->Enabled(), timer1);
    QCOMPARE(f.Timer2->Enabled(), timer2);
    QCOMPARE(fx.clock.armed(f.Timer1), timer1);
    QVERIFY(f.lblmaintitle1->Visible());  // Timer2 has not ticked yet
    QVERIFY(!f.lblrules->Visible());
    QVERIFY(fx.catcher.errors.empty());
}

void IntroTests::timer2FadesTheRulesInAndHoldsFullOpacityForever_data()
{
    QTest::addColumn<int>("tick");
    QTest::addColumn<int>("alphalevel");

    QTest::newRow("tick 1") << 1 << 10;
    QTest::newRow("tick 25") << 25 << 250;
    QTest::newRow("tick 26 clamps 260 to 255") << 26 << 255;
    QTest::newRow("tick 27 clamps 265 to 255") << 27 << 255;
    QTest::newRow("tick 1000 still ticking at 255") << 1000 << 255;
}

void IntroTests::timer2FadesTheRulesInAndHoldsFullOpacityForever()
{
    QFETCH(int, tick);
    QFETCH(int, alphalevel);

    IntroFixture fx;
    intro::frmRadavirar &f = fx.f();
    fx.ticks(52);
    fx.ticks(tick);
    QCOMPARE(int(f.alphalevel), alphalevel);
    QVERIFY(shownAt(f, alphalevel));
    QCOMPARE(int(f.fadesteps), 520);
    QVERIFY(!f.Timer1->Enabled());
    QVERIFY(f.Timer2->Enabled());
    QVERIFY(!f.lblmaintitle1->Visible());
    QVERIFY(!f.lblmaintitle2->Visible());
    QVERIFY(f.lblrules->Visible());
    QVERIFY(f.cmdok->Visible());
    QVERIFY(f.cmdcancel->Visible());
    QCOMPARE(f.lblrules->Caption(), rulesText);
    QVERIFY(fx.catcher.errors.empty());
}

void IntroTests::titleAndRulesAreNeverSeenTogether()
{
    IntroFixture fx;
    intro::frmRadavirar &f = fx.f();
    bool sawTitle = false, sawRules = false;
    for (int tick = 1; tick <= 52 + 30; ++tick) {
        fx.ticks(1);
        const bool title = f.lblmaintitle1->Visible() || f.lblmaintitle2->Visible();
        const bool rules = f.lblrules->Visible() || f.cmdok->Visible() || f.cmdcancel->Visible();
        QVERIFY2(!(title && rules), qPrintable(QStringLiteral("tick %1").arg(tick)));
        if (shownLevel(f) > 0) {
            sawTitle |= title;
            sawRules |= rules;
        } else {
            // Only the switch-over may be fully transparent.
            QCOMPARE(tick, 52);
        }
    }
    QVERIFY(sawTitle);
    QVERIFY(sawRules);
}

void IntroTests::everyPartOfTheWindowFadesAtOneLevel_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("level");

    QTest::newRow("title fading in") << 13 << 130;
    QTest::newRow("title fading out") << 39 << 125;
    QTest::newRow("rules fading in") << 52 + 13 << 130;
    QTest::newRow("rules held opaque") << 52 + 30 << 255;
}

void IntroTests::everyPartOfTheWindowFadesAtOneLevel()
{
    QFETCH(int, ticks);
    QFETCH(int, level);

    IntroFixture fx;
    fx.ticks(ticks);
    // The picture, the labels with and without a colour of their own, the
    // lines and the buttons: no pixel of the window stands out from the level.
    const auto [least, greatest] = alphaSpread(fx.f());
    QVERIFY2(least >= level - 1 && greatest <= level + 1,
             qPrintable(QStringLiteral("alpha from %1 to %2 at level %3").arg(least).arg(greatest).arg(level)));
}

void IntroTests::settransparencyClampsIntoTheCallersVariable_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("clamped");

    QTest::newRow("-5 below transparent") << -5 << 0;
    QTest::newRow("0 transparent") << 0 << 0;
    QTest::newRow("128 half") << 128 << 128;
    QTest::newRow("255 opaque") << 255 << 255;
    QTest::newRow("260 above opaque") << 260 << 255;
    QTest::newRow("265 the rules phase's steady step") << 265 << 255;
}

void IntroTests::settransparencyClampsIntoTheCallersVariable()
{
    QFETCH(int, level);
    QFETCH(int, clamped);

    PlainWindow plain;
    tk::Int16 callers = level;
    intro::Hyperlinkmodule::settransparency(plain.window.winId(), callers);
    QCOMPARE(int(callers), clamped);
    QVERIFY2(shownAt(plain.window, clamped, QPoint(60, 20)),
             qPrintable(QStringLiteral("shown at %1").arg(shownLevel(plain.window, QPoint(60, 20)))));
}

void IntroTests::settransparencyAppliesTheLevelOnEveryCall()
{
    PlainWindow plain;
    tk::Int16 level = 100;
    intro::Hyperlinkmodule::settransparency(plain.window.winId(), level);
    QVERIFY(shownAt(plain.window, 0, QPoint(60, 50)));  // no content there: the desktop shows through
    // A part that comes after the first call fades with the next one, though
    // the level is the same.
    plain.addPart(QRect(0, 40, 120, 20));
    QVERIFY(shownAt(plain.window, 255, QPoint(60, 50)));
    intro::Hyperlinkmodule::settransparency(plain.window.winId(), level);
    QVERIFY(shownAt(plain.window, 100, QPoint(60, 50)));
    QVERIFY(shownAt(plain.window, 100, QPoint(60, 20)));
}

void IntroTests::qtIsToldAnOpacityBelowOneThatRoundsToTheLevel()
{
    // Qt keeps a window layered on Windows only below 1, and turns the
    // opacity it is told into an alpha byte by rounding 255 times it.
    for (int alpha = 0; alpha <= 255; ++alpha) {
        const qreal opacity = intro::Hyperlinkmodule::qtopacity(static_cast<std::uint8_t>(alpha));
        QVERIFY2(opacity < 1.0 && !qFuzzyCompare(opacity, 1.0), qPrintable(QString::number(alpha)));
        QCOMPARE(qRound(255.0 * opacity), alpha);
    }
}

void IntroTests::settransparencyOnAClosedWindowOnlyClamps()
{
    ErrorCatcher catcher;
    WId gone;
    {
        QWidget window;
        gone = window.winId();
    }
    tk::Int16 level = 300;
    intro::Hyperlinkmodule::settransparency(gone, level);
    QCOMPARE(int(level), 255);
    QVERIFY(catcher.errors.empty());
}

void IntroTests::hiddenOwnerStaysUnseenAndOwnsTheIntroUntilItCloses()
{
    // How the intro is kept off the taskbar on Windows, driven here on any platform.
    ManualClock clock;
    ErrorCatcher catcher;
    ScriptedDraw draw;
    game::frmmain main(draw);
    QPointer<intro::frmRadavirar> f = new intro::frmRadavirar(main);
    f->load();
#ifndef Q_OS_WIN
    tk::giveHiddenOwner(*f);  // Windows gives it at load
#endif
    const QPointer<QWindow> owner = f->windowHandle()->transientParent();
    QVERIFY(owner);
    QVERIFY(owner->handle());  // a native window, which Qt can hand on as the owner
    f->Show();

    // Through the title's fade in and out and into the rules.
    for (int tick = 0; tick <= 52 + 30; tick += 10) {
        clock.advance(qint64(10) * tickMs);
        QCOMPARE(f->windowHandle()->transientParent(), owner.data());
        QVERIFY(f->isVisible());
        QVERIFY(!owner->isVisible());
    }

    f->cmdcancel_Click();
    QCOMPARE(runProgramLoop(), 0);
    QVERIFY(f.isNull());
    QVERIFY(owner.isNull());  // gone with the intro
    QVERIFY(catcher.errors.empty());
}

// How a player presses a button: a click, or Enter or Space once it has the focus.
enum class Press { Click, Enter, KeypadEnter, Space };
Q_DECLARE_METATYPE(Press)

namespace {
void press(QWidget *button, Press how)
{
    if (how == Press::Click) {
        QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    button->window()->activateWindow();
    button->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(button->window()));
    QCOMPARE(QApplication::focusWidget(), button);
    if (how == Press::Space)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    else if (how == Press::Enter)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    else
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
}

void pressRows()
{
    QTest::addColumn<Press>("how");
    QTest::newRow("click") << Press::Click;
    QTest::newRow("Enter on the focused button") << Press::Enter;
    QTest::newRow("keypad Enter on the focused button") << Press::KeypadEnter;
    QTest::newRow("Space on the focused button") << Press::Space;
}
} // namespace

void IntroTests::startClosesTheIntroAndOpensTheMainWindowWithAGame_data()
{
    pressRows();
}

void IntroTests::startClosesTheIntroAndOpensTheMainWindowWithAGame()
{
    QFETCH(Press, how);
    IntroFixture fx;
    fx.ticks(1);
    QTRY_VERIFY(fx.f().hasPainted());  // the title seen: the main window is made meanwhile
    fx.ticks(52);
    const QPointer<tk::Timer> timer1 = fx.f().Timer1, timer2 = fx.f().Timer2;
    // Made while the player reads, unseen and not loaded: Start only deals and shows.
    const QPointer<game::frmmain> ahead = fx.main;
    QVERIFY(ahead && ahead->findChild<tk::TextBox *>(QStringLiteral("txtanswer(0)")));
    QVERIFY(!ahead->isLoaded() && !ahead->isVisible());
    QCOMPARE(tk::Form::loadedCount(), 1);

    press(fx.f().cmdok, how);

    QVERIFY(!fx.f().isLoaded());
    QVERIFY(!fx.f().isVisible());
    QVERIFY(!timer1->Enabled() && !fx.clock.armed(timer1));
    QVERIFY(!timer2->Enabled() && !fx.clock.armed(timer2));
    game::frmmain *main = fx.main;
    QVERIFY(main->isLoaded());
    QVERIFY(main->isVisible());
    QVERIFY(!main->isModal());
    QVERIFY(!main->parentWidget());
    QCOMPARE(main->game().gamerunning(), true);
    QCOMPARE(tk::Form::loadedCount(), 1);

    // The program goes on with the main window; the intro is gone for good.
    QCOMPARE(runProgramLoop(), stillRunning);
    QVERIFY(fx.form.isNull());
    QVERIFY(timer1.isNull() && timer2.isNull());
    fx.clock.advance(3000);
    QCOMPARE(main->game().elapsedseconds(), 3);  // the game's clock runs
    QVERIFY(fx.catcher.errors.empty());
}

void IntroTests::cancelOrClosingEndsTheProgramWithoutTheMainWindow_data()
{
    QTest::addColumn<bool>("byButton");
    QTest::addColumn<Press>("how");
    QTest::newRow("Cancel clicked") << true << Press::Click;
    QTest::newRow("Enter on the focused Cancel") << true << Press::Enter;
    QTest::newRow("window closed otherwise") << false << Press::Click;
}

void IntroTests::cancelOrClosingEndsTheProgramWithoutTheMainWindow()
{
    QFETCH(bool, byButton);
    QFETCH(Press, how);

    IntroFixture fx;
    fx.ticks(1);
    QTRY_VERIFY(fx.f().hasPainted());  // the title seen: the main window is made meanwhile
    fx.ticks(52);
    QVERIFY(fx.main->findChild<tk::TextBox *>(QStringLiteral("txtanswer(0)")));  // made ahead
    if (byButton)
        press(fx.f().cmdcancel, how);
    else
        fx.f().close();

    QVERIFY(!fx.f().isLoaded());
    QCOMPARE(tk::Form::loadedCount(), 0);
    QCOMPARE(runProgramLoop(), 0);  // the program ends by itself
    QVERIFY(fx.form.isNull());
    QVERIFY(!fx.main->isLoaded() && !fx.main->isVisible());
    QVERIFY(fx.catcher.errors.empty());
}

QTEST_MAIN(IntroTests)
#include "intro_tests.moc"
