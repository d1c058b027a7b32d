// The end of a game in the window: what scoring shows in the boxes and on
// the board, and the ways a game ends (Submit, the clock, Give Up).
#include "GameFixture.h"
#include "catalog/ImageList.h"
#include "game/Colours.h"
#include "rules/Draw.h"
#include "rules/Scoring.h"

#include <QTest>
#include <random>

using game::frmmain;
using rules::Phase;
Q_DECLARE_METATYPE(Phase)

namespace {

const QString mark = rules::duplicateMark;

// A catalog word that is not on the board.
QString offBoardWord()
{
    for (int i = 2; i <= 101; ++i) {
        const QString key = catalog::ImageList::instance().Key(i);
        bool onBoard = false;
        for (int s = 1; s <= 15; ++s)
            onBoard = onBoard || GameFixture::word(s) == key;
        if (!onBoard)
            return key;
    }
    return {};
}

// Draws the same board every game: reseeding always starts the same sequence.
class SameBoard : public rules::RandomSource {
public:
    SameBoard() { rules::RandomSource::setCurrent(this); }
    ~SameBoard() override { rules::RandomSource::setCurrent(nullptr); }
    void randomize() override { m_engine.seed(20240611u + m_reseeds++ % 15); }
    float rnd() override { return float(m_engine() >> 8) * (1.0f / 16777216.0f); }

private:
    std::mt19937 m_engine;
    unsigned m_reseeds = 0;
};

// The colour the player sees inside answer box `box`, away from its text.
QColor seenInside(frmmain &f, int box)
{
    const QImage seen = f.client()->grab(f.txtanswer(box).geometry()).toImage();
    return seen.pixelColor(seen.width() - 8, seen.height() / 2);
}

} // namespace

class ScoringTests : public QObject {
    Q_OBJECT
private slots:
    void scoringWritesTheMarksAndTintsTheWrongBoxesAsThePlayerSeesThem();
    void recalledSlotsAreUncoveredInTheOrderOfTheBoxesThatNamedThem();
    void submitDisablesTheBoxesStopsTheClockAndLeavesButtonsEnabled();
    void clockAtTwoMinutesScoresExactlyAsSubmitDoes();
    void submittingTwiceReadsTheBoxesAsTheyNowStand();
    void giveUpUncoversEverySlotAndDoesNothingElse();
};

void ScoringTests::scoringWritesTheMarksAndTintsTheWrongBoxesAsThePlayerSeesThem()
{
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    g.answer(2, GameFixture::word(5));
    g.answer(6, GameFixture::word(5));
    g.answer(7, offBoardWord());
    g.answer(8, QStringLiteral("  ") + GameFixture::word(9) + QStringLiteral(" "));
    const QColor white = seenInside(f, 2);
    f.cmdsubmit->click();
    QCOMPARE(g.catcher.prompts.size(), 1);
    QVERIFY(g.catcher.prompts.first().startsWith(QStringLiteral("Correct Answers:2\r\n")));
    QCOMPARE(f.txtanswer(6).Text(), GameFixture::word(5) + mark);
    QCOMPARE(f.txtanswer(8).Text(), QStringLiteral("  ") + GameFixture::word(9) + QStringLiteral(" "));
    const QColor pink = tk::toQColor(game::wrongAnswerTint);
    for (int box = 1; box <= 15; ++box)
        QCOMPARE(seenInside(f, box), box == 2 || box == 8 ? white : pink);
}

void ScoringTests::recalledSlotsAreUncoveredInTheOrderOfTheBoxesThatNamedThem()
{
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    g.answer(1, GameFixture::word(9));
    g.answer(4, GameFixture::word(2));
    QList<int> uncovered;
    g.catcher.onBox = [&] {
        for (int s = 1; s <= 15; ++s)
            if (f.lblPictureName(s).Caption() != QStringLiteral("Think"))
                uncovered << s;
    };
    f.cmdsubmit->click();
    QCOMPARE(int(f.score), 2);
    QCOMPARE(uncovered, (QList<int>{2, 9}));  // the box opens after both are shown
    for (int s : {2, 9}) {
        QCOMPARE(f.lblPictureName(s).Caption(), GameFixture::word(s));
        QVERIFY(f.pic(s).Width() <= 1305 && f.pic(s).Height() <= 1305);
        QVERIFY(f.pic(s).picture().sameAs(catalog::ImageList::instance().Picture(game::Commonfunction::chosenindex(s))));
    }
}

