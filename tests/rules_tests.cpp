// The game's rules without a window: the draw, the clocks, the phases and
// what a typed key does, as tables of cases.
#include "ScriptedDraw.h"
#include "rules/AnswerEntry.h"
#include "rules/Clocks.h"
#include "rules/Phase.h"
#include "rules/Text.h"

#include <QSet>
#include <QTest>

using rules::FocusMove;
using rules::Move;
using rules::Phase;
Q_DECLARE_METATYPE(FocusMove)
Q_DECLARE_METATYPE(Move)
Q_DECLARE_METATYPE(Phase)

class RulesTests : public QObject {
    Q_OBJECT
private slots:
    void drawGivesFifteenDifferentGamePicturesAndEveryOneTurnsUp();
    void drawRedrawsACollisionAndChecksEveryEarlierSlotAgain_data();
    void drawRedrawsACollisionAndChecksEveryEarlierSlotAgain();
    void memoriseCountEndsAtTwenty_data();
    void memoriseCountEndsAtTwenty();
    void afterRecallTickNTheClockReadsNPassedAndTheRestRemaining();
    void phaseMoves_data();
    void phaseMoves();
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
}

void RulesTests::memoriseCountEndsAtTwenty_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("next");
    QTest::addColumn<bool>("over");
    QTest::newRow("first tick") << 0 << 1 << false;
    QTest::newRow("nineteenth") << 18 << 19 << false;
    QTest::newRow("twentieth") << 19 << 20 << true;
}

void RulesTests::memoriseCountEndsAtTwenty()
{
    QFETCH(int, shown);
    const rules::MemoriseTick tick = rules::memoriseTick(shown);
    QTEST(tick.count, "next");
    QTEST(tick.over, "over");
}

void RulesTests::afterRecallTickNTheClockReadsNPassedAndTheRestRemaining()
{
    // Minutes and seconds always add up: no tick shows 0 and 0 with a minute left.
    rules::RecallTime time;
    QCOMPARE(time, (rules::RecallTime{0, 0, 60, 1}));
    for (int n = 1; n <= 120; ++n) {
        const rules::RecallTick tick = rules::recallTick(time);
        time = tick.time;
        QCOMPARE(time.elapsedMinutes * 60 + time.elapsedSeconds, n);
        QVERIFY(time.elapsedSeconds < 60);
        QCOMPARE(time.remainingMinutes * 60 + time.remainingSeconds, 120 - n);
        QVERIFY(time.remainingSeconds >= 0 && time.remainingSeconds < 60);
        QVERIFY(tick.showsRemainingMinutes);
        QCOMPARE(tick.timeUp, n == 120);
    }
}

void RulesTests::phaseMoves_data()
{
    QTest::addColumn<Phase>("from");
    QTest::addColumn<Move>("move");
    QTest::addColumn<Phase>("to");
    QTest::newRow("the memorise count ends") << Phase::Memorise << Move::RecallStarts << Phase::Recall;
    QTest::newRow("Submit in recall") << Phase::Recall << Move::Submit << Phase::Finished;
    QTest::newRow("Submit again") << Phase::Finished << Move::Submit << Phase::Finished;
    QTest::newRow("Give Up does not end the game") << Phase::Recall << Move::GiveUp << Phase::Recall;
    QTest::newRow("New Game in memorise") << Phase::Memorise << Move::NewGame << Phase::Memorise;
    QTest::newRow("New Game in recall") << Phase::Recall << Move::NewGame << Phase::Memorise;
    QTest::newRow("New Game when finished") << Phase::Finished << Move::NewGame << Phase::Memorise;
}

void RulesTests::phaseMoves()
{
    QFETCH(Phase, from);
    QFETCH(Move, move);
    QTEST(rules::after(from, move), "to");
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
