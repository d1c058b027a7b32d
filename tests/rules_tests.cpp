// The game's rules without a window: the draw, the clocks, the phases and
// what a typed key does, as tables of cases.
#include "ScriptedDraw.h"
#include "rules/AnswerEntry.h"
#include "rules/Game.h"
#include "rules/Text.h"

#include <QSet>
#include <QTest>
#include <optional>

using rules::FocusMove;
using rules::Phase;
using rules::Tick;
Q_DECLARE_METATYPE(FocusMove)

namespace {

// The board of every scripted game: catalog entries 2 to 16, whose words these are.
const QStringList boardWords{"WATCH", "TORCH", "BULB",  "PIG",      "MONEY", "BOOKS", "BALOON", "FLAG",
                             "PLANE", "MONKEY", "MATCHBOX", "TIGER", "ICECREAM", "DOG", "CAKE"};

// Plays `script` on a new game dealt slots 1 to 15 = entries 2 to 16: "m20" twenty memorise
// ticks, "S" recall starts, "r5" five recall ticks, "3=WORD" box 3 reads WORD, "G" Give Up,
// "U" Submit, "N" New Game. `last` is what the last tick since the last new game did.
rules::Game playScript(const QString &script, std::optional<Tick> *last = nullptr)
{
    ScriptedDraw draw;
    const auto deal = [&draw] { draw.deal({2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}); };
    const auto keyOf = [](int index) { return boardWords[index - 2]; };
    rules::Game game;
    deal();
    game.newGame(draw, keyOf);
    std::optional<Tick> tick;
    const QStringList steps = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &step : steps) {
        const int n = step.mid(1).toInt();
        if (step.contains(QLatin1Char('=')))
            game.setAnswer(step.section(QLatin1Char('='), 0, 0).toInt(), step.section(QLatin1Char('='), 1));
        else if (step.startsWith(QLatin1Char('m')))
            for (int i = 0; i < n; ++i)
                tick = game.memoriseTick();
        else if (step.startsWith(QLatin1Char('r')))
            for (int i = 0; i < n; ++i)
                tick = game.recallTick();
        else if (step == QLatin1String("S"))
            game.startRecall();
        else if (step == QLatin1String("G"))
            game.giveUp();
        else if (step == QLatin1String("U"))
            game.submit();
        else if (step == QLatin1String("N"))
            (deal(), game.newGame(draw, keyOf), tick.reset());
    }
    if (last)
        *last = tick;
    return game;
}

// What a player could know of `game`, in one line.
QString describe(const rules::Game &game, std::optional<Tick> last)
{
    static const char *phases[] = {"NoGame", "Memorise", "Recall", "Finished"};
    static const char *ticks[] = {"ignored", "counted", "done", "time up"};
    static const char shows[] = {'P', '-', 'U'};
    QString line = QLatin1String(phases[int(game.phase())]);
    if (game.phase() == Phase::Memorise)
        line += QStringLiteral(" %1").arg(game.elapsedseconds());
    else
        line += QStringLiteral(" %1:%2 %3:%4").arg(game.elapsedminutes()).arg(game.elapsedseconds())
                    .arg(game.remainingminutes()).arg(game.remainingseconds());
    line += QLatin1Char(' ');
    for (int s = 1; s <= 15; ++s)
        line += QLatin1Char(shows[int(game.shows(s))]);
    line += game.memoriseClockRuns() ? " clock M" : game.recallClockRuns() ? " clock R" : " clock -";
    if (last)
        line += QLatin1Char(' ') + QLatin1String(ticks[int(*last)]);
    if (game.phase() == Phase::Finished) {
        line += QStringLiteral(" score %1 |").arg(game.score());
        for (int box = 1; box <= 15; ++box)
            if (!game.answer(box).isEmpty())
                line += QStringLiteral(" %1=%2").arg(box).arg(game.answer(box));
    }
    return line;
}

} // namespace

class RulesTests : public QObject {
    Q_OBJECT
private slots:
    void drawGivesFifteenDifferentGamePicturesAndEveryOneTurnsUp();
    void drawRedrawsACollisionAndChecksEveryEarlierSlotAgain_data();
    void drawRedrawsACollisionAndChecksEveryEarlierSlotAgain();
    void afterRecallTickNTheClockReadsNPassedAndTheRestRemaining();
    void wholeGames_data();
    void wholeGames();
    void wrongAnswersAreKnownAfterScoring();
    void typedKeys_data();
    void typedKeys();
    void numbersAndAnswersAreWrittenAndComparedPlainly();
};

void RulesTests::drawGivesFifteenDifferentGamePicturesAndEveryOneTurnsUp()
{
    rules::ClockSeededRandom random;
    QSet<int> everDrawn;
    for (int round = 0; round < 400; ++round) {
        const rules::Fifteen<int> drawn = rules::drawPictures(random);
        QSet<int> seen;
        for (int s = 1; s <= 15; ++s) {
            QVERIFY2(drawn[s] >= 2 && drawn[s] <= 101, qPrintable(QString::number(drawn[s])));
            seen.insert(drawn[s]);
        }
        QCOMPARE(seen.size(), 15);
        everDrawn.unite(seen);
    }
    QCOMPARE(everDrawn.size(), 100);  // never the placeholder, 1
}

