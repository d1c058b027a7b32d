// A long, seeded storm of player actions in any order and at any moment (New
// Game, Submit, Give Up, clock ticks, typed keys, hostile pastes, Exit, the
// intro's Start and Cancel) with the game's rules checked after every one.
//
// TQ_MONKEY_EVENTS sets the number of events over all seeds (default 6000);
// TQ_MONKEY_SEEDS a comma-separated list of seeds to replay.
#include "ErrorCatcher.h"
#include "GameFixture.h"
#include "ManualClock.h"
#include "PlayerInput.h"
#include "ShownLevel.h"
#include "catalog/ImageList.h"
#include "Quiet.h"
#include "ScriptedDraw.h"
#include "game/Colours.h"
#include "game/frmmain.h"
#include "intro/frmRadavirar.h"
#include "rules/Report.h"
#include "rules/Scoring.h"
#include "rules/Text.h"

#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>
#include <deque>
#include <map>
#include <set>

using game::frmmain;
using rules::Phase;

namespace {

const tk::OleColor boxColour = 0x80000005;
constexpr int introTickMs = 50;

int envInt(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// Qt Test stops a test function after five minutes; a long run asks, before
// Qt Test reads it, for the time it needs (5 ms an event, as the sanitizer
// build takes about 2), unless the person running it set a limit.
const bool watchdogFitsTheRun = [] {
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT")) {
        const qint64 needed = qint64(envInt("TQ_MONKEY_EVENTS", 6000)) * 5;
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(std::max<qint64>(300000, needed)));
    }
    return true;
}();

QList<quint32> seeds()
{
    QList<quint32> list;
    for (const QString &s : qEnvironmentVariable("TQ_MONKEY_SEEDS").split(QLatin1Char(','), Qt::SkipEmptyParts))
        list << s.trimmed().toUInt();
    if (list.isEmpty())
        list = {20240611u, 7u, 1234567u, 99991u, 31337u, 4242u, 8086u, 65521u};
    return list;
}


// ---------------------------------------------------------------------------
// What the main window must show: a copy of its game, moved by the monkey's
// own events through the core's rules, and the monkey's own count of ticks.

const char *phaseName(Phase p)
{
    static const char *names[] = {"no game", "memorise", "recall", "finished"};
    return names[int(p)];
}

struct GameModel {
    rules::Game game;
    int memoriseTicks = 0;
    int recallTicks = 0;
    qint64 untilTick = 1000;   // ms until the running clock's next tick
    bool gaveUp = false;
    bool focusOnFirstBox = false;  // recall has just begun
    int boxesShown = 0;            // result boxes expected so far

    // A new game, drawn as the window drew its own.
    void newGame(const rules::Game &drawn)
    {
        const int shown = boxesShown;
        *this = GameModel();
        game = drawn;
        boxesShown = shown;
    }

    void submit()
    {
        if (game.submit())
            ++boxesShown;
    }

    // The clock moves by `ms`, a tick at every whole second of it.
    void advance(qint64 ms)
    {
        while ((game.memoriseClockRuns() || game.recallClockRuns()) && ms >= untilTick) {
            ms -= untilTick;
            untilTick = 1000;
            if (game.memoriseClockRuns()) {
                ++memoriseTicks;
                if (game.memoriseTick() == rules::Tick::CountDone)
                    focusOnFirstBox = game.startRecall();
            } else {
                ++recallTicks;
                if (game.recallTick() == rules::Tick::TimeUp)
                    submit();
            }
        }
        if (game.memoriseClockRuns() || game.recallClockRuns())
            untilTick -= ms;
    }
};

// ---------------------------------------------------------------------------

class Monkey {
public:
    Monkey(quint32 seed, int events)
        : m_seed(seed)
        , m_events(events)
        , m_rng(seed)
    {
    }

    // Runs the storm; returns an empty string or the first broken rule.
    QString run();
    // How many events of each kind ran.
    QString tally() const
    {
        QStringList parts;
        for (const auto &[kind, n] : m_tally)
            parts << QStringLiteral("%1 %2").arg(n).arg(kind);
        return parts.join(QStringLiteral(", "));
    }

private:
    // Events on the main window.
    void gameEvent();
    void newGame();
    void tick(qint64 ms);
    void clickSubmit();
    void clickGiveUp();
    void clickIntoBox();
    void typeKey();
    void paste();
    void repaint();
    void exitGame();

