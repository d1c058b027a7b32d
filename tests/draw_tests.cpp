// The random draw of 15 distinct game pictures.
#include "game/Commonfunction.h"
#include "game/RandomSource.h"

#include <QSet>
#include <QTest>
#include <deque>

namespace cf = game::Commonfunction;

namespace {

// Hands out the numbers it was given, then repeats the last; counts reseeds.
class ScriptedRandom : public game::RandomSource {
public:
    explicit ScriptedRandom(std::deque<float> values) : m_values(std::move(values)) {}
    ~ScriptedRandom() override { game::RandomSource::setCurrent(nullptr); }
    void randomize() override { ++reseeds; }
    float rnd() override
    {
        ++draws;
        const float v = m_values.front();
        if (m_values.size() > 1)
            m_values.pop_front();
        return v;
    }
    int reseeds = 0;
    int draws = 0;

private:
    std::deque<float> m_values;
};

// The number r that draws catalog index `index`.
float drawing(int index)
{
    return float(index - 2) / 100.0f + 0.001f;
}

} // namespace

class DrawTests : public QObject {
    Q_OBJECT
private slots:
    void fifteenDistinctGamePicturesNeverThePlaceholder();
    void aCollisionWithSlotOneAtSlotFifteenRedrawsAndRescans();
    void earlierGamesValuesTakeNoPartInTheScan();
    void extremesOfTheGeneratorGiveTwoAndOneHundredAndOne();
};

void DrawTests::fifteenDistinctGamePicturesNeverThePlaceholder()
{
    QSet<int> everDrawn;
    for (int round = 0; round < 400; ++round) {
        cf::pickpictures();
        QSet<int> seen;
        for (int s = 1; s <= 15; ++s) {
            const int index = cf::chosenindex(s);
            QVERIFY2(index >= 2 && index <= 101, qPrintable(QString::number(index)));
            seen.insert(index);
            everDrawn.insert(index);
        }
        QCOMPARE(seen.size(), 15);
    }
    QCOMPARE(everDrawn.size(), 100);  // every game picture turns up
}

void DrawTests::aCollisionWithSlotOneAtSlotFifteenRedrawsAndRescans()
{
    // Slots 1..14 draw 2..15; slot 15 first draws 2 (slot 1's), then 15
    // (slot 14's, found only by the rescan), then 60.
    std::deque<float> values;
    for (int i = 2; i <= 15; ++i)
        values.push_back(drawing(i));
    values.push_back(drawing(2));
    values.push_back(drawing(15));
    values.push_back(drawing(60));
    ScriptedRandom random(values);
    game::RandomSource::setCurrent(&random);
    cf::pickpictures();
    QCOMPARE(int(cf::chosenindex(15)), 60);
    for (int s = 1; s <= 14; ++s)
        QCOMPARE(int(cf::chosenindex(s)), s + 1);
    QCOMPARE(random.reseeds, 15);  // once per slot, never for a redraw
    QCOMPARE(random.draws, 17);
}

void DrawTests::earlierGamesValuesTakeNoPartInTheScan()
{
    for (int s = 1; s <= 15; ++s)
        cf::chosenindex(s) = 50;  // an earlier game left 50 everywhere
    std::deque<float> values;
    for (int i = 50; i <= 64; ++i)
        values.push_back(drawing(i));
    ScriptedRandom random(values);
    game::RandomSource::setCurrent(&random);
    cf::pickpictures();
    for (int s = 1; s <= 15; ++s)
        QCOMPARE(int(cf::chosenindex(s)), 49 + s);
    QCOMPARE(random.draws, 15);
}

void DrawTests::extremesOfTheGeneratorGiveTwoAndOneHundredAndOne()
{
    std::deque<float> values{0.0f, 0.99999994f};  // the largest single below 1
    for (int i = 3; i <= 15; ++i)
        values.push_back(drawing(i));
    ScriptedRandom random(values);
    game::RandomSource::setCurrent(&random);
    cf::pickpictures();
    QCOMPARE(int(cf::chosenindex(1)), 2);
    QCOMPARE(int(cf::chosenindex(2)), 101);
}

QTEST_MAIN(DrawTests)
#include "draw_tests.moc"