void RulesTests::drawRedrawsACollisionAndChecksEveryEarlierSlotAgain_data()
{
    QTest::addColumn<QList<float>>("values");
    QTest::addColumn<int>("slot15");
    QList<float> twoToFifteen;
    for (int index = 2; index <= 15; ++index)
        twoToFifteen << ScriptedDraw::drawing(index);
    // Slot 15 draws slot 1's index, then slot 14's, found only by checking
    // every slot again from the first, then a new one.
    QTest::newRow("collisions with slot 1 and then slot 14")
        << (twoToFifteen + QList<float>{ScriptedDraw::drawing(2), ScriptedDraw::drawing(15), ScriptedDraw::drawing(60)})
        << 60;
    QTest::newRow("the largest number below 1 draws 101")
        << (twoToFifteen + QList<float>{0.99999994f}) << 101;
    QTest::newRow("0 draws 2, taken, then 16")
        << (twoToFifteen + QList<float>{0.0f, ScriptedDraw::drawing(16)}) << 16;
}

void RulesTests::drawRedrawsACollisionAndChecksEveryEarlierSlotAgain()
{
    QFETCH(QList<float>, values);
    QFETCH(int, slot15);
    ScriptedDraw random;
    for (const float value : values)
        random.dealRaw(value);
    const rules::Fifteen<int> drawn = rules::drawPictures(random);
    for (int s = 1; s <= 14; ++s)
        QCOMPARE(drawn[s], s + 1);
    QCOMPARE(drawn[15], slot15);
    QCOMPARE(random.reseeds, 15);  // once a slot, never for a redraw
    QCOMPARE(random.undealt, 0);  // every draw was one the row dealt
}

void RulesTests::afterRecallTickNTheClockReadsNPassedAndTheRestRemaining()
{
    // Minutes and seconds always add up: no tick shows 0 and 0 with a minute left.
    rules::Game game = playScript(QStringLiteral("m20 S"));
    for (int n = 1; n <= 120; ++n) {
        QCOMPARE(game.recallTick(), n == 120 ? Tick::TimeUp : Tick::Counted);
        QCOMPARE(game.elapsedminutes() * 60 + game.elapsedseconds(), n);
        QVERIFY(game.elapsedseconds() < 60);
        QCOMPARE(game.remainingminutes() * 60 + game.remainingseconds(), 120 - n);
        QVERIFY(game.remainingseconds() >= 0 && game.remainingseconds() < 60);
    }
}

void RulesTests::wholeGames_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("state");
    const QString all = QStringLiteral("PPPPPPPPPPPPPPP"), covered = QStringLiteral("---------------");
    const QString open = QStringLiteral("UUUUUUUUUUUUUUU");
    QTest::newRow("a fresh game") << "" << "Memorise 0 " + all + " clock M";
    QTest::newRow("the first memorise tick") << "m1" << "Memorise 1 " + all + " clock M counted";
    QTest::newRow("the nineteenth") << "m19" << "Memorise 19 " + all + " clock M counted";
    QTest::newRow("the twentieth ends the count") << "m20" << "Memorise 20 " + all + " clock - done";
    QTest::newRow("no twenty-first") << "m21" << "Memorise 20 " + all + " clock - ignored";
    QTest::newRow("recall started early") << "m19 S" << "Recall 0:0 1:60 " + covered + " clock R counted";
    QTest::newRow("recall starts once") << "m20 S r3 S" << "Recall 0:3 1:57 " + covered + " clock R counted";
    QTest::newRow("recall covers the board") << "m20 S" << "Recall 0:0 1:60 " + covered + " clock R done";
    QTest::newRow("recall tick 1") << "m20 S r1" << "Recall 0:1 1:59 " + covered + " clock R counted";
    QTest::newRow("recall tick 59") << "m20 S r59" << "Recall 0:59 1:1 " + covered + " clock R counted";
    QTest::newRow("recall tick 60") << "m20 S r60" << "Recall 1:0 1:0 " + covered + " clock R counted";
    QTest::newRow("recall tick 61") << "m20 S r61" << "Recall 1:1 0:59 " + covered + " clock R counted";
    QTest::newRow("recall tick 119") << "m20 S r119" << "Recall 1:59 0:1 " + covered + " clock R counted";
    QTest::newRow("time up at 2 minutes") << "m20 S r120" << "Recall 2:0 0:0 " + covered + " clock - time up";
    QTest::newRow("no tick after time up") << "m20 S r121" << "Recall 2:0 0:0 " + covered + " clock - ignored";
    QTest::newRow("Give Up uncovers, the clock runs on") << "m20 S r5 G" << "Recall 0:5 1:55 " + open + " clock R counted";
    QTest::newRow("Give Up, and time is still up") << "m20 S G r120" << "Recall 2:0 0:0 " + open + " clock - time up";
    QTest::newRow("Submit stops the clock") << "m20 S r30 U r1"
                                            << "Finished 0:30 1:30 " + covered + " clock - ignored score 0 |";
    QTest::newRow("no Give Up or Submit while memorising") << "m5 G U" << "Memorise 5 " + all + " clock M counted";
    QTest::newRow("New Game while memorising") << "m7 N" << "Memorise 0 " + all + " clock M";
    QTest::newRow("New Game in recall") << "m20 S r45 1=WATCH N" << "Memorise 0 " + all + " clock M";
    QTest::newRow("New Game when finished") << "m20 S 1=WATCH U N" << "Memorise 0 " + all + " clock M";
    QTest::newRow("a word twice counts once") << "m20 S 2=WATCH 5=WATCH U"
        << "Finished 0:0 1:60 U-------------- clock - done score 1 | 2=WATCH 5=WATCH - Duplicate Entry";
    QTest::newRow("slots uncover as named, wrong boxes known") << "m20 S 1=PLANE 4=TORCH 6=PIANO U"
        << "Finished 0:0 1:60 -U------U------ clock - done score 2 | 1=PLANE 4=TORCH 6=PIANO";
    QTest::newRow("scored again, a marked repeat is marked again") << "m20 S 1=PIG 2=PIG 3=PIG U U"
        << "Finished 0:0 1:60 ---U----------- clock - done score 1 | 1=PIG 2=PIG - Duplicate Entry "
           "3=PIG - Duplicate Entry - Duplicate Entry";
    QTest::newRow("Give Up then Submit") << "m20 S 9=CAKE G U"
        << "Finished 0:0 1:60 " + open + " clock - done score 1 | 9=CAKE";
}