    // The intro.
    void openIntro();
    void introEvent();

    void checkGame();
    void checkScoredBoard();
    void checkIntro();
    void check(bool ok, const QString &what)
    {
        if (!ok && m_problem.isEmpty())
            m_problem = what;
    }
    QString expectedPaste();

    int pick(int n) { return static_cast<int>(m_rng.bounded(n)); }
    bool chance(int percent) { return pick(100) < percent; }
    frmmain &f() { return *m_form; }
    void count(const char *kind) { ++m_tally[QString::fromLatin1(kind)]; }
    void log(const QString &event)
    {
        m_recent.push_back(QStringLiteral("#%1 %2").arg(m_event).arg(event));
        if (m_recent.size() > 12)
            m_recent.pop_front();
    }

    const quint32 m_seed;
    const int m_events;
    QRandomGenerator m_rng;
    ManualClock m_clock;
    ErrorCatcher m_catcher;
    ScriptedDraw m_draw;
    QPointer<frmmain> m_main;  // made with the intro, as the program makes it
    QPointer<frmmain> m_form;  // the main window once Start showed it
    QPointer<intro::frmRadavirar> m_intro;
    GameModel m_model;
    int m_introTimer1Ticks = 0;
    int m_introTimer2Ticks = 0;
    qint64 m_introUntilTick = introTickMs;
    int m_event = 0;
    QString m_problem;
    std::deque<QString> m_recent;
    std::map<QString, int> m_tally;
};

QString Monkey::run()
{
    openIntro();
    for (m_event = 1; m_event <= m_events && m_problem.isEmpty(); ++m_event) {
        if (m_intro) {
            introEvent();
            if (m_problem.isEmpty() && m_intro)
                checkIntro();
        } else if (m_form) {
            gameEvent();
            if (m_problem.isEmpty() && m_form)
                checkGame();
        } else {
            openIntro();
        }
        check(m_catcher.errors.empty(),
              QStringLiteral("runtime error %1 reported").arg(m_catcher.errors.empty() ? 0 : m_catcher.errors.front()));
    }
    if (m_intro)
        m_intro->unload();
    if (m_form)
        m_form->unload();
    flushDeletes();
    delete m_main.data();
    if (m_problem.isEmpty())
        return {};
    QString report = QStringLiteral("seed %1, event %2: %3\nlast events:").arg(m_seed).arg(m_event - 1).arg(m_problem);
    for (const QString &e : m_recent)
        report += QStringLiteral("\n  ") + e;
    return report;
}

// --- the intro -------------------------------------------------------------

void Monkey::openIntro()
{
    // A program started afresh: the main window a program that ended left goes with it.
    delete m_main.data();
    m_main = new frmmain(m_draw);
    m_intro = new intro::frmRadavirar(*m_main);
    m_intro->Show();
    m_introTimer1Ticks = m_introTimer2Ticks = 0;
    m_introUntilTick = introTickMs;
    log(QStringLiteral("intro opened"));
}

