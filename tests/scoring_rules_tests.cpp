// Scoring and the report without a window, as tables of cases. The suite
// runs under a comma-decimal locale: the report reads the same everywhere.
#include "CommaLocale.h"
#include "rules/Report.h"
#include "rules/Scoring.h"

#include <QTest>

namespace {

// The board every case is scored against, slots 1 to 15.
const QStringList boardWords{
    QStringLiteral("WATCH"),  QStringLiteral("TORCH"),   QStringLiteral("BULB"),     QStringLiteral("PIG"),
    QStringLiteral("MONEY"),  QStringLiteral("BOOKS"),   QStringLiteral("BALOON"),   QStringLiteral("FLAG"),
    QStringLiteral("PLANE"),  QStringLiteral("MONKEY"),  QStringLiteral("MATCHBOX"), QStringLiteral("TIGER"),
    QStringLiteral("ICECREAM"), QStringLiteral("DOG"),   QStringLiteral("CAKE")};

const QString mark = rules::duplicateMark;

// Box texts by box number; the boxes not named are empty.
using Boxes = QMap<int, QString>;

template <class T>
rules::Fifteen<T> fifteen(const QMap<int, T> &given)
{
    rules::Fifteen<T> values;
    for (auto it = given.begin(); it != given.end(); ++it)
        values[it.key()] = it.value();
    return values;
}

rules::Fifteen<QString> words()
{
    rules::Fifteen<QString> w;
    for (int s = 1; s <= 15; ++s)
        w[s] = boardWords[s - 1];
    return w;
}

// Every box but those given.
QList<int> allBut(QList<int> right)
{
    QList<int> wrong;
    for (int box = 1; box <= 15; ++box)
        if (!right.contains(box))
            wrong << box;
    return wrong;
}

} // namespace

class ScoringRulesTests : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { requireCommaDecimalLocale(); }
    void scoring_data();
    void scoring();
    void reportForEveryCount_data();
    void reportForEveryCount();
};

