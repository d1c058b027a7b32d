// Scoring: the duplicate and matching passes, the reveal, the report's text,
// and the ways a game ends (Submit, the clock, Give Up).
#include "GameFixture.h"
#include "catalog/ImageList.h"
#include "game/RandomSource.h"
#include "game/Report.h"

#include <QTest>

using game::frmmain;
namespace cf = game::Commonfunction;

namespace {

const tk::OleColor tint = tk::rgb(253, 206, 207);
const QString mark = QStringLiteral(" - Duplicate Entry");
// Revealed pictures fit 1300 twips, which whole pixels read back as 1305.

// A catalog word that is not on the board.
QString offBoardWord()
{
    for (int i = 2; i <= 101; ++i) {
        const QString key = catalog::ImageList::instance().Key(i);
        bool onBoard = false;
        for (int s = 1; s <= 15; ++s)
            onBoard = onBoard || cf::chosenword(s) == key;
        if (!onBoard)
            return key;
    }
    return {};
}

// Draws the same board every game: reseeding always starts the same sequence.
class SameBoard : public game::RandomSource {
public:
    SameBoard() { game::RandomSource::setCurrent(this); }
    ~SameBoard() override { game::RandomSource::setCurrent(nullptr); }
    void randomize() override { m_engine.seed(20240611u + m_reseeds++ % 15); }
    float rnd() override { return float(m_engine() >> 8) * (1.0f / 16777216.0f); }

private:
    std::mt19937 m_engine;
    unsigned m_reseeds = 0;
};

bool tinted(frmmain &f, int box)
{
    return f.txtanswer(box).BackColor() == tint;
}

} // namespace

class ScoringTests : public QObject {
    Q_OBJECT
private slots:
    void aWordTwiceCountsOnceAndTheRepeatIsMarkedAndTinted();
    void duplicatesIgnoreCaseButMatchingDoesNot();
    void spacesAroundAreTrimmedButSpacesInsideCount();
    void aCatalogWordNotOnTheBoardIsWrong();
    void allEmptyScoresZeroWithTheShortPrompt();
    void anEmptyBoxBeforeTwoSpacesMarksTheSpacesButNotTheOtherWayRound();
    void recalledSlotsAreUncoveredInTheOrderOfTheBoxesThatNamedThem();
    void percentagesAndPromptsForEveryCount();
    void percentagesAndPromptsForEveryCount_data();
    void submitDisablesTheBoxesStopsTheClockAndLeavesButtonsEnabled();
    void clockAtTwoMinutesScoresExactlyAsSubmitDoes();
    void submittingTwiceGivesTheSameResultAndMarksAMarkedRepeatAgain();
    void giveUpUncoversEverySlotAndDoesNothingElse();
};

void ScoringTests::aWordTwiceCountsOnceAndTheRepeatIsMarkedAndTinted()
{
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    g.answer(2, GameFixture::word(5));
    g.answer(6, GameFixture::word(5));
    f.cmdsubmit->click();
    QCOMPARE(int(f.score), 1);
    QCOMPARE(f.txtanswer(2).Text(), GameFixture::word(5));
    QCOMPARE(f.txtanswer(6).Text(), GameFixture::word(5) + mark);
    QVERIFY(!tinted(f, 2));
    QVERIFY(tinted(f, 6));
    QVERIFY(g.catcher.prompts.first().startsWith(QStringLiteral("Correct Answers:1\r\n")));
}

void ScoringTests::duplicatesIgnoreCaseButMatchingDoesNot()
{
    for (bool lowerFirst : {false, true}) {
        GameFixture g;
        frmmain &f = g.f();
        g.toRecall();
        const QString word = GameFixture::word(3);
        g.answer(1, lowerFirst ? word.toLower() : word);
        g.answer(2, lowerFirst ? word : word.toLower());
        f.cmdsubmit->click();
        // The later box is the repeat whichever case it has; only exact capitals match.
        QCOMPARE(f.txtanswer(2).Text(), (lowerFirst ? word : word.toLower()) + mark);
        QCOMPARE(int(f.score), lowerFirst ? 0 : 1);
        QCOMPARE(tinted(f, 1), lowerFirst);
        QVERIFY(tinted(f, 2));
    }
}

void ScoringTests::spacesAroundAreTrimmedButSpacesInsideCount()
{
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    const QString word = GameFixture::word(1);
    g.answer(1, QStringLiteral("  ") + word + QStringLiteral(" "));
    g.answer(2, word.left(1) + QStringLiteral(" ") + word.mid(1));
    g.answer(3, QStringLiteral("\t") + GameFixture::word(2));
    f.cmdsubmit->click();
    QCOMPARE(int(f.score), 1);
    QVERIFY(!tinted(f, 1));
    QVERIFY(tinted(f, 2));
    QVERIFY(tinted(f, 3));  // only spaces are trimmed
    QCOMPARE(f.txtanswer(1).Text(), QStringLiteral("  ") + word + QStringLiteral(" "));
}

void ScoringTests::aCatalogWordNotOnTheBoardIsWrong()
{
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    g.answer(1, offBoardWord());
    g.answer(2, QStringLiteral("Think"));
    f.cmdsubmit->click();
    QCOMPARE(int(f.score), 0);
    QVERIFY(tinted(f, 1) && tinted(f, 2));
}