void RulesTests::wholeGames()
{
    QFETCH(QString, script);
    std::optional<Tick> last;
    const rules::Game game = playScript(script, &last);
    QTEST(describe(game, last), "state");
    if (game.phase() != Phase::NoGame) {
        for (int s = 1; s <= 15; ++s)
            QCOMPARE(game.chosenword(s), boardWords[s - 1]);
    }
}

void RulesTests::wrongAnswersAreKnownAfterScoring()
{
    const rules::Game game = playScript(QStringLiteral("m20 S 1=PLANE 2=plane 3=ZEBRA U"));
    const QList<bool> expected{false, true, true, true, true, true, true, true, true, true, true, true, true, true, true};
    for (int box = 1; box <= 15; ++box)
        QCOMPARE(game.scoring().wrong[box], expected[box - 1]);
    QCOMPARE(playScript(QStringLiteral("")).gamerunning(), true);
    QCOMPARE(rules::Game().gamerunning(), false);
}

void RulesTests::typedKeys_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("received");
    QTest::addColumn<FocusMove>("focus");
    QTest::newRow("a becomes A") << 3 << int('a') << int('A') << FocusMove::Stay;
    QTest::newRow("z becomes Z") << 3 << int('z') << int('Z') << FocusMove::Stay;
    QTest::newRow("capitals stay") << 3 << int('Q') << int('Q') << FocusMove::Stay;
    QTest::newRow("a backquote, just before a") << 3 << int('`') << int('`') << FocusMove::Stay;
    QTest::newRow("a brace, just after z") << 3 << int('{') << int('{') << FocusMove::Stay;
    QTest::newRow("digits, spaces, Backspace stay") << 3 << int('7') << int('7') << FocusMove::Stay;
    QTest::newRow("a letter beyond ASCII stays") << 3 << 0xE9 << 0xE9 << FocusMove::Stay;
    QTest::newRow("Enter in box 7 moves to box 8") << 7 << 13 << 13 << FocusMove::NextBox;
    QTest::newRow("Enter in box 15 moves to Submit") << 15 << 13 << 13 << FocusMove::Submit;
}

void RulesTests::typedKeys()
{
    QFETCH(int, box);
    QFETCH(int, key);
    const rules::KeyOutcome outcome = rules::answerKey(box, key);
    QTEST(outcome.keyAscii, "received");
    QTEST(outcome.focus, "focus");
}

void RulesTests::numbersAndAnswersAreWrittenAndComparedPlainly()
{
    QCOMPARE(rules::str(-7), QStringLiteral("-7"));
    QCOMPARE(rules::str(20), QStringLiteral("20"));
    QCOMPARE(rules::numberText(100.0 / 15.0), QStringLiteral(" 6.66666666666667"));
    QCOMPARE(rules::numberText(60), QStringLiteral(" 60"));
    QCOMPARE(rules::numberText(-1.5), QStringLiteral("-1.5"));
    QCOMPARE(rules::numberText(1e20), QStringLiteral(" 100000000000000000000"));
    QCOMPARE(rules::trim(QStringLiteral("  A B  ")), QStringLiteral("A B"));
    QCOMPARE(rules::trim(QStringLiteral("\tA\t")), QStringLiteral("\tA\t"));  // spaces only
    QCOMPARE(rules::ucase(QStringLiteral("watch")), QStringLiteral("WATCH"));
}

QTEST_MAIN(RulesTests)
#include "rules_tests.moc"