void ScoringRulesTests::scoring_data()
{
    QTest::addColumn<Boxes>("answers");
    QTest::addColumn<Boxes>("marked");       // boxes whose text the duplicate pass changes
    QTest::addColumn<QList<int>>("wrong");
    QTest::addColumn<QList<int>>("named");   // the slots named, in box order

    QTest::newRow("a word twice counts once; the repeat is marked")
        << Boxes{{2, "WATCH"}, {5, "WATCH"}} << Boxes{{5, "WATCH" + mark}} << allBut({2}) << QList<int>{1};
    QTest::newRow("repeats ignore case, matching heeds it")
        << Boxes{{2, "watch"}, {5, "WATCH"}} << Boxes{{5, "WATCH" + mark}} << allBut({}) << QList<int>{};
    QTest::newRow("the same, the other way round")
        << Boxes{{2, "WATCH"}, {5, "watch"}} << Boxes{{5, "watch" + mark}} << allBut({2}) << QList<int>{1};
    QTest::newRow("spaces around an answer are trimmed and kept")
        << Boxes{{1, "   WATCH  "}} << Boxes{} << allBut({1}) << QList<int>{1};
    QTest::newRow("a space inside makes it another word")
        << Boxes{{1, "ICE CREAM"}, {2, "\tDOG"}} << Boxes{} << allBut({}) << QList<int>{};
    QTest::newRow("a catalog word not on this board is wrong")
        << Boxes{{1, "PIANO"}} << Boxes{} << allBut({}) << QList<int>{};
    QTest::newRow("the usual spelling of an unusual key is wrong")
        << Boxes{{1, "BALLOON"}, {2, "BALOON"}} << Boxes{} << allBut({2}) << QList<int>{7};
    QTest::newRow("all empty: nothing marked, all wrong")
        << Boxes{} << Boxes{} << allBut({}) << QList<int>{};
    QTest::newRow("two spaces after an empty box are marked")
        << Boxes{{4, "  "}} << Boxes{{4, "  " + mark}} << allBut({}) << QList<int>{};
    QTest::newRow("two spaces before the empty boxes are not")
        << Boxes{{1, "  "}} << Boxes{} << allBut({}) << QList<int>{};
    QTest::newRow("correct slots come in box order")
        << Boxes{{1, "PLANE"}, {4, "TORCH"}} << Boxes{} << allBut({1, 4}) << QList<int>{9, 2};
    QTest::newRow("a word three times is marked twice")
        << Boxes{{1, "DOG"}, {2, "DOG"}, {3, "DOG"}} << Boxes{{2, "DOG" + mark}, {3, "DOG" + mark}}
        << allBut({1}) << QList<int>{14};
    // Box 2's new mark makes it agree with box 3, which box 2's own turn then marks.
    QTest::newRow("a mark made in the pass takes part in later comparisons")
        << Boxes{{1, "CAKE"}, {2, "cake"}, {3, "CAKE - DUPLICATE ENTRY"}}
        << Boxes{{2, "cake" + mark}, {3, "CAKE - DUPLICATE ENTRY" + mark}} << allBut({1}) << QList<int>{15};
    QTest::newRow("scored again, a marked repeat is marked again")
        << Boxes{{1, "PIG"}, {2, "PIG" + mark}, {3, "PIG" + mark}} << Boxes{{3, "PIG" + mark + mark}}
        << allBut({1}) << QList<int>{4};
    QTest::newRow("every word once, in any order")
        << Boxes{{1, "CAKE"}, {2, "DOG"}, {3, "ICECREAM"}, {4, "TIGER"}, {5, "MATCHBOX"}, {6, "MONKEY"},
                 {7, "PLANE"}, {8, "FLAG"}, {9, "BALOON"}, {10, "BOOKS"}, {11, "MONEY"}, {12, "PIG"},
                 {13, "BULB"}, {14, "TORCH"}, {15, "WATCH"}}
        << Boxes{} << QList<int>{} << QList<int>{15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
}

void ScoringRulesTests::scoring()
{
    QFETCH(Boxes, answers);
    QFETCH(Boxes, marked);
    QFETCH(QList<int>, wrong);
    QFETCH(QList<int>, named);

    const rules::Scoring scoring = rules::scoreAnswers(fifteen(answers), words());
    for (int box = 1; box <= 15; ++box) {
        QCOMPARE(scoring.texts[box], marked.value(box, answers.value(box)));
        QCOMPARE(scoring.wrong[box], wrong.contains(box));
    }
    QCOMPARE(QList<int>(scoring.correctslots.begin(), scoring.correctslots.end()), named);
    QCOMPARE(scoring.correctcount(), named.size());
}

void ScoringRulesTests::reportForEveryCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("prompt");
    const QString report = QStringLiteral("Correct Answers:%1\r\nPercentage :  %2\r\nIntelligence Level is:  %3");
    QTest::newRow("0: the count alone") << 0 << QStringLiteral("Correct Answers:0");
    QTest::newRow("1") << 1 << report.arg("1", "6.66", "Below Average");
    QTest::newRow("4") << 4 << report.arg("4", "26.6", "Below Average");
    QTest::newRow("5") << 5 << report.arg("5", "33.3", "Average");
    QTest::newRow("9") << 9 << report.arg("9", "60", "Average");
    QTest::newRow("10") << 10 << report.arg("10", "66.6", "Above Average");
    QTest::newRow("14") << 14 << report.arg("14", "93.3", "Above Average");
    QTest::newRow("15") << 15 << report.arg("15", "100", "Superior");
    QTest::newRow("2") << 2 << report.arg("2", "13.3", "Below Average");
    QTest::newRow("3") << 3 << report.arg("3", "20", "Below Average");
    QTest::newRow("6") << 6 << report.arg("6", "40", "Average");
    QTest::newRow("7") << 7 << report.arg("7", "46.6", "Average");
    QTest::newRow("8") << 8 << report.arg("8", "53.3", "Average");
    QTest::newRow("11") << 11 << report.arg("11", "73.3", "Above Average");
    QTest::newRow("12") << 12 << report.arg("12", "80", "Above Average");
    QTest::newRow("13") << 13 << report.arg("13", "86.6", "Above Average");
}

void ScoringRulesTests::reportForEveryCount()
{
    QFETCH(int, count);
    QTEST(rules::resultPrompt(count), "prompt");
    QCOMPARE(rules::resultTitle(), QStringLiteral("Tavlin Quorvane"));
}

QTEST_MAIN(ScoringRulesTests)
#include "scoring_rules_tests.moc"
