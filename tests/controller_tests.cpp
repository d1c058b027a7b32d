// The life of a game: load, the memorise and recall clocks, New Game in every
// phase, and the hand-over to scoring when the time is up.
#include "GameFixture.h"
#include "catalog/ImageList.h"
#include "game/Colours.h"

#include <QTest>

using game::frmmain;

class ControllerTests : public QObject {
    Q_OBJECT
private slots:
    void loadStartsAMemorisePhaseWithEverythingButTheCountHidden();
    void memoriseTicksCountToTwentyThenRecallBegins();
    void clockScoresOnceAtTwoMinutesWithTheClockAlreadyStopped();
    void newGameInEachPhaseTearsDownAndStartsAFreshMemorisePhase();
    void newGameInEachPhaseTearsDownAndStartsAFreshMemorisePhase_data();
    void giveUpLeavesTheClockRunningAndTimeStillScores();
    void exitUnloadsTheWindowAndStopsItsClocks();
};

void ControllerTests::loadStartsAMemorisePhaseWithEverythingButTheCountHidden()
{
    GameFixture g;
    frmmain &f = g.f();
    QCOMPARE(int(f.gamerunning), -1);
    QVERIFY(f.Timer1->Enabled());
    QVERIFY(!f.Timer2->Enabled());
    QVERIFY(f.Frame1->isHidden());
    QVERIFY(f.Frame2->isHidden());
    QVERIFY(!f.Frame3->isHidden());
    QVERIFY(!f.lblsecondstart->isHidden());
    QVERIFY(!f.lblTimesecondstart->isHidden());
    QCOMPARE(f.lblTimesecondstart->Caption(), QString());
    QCOMPARE(f.boardControlCount(), 60);
    QVERIFY(!f.cmdsubmit->isHidden() && !f.cmdsubmit->Enabled());
    QVERIFY(!f.cmdgiveup->isHidden() && !f.cmdgiveup->Enabled());
    QVERIFY(!f.Shape1->isHidden());
    QCOMPARE(f.windowTitle(), QStringLiteral("Tavlin Quorvane - Game created by www.tavlinworks.example "));
    QCOMPARE(f.client()->size(), QSize(792, 481));
    QCOMPARE(int(f.elapsedseconds) + int(f.elapsedminutes) + int(f.remainingseconds) + int(f.remainingminutes), 0);
    QVERIFY(g.catcher.errors.empty());
}

void ControllerTests::memoriseTicksCountToTwentyThenRecallBegins()
{
    GameFixture g;
    frmmain &f = g.f();
    for (int n = 1; n <= 19; ++n) {
        g.seconds(1);
        QCOMPARE(f.lblTimesecondstart->Caption(), QString::number(n));
        QVERIFY(!f.Timer2->Enabled());
        QVERIFY(!f.txtanswer(1).Enabled());
    }
    g.seconds(1);
    QCOMPARE(f.lblTimesecondstart->Caption(), QStringLiteral("20"));
    QVERIFY(!f.Timer1->Enabled());
    QVERIFY(f.Timer2->Enabled());
    QVERIFY(!f.Frame1->isHidden() && !f.Frame2->isHidden());
    QVERIFY(!f.lblsecondstart->isHidden());  // the memorise count stays on show
    QCOMPARE(int(f.remainingseconds), 60);
    QCOMPARE(int(f.remainingminutes), 1);
    QCOMPARE(int(f.elapsedseconds), 0);
    for (int s = 1; s <= 15; ++s) {
        QVERIFY(f.txtanswer(s).Enabled());
        QCOMPARE(f.lblPictureName(s).Caption(), QStringLiteral("Think"));
        QVERIFY(f.pic(s).picture().sameAs(catalog::ImageList::instance().Picture(1)));
    }
    QVERIFY(f.cmdsubmit->Enabled() && f.cmdgiveup->Enabled());
    QCOMPARE(f.focusWidget(), static_cast<QWidget *>(&f.txtanswer(1)));
    g.seconds(30);
    QCOMPARE(f.lblTimesecondstart->Caption(), QStringLiteral("20"));  // Timer1 ticks no more
}