void Monkey::introEvent()
{
    const int roll = pick(100);
    count("intro");
    if (roll < 80) {
        // Whole ticks, a part of one, or a run of them at once.
        const int how = pick(10);
        const qint64 ms = how < 6 ? introTickMs : how < 8 ? 1 + pick(2 * introTickMs) : introTickMs * (1 + pick(60));
        log(QStringLiteral("intro clock +%1 ms").arg(ms));
        qint64 left = ms;
        while (left >= m_introUntilTick) {
            left -= m_introUntilTick;
            m_introUntilTick = introTickMs;
            if (m_introTimer1Ticks < 52)
                ++m_introTimer1Ticks;
            else
                m_introTimer2Ticks = qMin(m_introTimer2Ticks + 1, 1000);
        }
        m_introUntilTick -= left;
        m_clock.advance(ms);
        return;
    }
    const bool rulesShown = m_introTimer2Ticks > 0;
    intro::frmRadavirar &in = *m_intro;
    if (roll < 88) {
        log(QStringLiteral("intro Start (%1)").arg(rulesShown ? "shown" : "hidden"));
        if (!in.cmdok->isVisible())
            return;  // not there to be clicked yet
        count("Start");
        QTest::mouseClick(in.cmdok, Qt::LeftButton);
        check(!in.isLoaded() && !in.Timer1->Enabled() && !in.Timer2->Enabled()
                  && !m_clock.armed(in.Timer1) && !m_clock.armed(in.Timer2),
              QStringLiteral("Start left the intro loaded or ticking"));
        m_form = m_main;
        check(m_form && m_form->isLoaded() && m_form->isVisible(), QStringLiteral("Start opened no main window"));
        check(tk::Form::loadedCount() == 1, QStringLiteral("Start: %1 windows loaded").arg(tk::Form::loadedCount()));
        flushDeletes();
        check(m_intro.isNull(), QStringLiteral("the intro outlived Start"));
        m_model = GameModel();
        if (m_form)
            m_model.newGame(m_form->game());
        m_catcher.prompts.clear();
        m_catcher.titles.clear();
    } else if (roll < 96) {
        log(QStringLiteral("intro Cancel (%1)").arg(rulesShown ? "shown" : "hidden"));
        if (!in.cmdcancel->isVisible())
            return;
        count("Cancel");
        QTest::mouseClick(in.cmdcancel, Qt::LeftButton);
        check(!in.isLoaded() && tk::Form::loadedCount() == 0, QStringLiteral("Cancel left a window loaded"));
        flushDeletes();
        check(m_intro.isNull() && !m_main->isLoaded() && !m_main->isVisible(),
              QStringLiteral("the intro outlived Cancel, or the main window showed"));
    } else {
        log(QStringLiteral("intro window closed"));
        in.close();
        check(!in.isLoaded() && tk::Form::loadedCount() == 0, QStringLiteral("closing the intro left a window loaded"));
        flushDeletes();
        check(m_intro.isNull() && !m_main->isLoaded() && !m_main->isVisible(),
              QStringLiteral("the intro outlived its closing, or the main window showed"));
    }
}

void Monkey::checkIntro()
{
    intro::frmRadavirar &in = *m_intro;
    const int k = m_introTimer1Ticks;
    const int j = m_introTimer2Ticks;
    // The fade's levels are the intro's own tests'; here the window shows whatever level it holds.
    const int alpha = int(in.alphalevel);
    const QString at = QStringLiteral(" (title tick %1, rules tick %2)").arg(k).arg(j);
    check(alpha >= 0 && alpha <= 255, QStringLiteral("intro alphalevel %1").arg(alpha) + at);
    check(shownAt(in, alpha), QStringLiteral("intro shown at %1, not at alphalevel").arg(shownLevel(in)) + at);
    check(in.Timer1->Enabled() == (k < 52) && m_clock.armed(in.Timer1) == (k < 52),
          QStringLiteral("intro Timer1 state wrong") + at);
    check(in.Timer2->Enabled() == (k == 52) && m_clock.armed(in.Timer2) == (k == 52),
          QStringLiteral("intro Timer2 state wrong") + at);
    const bool rules = j > 0;
    check(in.lblmaintitle1->Visible() == !rules && in.lblmaintitle2->Visible() == !rules,
          QStringLiteral("intro title visibility wrong") + at);
    check(in.lblrules->Visible() == rules && in.cmdok->Visible() == rules && in.cmdcancel->Visible() == rules,
          QStringLiteral("intro rules or buttons visibility wrong") + at);
    // The main window may be made while the intro shows, but neither loaded nor seen.
    const frmmain *ahead = m_main;
    check(in.isLoaded() && tk::Form::loadedCount() == 1 && !(ahead && (ahead->isLoaded() || ahead->isVisible())),
          QStringLiteral("intro: wrong windows loaded") + at);
}

// --- the main window -------------------------------------------------------

void Monkey::gameEvent()
{
    const int roll = pick(1000);
    if (roll < 12)
        newGame();
    else if (roll < 420)
        tick(1000);
    else if (roll < 450)
        tick(1 + pick(2500));
    else if (roll < 500)
        clickSubmit();
    else if (roll < 540)
        clickGiveUp();
    else if (roll < 600)
        clickIntoBox();
    else if (roll < 900)
        typeKey();
    else if (roll < 985)
        paste();
    else if (roll < 998)
        repaint();
    else
        exitGame();
}

