// Long runs: a thousand games played to the result box and torn down, windows
// opened and closed again and again, and the intro closed at every one of its
// ticks. Nothing may pile up: the live widgets and timers come back to the
// same number every time (the sanitizer build checks the memory itself).
//
// TQ_SOAK_GAMES sets the number of games (default 1000).
#include "ErrorCatcher.h"
#include "GameFixture.h"
#include "ManualClock.h"
#include "Quiet.h"
#include "rules/Report.h"
#include "intro/frmRadavirar.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QTest>
#include <QTimer>

using game::frmmain;

namespace {

struct Census {
    int widgets = 0;
    int objects = 0;  // widgets and everything they own directly (timers, actions, layouts)
    int timers = 0;

    bool operator==(const Census &other) const
    {
        return widgets == other.widgets && objects == other.objects && timers == other.timers;
    }
    QString text() const { return QStringLiteral("%1 widgets, %2 objects, %3 timers").arg(widgets).arg(objects).arg(timers); }
};

Census census()
{
    Census c;
    const QWidgetList all = QApplication::allWidgets();
    c.widgets = int(all.size());
    for (QWidget *w : all) {
        const QObjectList &children = w->children();
        c.objects += 1;
        for (QObject *child : children) {
            // The style's running animations come and go with time, not with games.
            if (child->isWidgetType() || qobject_cast<QAbstractAnimation *>(child))
                continue;
            ++c.objects;
            if (qobject_cast<tk::Timer *>(child) || qobject_cast<QTimer *>(child))
                ++c.timers;
        }
    }
    return c;
}

int games()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("TQ_SOAK_GAMES", &ok);
    return ok && n > 0 ? n : 1000;
}

// One game from a fresh board to the result box, ended in one of four ways.
void playOneGame(GameFixture &g, int n)
{
    frmmain &f = g.f();
    g.toRecall();
    for (int b = 1; b <= n % 16; ++b)
        g.answer(b, g.word(16 - b));
    g.answer(15, QStringLiteral("  ") + g.word(1).toLower());
    switch (n % 4) {
    case 0: QTest::mouseClick(f.cmdsubmit, Qt::LeftButton); break;
    case 1: g.seconds(120); break;
    case 2: f.cmdgiveup->click(); g.seconds(120); break;
    default: g.seconds(37); f.cmdsubmit->click(); f.cmdsubmit->click(); break;
    }
}

} // namespace

class SoakTests : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietAboutHeadlessLimits(); }
    void soakAThousandGamesLeaveTheSameWidgetsAndTimers();
    void soakWindowsOpenedPlayedAndClosedLeaveNothingBehind();
    void soakIntroClosedAtEveryTickLeavesNothingBehind_data();
    void soakIntroClosedAtEveryTickLeavesNothingBehind();
};

void SoakTests::soakAThousandGamesLeaveTheSameWidgetsAndTimers()
{
    GameFixture g;
    frmmain &f = g.f();
    f.show();
    const int total = games();
    Census standing;
    int results = 0;
    for (int n = 0; n < total; ++n) {
        playOneGame(g, n);
        results += n % 4 == 3 ? 2 : 1;
        QCOMPARE(int(g.catcher.prompts.size()), results);
        QVERIFY(g.catcher.prompts.last().startsWith(QStringLiteral("Correct Answers:")));
        f.findChild<QAction *>(QStringLiteral("newgame"))->trigger();
        QCoreApplication::processEvents();  // paints, and runs anything left queued
        const Census now = census();
        if (n == 0)
            standing = now;
        QVERIFY2(now == standing, qPrintable(QStringLiteral("game %1: %2, first game %3").arg(n).arg(now.text(), standing.text())));
        QCOMPARE(boardControls(f), 60);
    }
    QVERIFY(g.catcher.errors.empty());
    qInfo("%d games: %s standing throughout", total, qPrintable(standing.text()));
}

void SoakTests::soakWindowsOpenedPlayedAndClosedLeaveNothingBehind()
{
    ManualClock clock;
    ErrorCatcher catcher;
    flushDeletes();
    const Census before = census();
    const int windows = qMax(1, games() / 10);
    ScriptedDraw draw;
    for (int n = 0; n < windows; ++n) {
        QPointer<frmmain> f = new frmmain(draw);
        f->Show();
        clock.advance(20000);
        f->txtanswer(1).setText(f->game().chosenword(1));
        QTest::mouseClick(f->cmdsubmit, Qt::LeftButton);
        QCOMPARE(catcher.prompts.last(), rules::resultPrompt(1));
        if (n % 2)
            f->findChild<QAction *>(QStringLiteral("exit1"))->trigger();
        else
            f->close();
        flushDeletes();
        QVERIFY(f.isNull());
        QCOMPARE(tk::Form::loadedCount(), 0);
        const Census now = census();
        QVERIFY2(now == before, qPrintable(QStringLiteral("window %1: %2, before %3").arg(n).arg(now.text(), before.text())));
    }
    QVERIFY(catcher.errors.empty());
}

void SoakTests::soakIntroClosedAtEveryTickLeavesNothingBehind_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Cancel, else the window closed") << 0;
    QTest::newRow("Start, else the window closed") << 1;
}

void SoakTests::soakIntroClosedAtEveryTickLeavesNothingBehind()
{
    QFETCH(int, way);
    ManualClock clock;
    ErrorCatcher catcher;
    flushDeletes();
    const Census before = census();
    ScriptedDraw draw;
    for (int ticks = 0; ticks <= 80; ++ticks) {
        // As the program makes them; a main window never loaded goes when the program ends.
        QPointer<frmmain> main = new frmmain(draw);
        QPointer<intro::frmRadavirar> in = new intro::frmRadavirar(*main);
        in->Show();
        clock.advance(qint64(ticks) * 50);
        tk::CommandButton *button = way == 0 ? in->cmdcancel.data() : in->cmdok.data();
        QCOMPARE(button->isVisible(), ticks > 52);  // the buttons come with the rules
        if (button->isVisible())
            QTest::mouseClick(button, Qt::LeftButton);
        else
            in->close();
        QCOMPARE(main->isLoaded(), way == 1 && ticks > 52);
        if (main->isLoaded()) {
            clock.advance(3000);
            QCOMPARE(main->game().elapsedseconds(), 3);
            main->close();
        }
        flushDeletes();
        delete main.data();
        QVERIFY(in.isNull());
        QCOMPARE(tk::Form::loadedCount(), 0);
        const Census now = census();
        QVERIFY2(now == before, qPrintable(QStringLiteral("after %1 ticks: %2, before %3").arg(ticks).arg(now.text(), before.text())));
    }
    QVERIFY(catcher.errors.empty());
}

QTEST_MAIN(SoakTests)
#include "soak_tests.moc"
