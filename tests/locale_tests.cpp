// The game played in a country that writes a comma for the decimal point:
// every number it shows reads as it does everywhere else.
#include "GameFixture.h"
#include "game/Report.h"

#include <QLocale>
#include <QTest>
#include <clocale>
#include <cstdio>

namespace {
// The percentage of every count, after its leading space.
const QStringList percentages{
    QStringLiteral("0"),    QStringLiteral("6.66"), QStringLiteral("13.3"), QStringLiteral("20"),
    QStringLiteral("26.6"), QStringLiteral("33.3"), QStringLiteral("40"),   QStringLiteral("46.6"),
    QStringLiteral("53.3"), QStringLiteral("60"),   QStringLiteral("66.6"), QStringLiteral("73.3"),
    QStringLiteral("80"),   QStringLiteral("86.6"), QStringLiteral("93.3"), QStringLiteral("100")};

QString expectedPrompt(int c)
{
    if (c == 0)
        return QStringLiteral("Correct Answers:0");
    const QString rating = c == 15 ? QStringLiteral(" Superior")
        : c >= 10                  ? QStringLiteral(" Above Average")
        : c >= 5                   ? QStringLiteral(" Average")
                                   : QStringLiteral(" Below Average");
    return QStringLiteral("Correct Answers:%1\r\nPercentage :  %2\r\nIntelligence Level is: %3")
        .arg(c)
        .arg(percentages[c], rating);
}
} // namespace

class LocaleTests : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyReportReadsTheSameAsAnywhereElse();
    void aRealGameShowsItsClockFiguresAndResultInPlainDigits();
};

void LocaleTests::initTestCase()
{
    // The tests below mean nothing under a point-decimal locale: a missing
    // locale fails the run instead of passing it unseen.
    char written[16];
    std::snprintf(written, sizeof written, "%.1f", 1.5);
    const QByteArray numeric = std::setlocale(LC_NUMERIC, nullptr);
    QVERIFY2(QByteArray(written) == "1,5" && QLocale::system().decimalPoint() == QStringLiteral(","),
             qPrintable(QStringLiteral("the comma-decimal locale is not in force (LC_NUMERIC is '%1', "
                                       "LC_ALL '%2', LOCPATH '%3'): install the package locales and build again")
                            .arg(QString::fromLatin1(numeric), qEnvironmentVariable("LC_ALL"),
                                 qEnvironmentVariable("LOCPATH"))));
}

void LocaleTests::everyReportReadsTheSameAsAnywhereElse()
{
    for (int c = 0; c <= 15; ++c)
        QCOMPARE(game::resultPrompt(c), expectedPrompt(c));
}

void LocaleTests::aRealGameShowsItsClockFiguresAndResultInPlainDigits()
{
    GameFixture g;
    game::frmmain &f = g.f();
    for (int second = 1; second <= 20; ++second) {
        g.seconds(1);
        QCOMPARE(f.lblTimesecondstart->Caption(), QString::number(second));
    }
    for (int box = 1; box <= 4; ++box)
        g.answer(box, GameFixture::word(box));
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
    QCOMPARE(g.catcher.prompts, QStringList{expectedPrompt(4)});
    for (int s = 1; s <= 15; ++s)
        QCOMPARE(f.lblforindex(s).Caption(), QStringLiteral("%1)").arg(s));
}

QTEST_MAIN(LocaleTests)
#include "locale_tests.moc"