void Monkey::newGame()
{
    count("New Game");
    // Through the menu, or by its shortcut typed while an answer box has the focus.
    QPointer<tk::TextBox> box = qobject_cast<tk::TextBox *>(QApplication::focusWidget());
    if (box && QApplication::activeWindow() == m_form && chance(50)) {
        log(QStringLiteral("Ctrl+N typed in %1 in %2").arg(box->Name(), phaseName(m_model.game.phase())));
        count("by Ctrl+N");
        const QString before = box->text();
        QTest::keyClick(box, Qt::Key_N, Qt::ControlModifier);
        // The box keeps its text, or was taken down with its board (its widget
        // may serve the new board, empty); never does the key add a letter.
        check(!box || box->text() == before || box->text().isEmpty(),
              QStringLiteral("Ctrl+N went into the answer box: '%1'").arg(box ? box->text() : QString()));
        check(boardControls(f()) == 60 && f().game().elapsedseconds() == 0 && f().lblTimesecondstart->Caption().isEmpty(),
              QStringLiteral("Ctrl+N did not start a new game"));
    } else {
        log(QStringLiteral("New Game in %1").arg(phaseName(m_model.game.phase())));
        f().findChild<QAction *>(QStringLiteral("newgame"))->trigger();
    }
    m_model.newGame(f().game());
}

void Monkey::tick(qint64 ms)
{
    log(QStringLiteral("clock +%1 ms in %2").arg(ms).arg(phaseName(m_model.game.phase())));
    count("ticks");
    m_model.advance(ms);
    m_clock.advance(ms);
}

void Monkey::clickSubmit()
{
    log(QStringLiteral("Submit in %1").arg(phaseName(m_model.game.phase())));
    count("Submit");
    const bool enabled = f().cmdsubmit->isEnabled();
    QTest::mouseClick(f().cmdsubmit, Qt::LeftButton);
    if (enabled)
        m_model.submit();
}

void Monkey::clickGiveUp()
{
    log(QStringLiteral("Give Up in %1").arg(phaseName(m_model.game.phase())));
    count("Give Up");
    const bool enabled = f().cmdgiveup->isEnabled();
    QTest::mouseClick(f().cmdgiveup, Qt::LeftButton);
    if (enabled)
        m_model.gaveUp = m_model.game.giveUp();
}

void Monkey::clickIntoBox()
{
    const int b = 1 + pick(15);
    tk::TextBox &box = f().txtanswer(b);
    log(QStringLiteral("click into box %1").arg(b));
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(1 + pick(qMax(1, box.width() - 2)), box.height() / 2));
}

// The answer box the player's keys reach: the focused one, else one clicked at random.
void Monkey::typeKey()
{
    auto *box = qobject_cast<tk::TextBox *>(f().focusWidget());
    int b = 0;
    for (int i = 1; i <= 15 && box; ++i)
        if (&f().txtanswer(i) == box)
            b = i;
    if (!b) {
        b = 1 + pick(15);
        box = &f().txtanswer(b);
    }
    count("keys");
    const bool live = box->isEnabled();
    const QString before = box->text();
    const int cursor = box->cursorPosition();
    const int selStart = box->hasSelectedText() ? box->selectionStart() : cursor;
    const int selLength = box->hasSelectedText() ? int(box->selectedText().size()) : 0;
    QString expected = before;
    const int roll = pick(100);
    if (roll < 55) {
        const char c = static_cast<char>((chance(70) ? 'a' : 'A') + pick(26));
        log(QStringLiteral("type '%1' into box %2").arg(QLatin1Char(c)).arg(b));
        QTest::keyClick(box, c);
        expected.replace(selStart, selLength, QChar(QLatin1Char(c)).toUpper());
    } else if (roll < 70) {
        const char c = chance(50) ? ' ' : static_cast<char>('0' + pick(10));
        log(QStringLiteral("type '%1' into box %2").arg(QLatin1Char(c)).arg(b));
        QTest::keyClick(box, c);
        expected.replace(selStart, selLength, QString(QLatin1Char(c)));
    } else if (roll < 88) {
        log(QStringLiteral("Backspace in box %1").arg(b));
        QTest::keyClick(box, Qt::Key_Backspace);
        if (selLength) {
            expected.remove(selStart, selLength);
        } else if (cursor > 0) {
            const bool pair = cursor > 1 && before.at(cursor - 1).isLowSurrogate() && before.at(cursor - 2).isHighSurrogate();
            expected.remove(cursor - (pair ? 2 : 1), pair ? 2 : 1);
        }
    } else {
        log(QStringLiteral("Enter in box %1").arg(b));
        QTest::keyClick(box, Qt::Key_Return);
        if (live) {
            QWidget *next = b == 15 ? static_cast<QWidget *>(f().cmdsubmit.data()) : &f().txtanswer(b + 1);
            check(f().focusWidget() == next, QStringLiteral("Enter in box %1 did not move on").arg(b));
        }
    }
    if (live)
        m_model.game.setAnswer(b, expected);
}

