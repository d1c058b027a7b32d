// The game played in a country that writes a comma for the decimal point:
// every number it shows reads as it does everywhere else.
#include "CommaLocale.h"
#include "GameFixture.h"

#include <QTest>

class LocaleTests : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { requireCommaDecimalLocale(); }
    void aRealGameShowsItsClockFiguresAndResultInPlainDigits();
};

void LocaleTests::aRealGameShowsItsClockFiguresAndResultInPlainDigits()
{
    GameFixture g;
    game::frmmain &f = g.f();
    for (int second = 1; second <= 20; ++second) {
        g.seconds(1);
        QCOMPARE(f.lblTimesecondstart->Caption(), QString::number(second));
    }
    for (int box = 1; box <= 4; ++box)
        g.answer(box, g.word(box));
    for (int tick = 1; tick <= 119; ++tick) {
        g.seconds(1);
        const int left = 120 - tick;
        QCOMPARE(f.lblTimeminuteResult->Caption() + QLatin1Char(':') + f.lblTimesecondResult->Caption(),
                 QStringLiteral("%1:%2").arg(tick / 60).arg(tick % 60));
        QCOMPARE(f.lblTimeminute->Caption() + QLatin1Char(':') + f.lblTimesecond->Caption(),
                 QStringLiteral("%1:%2").arg(left / 60).arg(left % 60));
    }
    QVERIFY(g.catcher.prompts.isEmpty());
    g.seconds(1);  // two minutes: the clock scores
    QCOMPARE(g.catcher.prompts,
             QStringList{QStringLiteral("Correct Answers:4\r\nPercentage :  26.6\r\nIntelligence Level is:  Below Average")});
    for (int s = 1; s <= 15; ++s)
        QCOMPARE(f.lblforindex(s).Caption(), QStringLiteral("%1)").arg(s));
}

QTEST_MAIN(LocaleTests)
#include "locale_tests.moc"