void ScoringTests::allEmptyScoresZeroWithTheShortPrompt()
{
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    f.cmdsubmit->click();
    QCOMPARE(g.catcher.prompts, QStringList{QStringLiteral("Correct Answers:0")});
    QCOMPARE(g.catcher.titles, QStringList{QStringLiteral("Tavlin Quorvane")});
    for (int s = 1; s <= 15; ++s) {
        QVERIFY(tinted(f, s));
        QCOMPARE(f.txtanswer(s).Text(), QString());  // an empty box is never marked
        QCOMPARE(f.lblPictureName(s).Caption(), QStringLiteral("Think"));
    }
}

void ScoringTests::anEmptyBoxBeforeTwoSpacesMarksTheSpacesButNotTheOtherWayRound()
{
    {
        GameFixture g;
        g.toRecall();
        g.answer(4, QStringLiteral("  "));
        g.f().cmdsubmit->click();
        QCOMPARE(g.f().txtanswer(4).Text(), QStringLiteral("  ") + mark);
        QVERIFY(tinted(g.f(), 1) && tinted(g.f(), 4));
    }
    {
        // Only box 1 can stand before the spaces, so the spaces come first.
        GameFixture g;
        g.toRecall();
        g.answer(1, QStringLiteral("  "));
        g.f().cmdsubmit->click();
        QCOMPARE(g.f().txtanswer(1).Text(), QStringLiteral("  "));
        for (int s = 2; s <= 15; ++s)
            QCOMPARE(g.f().txtanswer(s).Text(), QString());
    }
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
    QCOMPARE(int(cf::correctslots(1)), 9);
    QCOMPARE(int(cf::correctslots(2)), 2);
    QCOMPARE(int(f.pictureindex), int(cf::chosenindex(2)));  // slot 2 came last
    QCOMPARE(uncovered, (QList<int>{2, 9}));  // the box opens after both are shown
    for (int s : {2, 9}) {
        QCOMPARE(f.lblPictureName(s).Caption(), GameFixture::word(s));
        QVERIFY(f.pic(s).Width() <= 1305 && f.pic(s).Height() <= 1305);
        QVERIFY(f.pic(s).picture().sameAs(catalog::ImageList::instance().Picture(cf::chosenindex(s))));
    }
}

void ScoringTests::percentagesAndPromptsForEveryCount_data()
{
    QTest::addColumn<int>("c");
    QTest::addColumn<QString>("percentage");
    QTest::addColumn<QString>("rating");
    const char *percentages[] = {"0", "6.66", "13.3", "20", "26.6", "33.3", "40", "46.6",
                                 "53.3", "60", "66.6", "73.3", "80", "86.6", "93.3", "100"};
    for (int c = 0; c <= 15; ++c) {
        const char *rating = c == 15 ? " Superior" : c >= 10 ? " Above Average" : c >= 5 ? " Average" : " Below Average";
        QTest::addRow("%d correct", c) << c << QString::fromLatin1(percentages[c]) << QString::fromLatin1(rating);
    }
}

void ScoringTests::percentagesAndPromptsForEveryCount()
{
    QFETCH(int, c);
    QFETCH(QString, percentage);
    QFETCH(QString, rating);
    QCOMPARE(game::percentageText(c), QStringLiteral(" ") + percentage);
    const QString expected = c == 0
        ? QStringLiteral("Correct Answers:0")
        : QStringLiteral("Correct Answers:%1\r\nPercentage :  %2\r\nIntelligence Level is: %3").arg(c).arg(percentage, rating);
    QCOMPARE(game::resultPrompt(c), expected);
}

void ScoringTests::submitDisablesTheBoxesStopsTheClockAndLeavesButtonsEnabled()
{
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    f.cmdsubmit->click();
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
    }
    QCOMPARE(viaClock, viaSubmit);
    QCOMPARE(viaClock.size(), 1);
    QVERIFY(viaClock.first().startsWith(QStringLiteral("Correct Answers:2\r\n")));
    // Both games drew the same board: the boxes, tints and names must agree.
    QCOMPARE(textsClock, textsSubmit);
}

void ScoringTests::submittingTwiceGivesTheSameResultAndMarksAMarkedRepeatAgain()
{
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    const QString word = GameFixture::word(1);
    g.answer(1, word);
    g.answer(2, word);
    g.answer(3, word);
    f.cmdsubmit->click();
    QCOMPARE(f.txtanswer(2).Text(), word + mark);
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
    f.cmdgiveup->click();
    for (int s = 1; s <= 15; ++s) {
        QCOMPARE(f.lblPictureName(s).Caption(), GameFixture::word(s));
        QVERIFY(f.pic(s).Width() <= 1305 && f.pic(s).Height() <= 1305);
        QVERIFY(f.txtanswer(s).Enabled());
    }
    QVERIFY(!tinted(f, 1));
    QVERIFY(f.Timer2->Enabled());
    QVERIFY(g.catcher.prompts.isEmpty());
    QCOMPARE(int(f.keyindex), int(cf::chosenindex(15)));
}

QTEST_MAIN(ScoringTests)
#include "scoring_tests.moc"