QString Monkey::expectedPaste()
{
    const int roll = pick(100);
    if (roll < 2)
        return player::oneMegabyte();
    if (roll < 40) {
        const QString word = m_model.game.chosenword(1 + pick(15));
        switch (pick(5)) {
        case 0: return word;
        case 1: return word.toLower();
        case 2: return QStringLiteral("   ") + word + QStringLiteral("  ");
        case 3: return word + rules::duplicateMark;
        default: return catalog::ImageList::instance().Key(2 + pick(100));
        }
    }
    const QStringList hostile = player::hostileTexts();
    return hostile.at(pick(int(hostile.size())));
}

void Monkey::paste()
{
    const int b = 1 + pick(15);
    tk::TextBox &box = f().txtanswer(b);
    const QString text = expectedPaste();
    const int how = pick(3);
    const char *hows[] = {"replaces", "is inserted into", "is pasted by Ctrl+V into"};
    log(QStringLiteral("%1 chars %2 box %3: %4").arg(text.size()).arg(hows[how]).arg(b)
            .arg(text.size() > 40 ? text.left(40) + QStringLiteral("...") : text));
    count(text.size() > 100000 ? "1 MB pastes" : "pastes");
    if (!box.isEnabled())
        return;  // nothing reaches a disabled box
    const QString before = box.text();
    const int cursor = box.cursorPosition();
    const int selStart = box.hasSelectedText() ? box.selectionStart() : cursor;
    const int selLength = box.hasSelectedText() ? int(box.selectedText().size()) : 0;
    QString expected = before;
    if (how == 0) {
        box.setText(text);
        expected = text;
    } else if (how == 1) {
        box.insert(text);
        expected.replace(selStart, selLength, text);
    } else {
        QGuiApplication::clipboard()->setText(text);
        box.setFocus();
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        if (!text.isEmpty())
            expected.replace(selStart, selLength, text);
    }
    m_model.game.setAnswer(b, expected);
}

void Monkey::repaint()
{
    log(QStringLiteral("events processed and window painted"));
    QCoreApplication::processEvents();
    f().repaint();
}

void Monkey::exitGame()
{
    log(QStringLiteral("Exit in %1").arg(phaseName(m_model.game.phase())));
    const QPointer<tk::Timer> t1 = f().Timer1, t2 = f().Timer2;
    count("Exit");
    f().findChild<QAction *>(QStringLiteral("exit1"))->trigger();
    check(!f().isLoaded() && !f().isVisible() && tk::Form::loadedCount() == 0, QStringLiteral("Exit left the window loaded"));
    check(!t1->Enabled() && !t2->Enabled() && !m_clock.armed(t1) && !m_clock.armed(t2),
          QStringLiteral("Exit left a clock running"));
    flushDeletes();
    check(m_form.isNull() && t1.isNull() && t2.isNull(), QStringLiteral("the main window outlived Exit"));
}

// --- the rules after every event ------------------------------------------