void ScoringTests::submitDisablesTheBoxesStopsTheClockAndLeavesButtonsEnabled()
{
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    QCOMPARE(f.phase(), Phase::Recall);
    f.cmdsubmit->click();
    QCOMPARE(f.phase(), Phase::Finished);
    QVERIFY(!f.Timer2->Enabled());
    for (int s = 1; s <= 15; ++s)
        QVERIFY(!f.txtanswer(s).Enabled());
    QVERIFY(f.cmdsubmit->Enabled() && f.cmdgiveup->Enabled());
    QCOMPARE(int(f.gamerunning), -1);
}

void ScoringTests::clockAtTwoMinutesScoresExactlyAsSubmitDoes()
{
    QStringList viaClock, viaSubmit;
    QStringList textsClock, textsSubmit;
    for (bool byClock : {true, false}) {
        SameBoard sameBoard;
        GameFixture g;
        frmmain &f = g.f();
        g.toRecall();
        g.answer(1, GameFixture::word(7));
        g.answer(2, GameFixture::word(7).toLower());
        g.answer(3, GameFixture::word(11));
        g.answer(5, offBoardWord());
        if (byClock)
            g.seconds(120);
        else
            f.cmdsubmit->click();
        QStringList texts;
        for (int s = 1; s <= 15; ++s)
            texts << f.txtanswer(s).Text() + QString::number(f.txtanswer(s).BackColor()) + f.lblPictureName(s).Caption();
        (byClock ? viaClock : viaSubmit) = g.catcher.prompts;
        (byClock ? textsClock : textsSubmit) = texts;
        QCOMPARE(f.phase(), Phase::Finished);
    }
    QCOMPARE(viaClock, viaSubmit);
    QCOMPARE(viaClock.size(), 1);
    QVERIFY(viaClock.first().startsWith(QStringLiteral("Correct Answers:2\r\n")));
    // Both games drew the same board: the boxes, tints and names must agree.
    QCOMPARE(textsClock, textsSubmit);
}

void ScoringTests::submittingTwiceReadsTheBoxesAsTheyNowStand()
{
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    const QString word = GameFixture::word(1);
    for (int box = 1; box <= 3; ++box)
        g.answer(box, word);
    f.cmdsubmit->click();
    QCOMPARE(f.txtanswer(3).Text(), word + mark);
    f.cmdsubmit->click();
    QCOMPARE(g.catcher.prompts.size(), 2);
    QCOMPARE(g.catcher.prompts[0], g.catcher.prompts[1]);
    QCOMPARE(f.txtanswer(2).Text(), word + mark);
    QCOMPARE(f.txtanswer(3).Text(), word + mark + mark);
}

void ScoringTests::giveUpUncoversEverySlotAndDoesNothingElse()
{
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    g.answer(1, offBoardWord());
    const QColor white = seenInside(f, 1);
    f.cmdgiveup->click();
    for (int s = 1; s <= 15; ++s) {
        QCOMPARE(f.lblPictureName(s).Caption(), GameFixture::word(s));
        QVERIFY(f.pic(s).Width() <= 1305 && f.pic(s).Height() <= 1305);
        QVERIFY(f.txtanswer(s).Enabled());
    }
    QCOMPARE(seenInside(f, 1), white);
    QVERIFY(f.Timer2->Enabled());
    QCOMPARE(f.phase(), Phase::Recall);
    QVERIFY(g.catcher.prompts.isEmpty());
}

QTEST_MAIN(ScoringTests)
#include "scoring_tests.moc"