void ControllerTests::clockScoresOnceAtTwoMinutesWithTheClockAlreadyStopped()
{
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    bool clockRunningWhenBoxOpened = true;
    g.catcher.onBox = [&] { clockRunningWhenBoxOpened = f.Timer2->Enabled(); };
    g.seconds(119);
    QVERIFY(g.catcher.prompts.isEmpty());
    g.seconds(1);
    QCOMPARE(g.catcher.prompts.size(), 1);
    QVERIFY(!clockRunningWhenBoxOpened);
    QCOMPARE(g.catcher.prompts.first(), QStringLiteral("Correct Answers:0"));
    QCOMPARE(g.catcher.titles.first(), QStringLiteral("Tavlin Quorvane"));
    QVERIFY(!f.txtanswer(1).Enabled());
    g.seconds(300);
    QCOMPARE(g.catcher.prompts.size(), 1);
}

void ControllerTests::newGameInEachPhaseTearsDownAndStartsAFreshMemorisePhase_data()
{
    QTest::addColumn<int>("secondsPlayed");
    QTest::addColumn<bool>("submitted");
    QTest::newRow("memorise") << 7 << false;
    QTest::newRow("recall") << 45 << false;
    QTest::newRow("finished by submit") << 30 << true;
    QTest::newRow("finished by the clock") << 140 << false;
}

void ControllerTests::newGameInEachPhaseTearsDownAndStartsAFreshMemorisePhase()
{
    QFETCH(int, secondsPlayed);
    QFETCH(bool, submitted);
    GameFixture g;
    frmmain &f = g.f();
    g.seconds(secondsPlayed);
    if (submitted)
        f.cmdsubmit->click();
    // What the last game left in a box goes with it.
    f.txtanswer(3).setText(QStringLiteral("LEFTOVER"));
    f.txtanswer(3).setBackColor(game::wrongAnswerTint);
    f.menuItem(QStringLiteral("newgame")).trigger();
    QCOMPARE(f.txtanswer(3).Text(), QString());
    QCOMPARE(f.txtanswer(3).BackColor(), tk::OleColor(0x80000005));
    QCOMPARE(f.boardControlCount(), 60);
    QCOMPARE(int(f.gamerunning), -1);
    QVERIFY(f.Timer1->Enabled());
    QVERIFY(!f.Timer2->Enabled());
    QVERIFY(f.Frame1->isHidden() && f.Frame2->isHidden());
    QVERIFY(!f.lblsecondstart->isHidden() && !f.lblTimesecondstart->isHidden());
    QCOMPARE(f.lblTimesecondstart->Caption(), QString());
    QCOMPARE(int(f.elapsedseconds), 0);
    QCOMPARE(int(f.elapsedminutes), 0);
    QVERIFY(!f.txtanswer(1).Enabled());
    QCOMPARE(f.lblPictureName(1).Caption(), GameFixture::word(1));
    g.seconds(1);
    QCOMPARE(f.lblTimesecondstart->Caption(), QStringLiteral("1"));
    g.seconds(19);
    QVERIFY(f.Timer2->Enabled());
    QVERIFY(g.catcher.errors.empty());
}

void ControllerTests::giveUpLeavesTheClockRunningAndTimeStillScores()
{
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    g.answer(1, GameFixture::word(4));
    f.cmdgiveup->click();
    QVERIFY(f.Timer2->Enabled());
    QVERIFY(f.txtanswer(2).Enabled());
    QVERIFY(g.catcher.prompts.isEmpty());
    for (int s = 1; s <= 15; ++s)
        QCOMPARE(f.lblPictureName(s).Caption(), GameFixture::word(s));
    g.seconds(120);
    QCOMPARE(g.catcher.prompts.size(), 1);
    QVERIFY(g.catcher.prompts.first().startsWith(QStringLiteral("Correct Answers:1\r\n")));
}

void ControllerTests::exitUnloadsTheWindowAndStopsItsClocks()
{
    GameFixture g;
    frmmain &f = g.f();
    const int before = tk::Form::loadedCount();
    f.menuItem(QStringLiteral("exit1")).trigger();
    QVERIFY(!f.isLoaded());
    QCOMPARE(tk::Form::loadedCount(), before - 1);
    QVERIFY(!f.Timer1->Enabled() && !f.Timer2->Enabled());
}

QTEST_MAIN(ControllerTests)
#include "controller_tests.moc"