void Monkey::checkGame()
{
    frmmain &g = f();
    const GameModel &m = m_model;
    const QString phase = QString::fromLatin1(phaseName(m.game.phase()));
    const auto bad = [&](const QString &what) { return what + QStringLiteral(" in ") + phase; };

    check(g.isLoaded() && tk::Form::loadedCount() == 1, bad(QStringLiteral("the window is not loaded")));
    check(g.game().gamerunning(), bad(QStringLiteral("no game running")));
    const int controls = boardControls(g);
    check(controls == 60, bad(QStringLiteral("%1 board controls").arg(controls)));
    if (controls != 60)
        return;

    // The draw: 15 distinct game pictures, and each slot's word is its picture's key.
    std::set<int> drawn;
    for (int s = 1; s <= 15; ++s) {
        const int index = m_model.game.chosenindex(s);
        check(index >= 2 && index <= 101, bad(QStringLiteral("slot %1 holds catalog index %2").arg(s).arg(index)));
        drawn.insert(index);
        if (index >= 2 && index <= 101)
            check(m_model.game.chosenword(s) == catalog::ImageList::instance().Key(index),
                  bad(QStringLiteral("slot %1's word is not its picture's key").arg(s)));
    }
    check(drawn.size() == 15, bad(QStringLiteral("only %1 distinct pictures").arg(drawn.size())));

    // The phase table: clocks, answer boxes, buttons, clock display.
    const bool memorise = m.game.phase() == Phase::Memorise;
    const bool recall = m.game.phase() == Phase::Recall;
    const bool scored = m.game.phase() == Phase::Finished;
    check(g.Timer1->Enabled() == memorise && m_clock.armed(g.Timer1) == memorise, bad(QStringLiteral("Timer1 state wrong")));
    check(g.Timer2->Enabled() == recall && m_clock.armed(g.Timer2) == recall, bad(QStringLiteral("Timer2 state wrong")));
    for (int b = 1; b <= 15; ++b) {
        tk::TextBox &box = g.txtanswer(b);
        check(box.Visible() && box.isEnabled() == recall, bad(QStringLiteral("answer box %1 visibility or state wrong").arg(b)));
        if (box.text() != m.game.answer(b)) {
            check(false, bad(QStringLiteral("answer box %1 reads %2 chars '%3', expected %4 chars '%5'")
                                 .arg(b).arg(box.text().size()).arg(box.text().left(60))
                                 .arg(m.game.answer(b).size()).arg(m.game.answer(b).left(60))));
        }
        check(box.BackColor() == (scored && m.game.scoring().wrong[b] ? game::wrongAnswerTint : boxColour), bad(QStringLiteral("answer box %1 tint wrong").arg(b)));
    }
    for (tk::CommandButton *button : {g.cmdsubmit.data(), g.cmdgiveup.data()})
        check(button->Visible() && button->isEnabled() == !memorise, bad(QStringLiteral("%1 state wrong").arg(button->Name())));
    check(g.Shape1->Visible(), bad(QStringLiteral("Shape1 hidden")));
    check(g.lblsecondstart->Visible() && g.lblTimesecondstart->Visible(), bad(QStringLiteral("memorise count hidden")));
    check(g.Frame1->Visible() == !memorise && g.Frame2->Visible() == !memorise, bad(QStringLiteral("recall frames' visibility wrong")));

    // The clocks' labels and counters.
    if (memorise) {
        const QString count = m.memoriseTicks ? QString::number(m.memoriseTicks) : QString();
        check(g.lblTimesecondstart->Caption() == count,
              bad(QStringLiteral("memorise count reads '%1' after %2 ticks").arg(g.lblTimesecondstart->Caption()).arg(m.memoriseTicks)));
        check(g.game().elapsedseconds() == m.memoriseTicks, bad(QStringLiteral("elapsedseconds %1").arg(g.game().elapsedseconds())));
    } else {
        check(g.lblTimesecondstart->Caption() == QStringLiteral("20"), bad(QStringLiteral("memorise count is not 20")));
    }
    const int n = m.recallTicks;
    const QString figures[4] = {g.lblTimeminuteResult->Caption(), g.lblTimesecondResult->Caption(),
                                g.lblTimeminute->Caption(), g.lblTimesecond->Caption()};
    if (memorise || n == 0) {
        for (const QString &figure : figures)
            check(figure.isEmpty(), bad(QStringLiteral("a clock figure reads '%1' before the first recall tick").arg(figure)));
    } else {
        const int left = 120 - n;
        check(figures[0] == QString::number(n / 60) && figures[1] == QString::number(n % 60),
              bad(QStringLiteral("time passed reads %1:%2 after %3 ticks").arg(figures[0], figures[1]).arg(n)));
        check(figures[2] == QString::number(left / 60) && figures[3] == QString::number(left % 60),
              bad(QStringLiteral("time remaining reads %1:%2 after %3 ticks").arg(figures[2], figures[3]).arg(n)));
    }
    if (!memorise) {
        check(g.game().elapsedminutes() * 60 + g.game().elapsedseconds() == n, bad(QStringLiteral("elapsed counters disagree")));
        check(g.game().remainingminutes() * 60 + g.game().remainingseconds() == 120 - n, bad(QStringLiteral("remaining counters disagree")));
    }

    // What the board shows.
    for (int s = 1; s <= 15; ++s) {
        const bool own = m.game.shows(s) != rules::Shows::Placeholder;
        const QString expected = own ? m_model.game.chosenword(s) : catalog::ImageList::instance().Key(1);
        check(g.lblPictureName(s).Caption() == expected,
              bad(QStringLiteral("slot %1 is named '%2', expected '%3'").arg(s).arg(g.lblPictureName(s).Caption(), expected)));
        const tk::Picture shown = g.pic(s).picture();
        const int index = own ? int(m_model.game.chosenindex(s)) : 1;
        check(shown.image() == catalog::ImageList::instance().Picture(index).image(), bad(QStringLiteral("slot %1 shows the wrong picture").arg(s)));
        if (own)
            check(g.pic(s).Width() <= 1410 && g.pic(s).Height() <= 1410, bad(QStringLiteral("slot %1's picture is oversized").arg(s)));
    }

    // Scoring reports once per scoring, with the right count.
    check(m_catcher.prompts.size() == m.boxesShown,
          bad(QStringLiteral("%1 result boxes shown, expected %2").arg(m_catcher.prompts.size()).arg(m.boxesShown)));
    if (scored && !m_catcher.prompts.isEmpty()) {
        check(m_catcher.prompts.last() == rules::resultPrompt(m.game.score()) && g.game().score() == m.game.score(),
              bad(QStringLiteral("result reads '%1', expected %2 correct").arg(m_catcher.prompts.last()).arg(m.game.score())));
        check(m_catcher.titles.last() == QStringLiteral("Tavlin Quorvane"), bad(QStringLiteral("result box title wrong")));
    }
    check(g.game().phase() == m.game.phase(), bad(QStringLiteral("the window says it is in another phase")));
    if (scored)
        checkScoredBoard();
    if (m.focusOnFirstBox) {
        check(g.focusWidget() == &g.txtanswer(1), bad(QStringLiteral("recall began without the focus in box 1")));
        m_model.focusOnFirstBox = false;
    }
}

// After a scoring, without asking the rules: a box is tinted exactly when
// its text names no word of the board; the count is the boxes not tinted;
// without a Give Up, a slot is uncovered exactly when some box names it.
void Monkey::checkScoredBoard()
{
    frmmain &g = f();
    int named = 0;
    rules::Fifteen<bool> namedSlots;
    for (int b = 1; b <= 15; ++b) {
        int slot = 0;
        for (int s = 1; s <= 15 && !slot; ++s)
            slot = rules::trim(g.txtanswer(b).text()) == m_model.game.chosenword(s) ? s : 0;
        named += slot ? 1 : 0;
        if (slot)
            namedSlots[slot] = true;
        check((g.txtanswer(b).BackColor() == game::wrongAnswerTint) == !slot,
              QStringLiteral("answer box %1 is %2tinted").arg(b).arg(slot ? "" : "not "));
    }
    check(named == m_model.game.score(), QStringLiteral("%1 boxes name a word, %2 counted").arg(named).arg(m_model.game.score()));
    for (int s = 1; s <= 15 && !m_model.gaveUp; ++s)
        check((g.lblPictureName(s).Caption() == m_model.game.chosenword(s)) == namedSlots[s],
              QStringLiteral("slot %1 is %2uncovered").arg(s).arg(namedSlots[s] ? "not " : ""));
}

} // namespace

class MonkeyTests : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietAboutHeadlessLimits(); }
    void monkeyNeverBreaksTheGamesRules_data();
    void monkeyNeverBreaksTheGamesRules();
};

void MonkeyTests::monkeyNeverBreaksTheGamesRules_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("events");
    const QList<quint32> list = seeds();
    const int total = envInt("TQ_MONKEY_EVENTS", 6000);
    const int each = (total + int(list.size()) - 1) / int(list.size());
    for (quint32 seed : list)
        QTest::addRow("seed %u", seed) << seed << each;
}

void MonkeyTests::monkeyNeverBreaksTheGamesRules()
{
    QFETCH(quint32, seed);
    QFETCH(int, events);
    Monkey monkey(seed, events);
    const QString problem = monkey.run();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    qInfo("seed %u: %d events without a broken rule: %s", seed, events, qPrintable(monkey.tally()));
}

QTEST_MAIN(MonkeyTests)
#include "monkey_tests.moc"
