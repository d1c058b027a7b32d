// The main window as the view of its game: after every scripted stretch of
// play, what the player sees (clocks, captions, pictures, boxes, tints,
// focus, the result box) is what the window's game says, in one table.
#include "GameFixture.h"
#include "ScriptedDraw.h"
#include "catalog/ImageList.h"
#include "game/Colours.h"

#include <QRegularExpression>
#include <QScreen>
#include <QTest>

using game::frmmain;
using rules::Phase;

namespace {

const catalog::ImageList &imgList()
{
    return catalog::ImageList::instance();
}

// A catalog word that is not on the board.
QString offBoardWord(const rules::Game &game)
{
    for (int i = 2; i <= 101; ++i) {
        bool onBoard = false;
        for (int s = 1; s <= 15; ++s)
            onBoard = onBoard || game.chosenword(s) == imgList().Key(i);
        if (!onBoard)
            return imgList().Key(i);
    }
    return {};
}

// The colour the player sees inside answer box `box`, above its text.
QColor seenInside(frmmain &f, int box)
{
    const QImage seen = f.centralWidget()->grab(f.txtanswer(box).geometry()).toImage();
    return seen.pixelColor(seen.width() - 8, 3);
}

QString focusName(frmmain &f)
{
    for (int b = 1; b <= 15; ++b)
        if (f.focusWidget() == &f.txtanswer(b))
            return QStringLiteral("box %1").arg(b);
    return f.focusWidget() ? f.focusWidget()->objectName() : QString();
}

const QString reportOf2 = QStringLiteral("Correct Answers:2\r\nPercentage :  13.3\r\nIntelligence Level is:  Below Average");
const QString reportOf1 = QStringLiteral("Correct Answers:1\r\nPercentage :  6.66\r\nIntelligence Level is:  Below Average");

} // namespace

class ViewTests : public QObject {
    Q_OBJECT
private slots:
    void everyStateIsDrawnAsTheGameSays_data();
    void everyStateIsDrawnAsTheGameSays();
    void windowIsTitledAndSizedAndExitStopsItsClocks();
    void aWindowMadeAheadShowsTheBoardAWindowMadeAtOnceShows();
};

void ViewTests::everyStateIsDrawnAsTheGameSays_data()
{
    // "s20" twenty seconds of the clocks; "3=@9" box 3 reads slot 9's word ("~" lower case,
    // "_" a space, "@off" a catalog word not on the board); "G" Give Up, "U" Submit, "N" New Game.
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("count");      // the memorise count
    QTest::addColumn<QString>("figures");    // time passed, then time remaining
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<QString>("uncovered");  // the slots uncovered when the result box opens

    QTest::newRow("loaded") << "" << "" << "" << "" << QStringList{} << "";
    QTest::newRow("memorise tick 1") << "s1" << "1" << "" << "" << QStringList{} << "";
    QTest::newRow("memorise tick 19") << "s19" << "19" << "" << "" << QStringList{} << "";
    QTest::newRow("recall begins in box 1") << "s20" << "20" << "" << "box 1" << QStringList{} << "";
    QTest::newRow("recall tick 1") << "s21" << "20" << "0:1 1:59" << "box 1" << QStringList{} << "";
    QTest::newRow("recall tick 60") << "s80" << "20" << "1:0 1:0" << "" << QStringList{} << "";
    QTest::newRow("recall tick 61") << "s81" << "20" << "1:1 0:59" << "" << QStringList{} << "";
    QTest::newRow("time up scores once") << "s140 s300" << "20" << "2:0 0:0" << ""
                                         << QStringList{"Correct Answers:0"} << "";
    QTest::newRow("no Give Up or Submit while memorising") << "s5 G U" << "5" << "" << "" << QStringList{} << "";
    QTest::newRow("New Game while memorising") << "s7 N s1" << "1" << "" << "" << QStringList{} << "";
    QTest::newRow("New Game in recall") << "s45 1=@1 N" << "" << "" << "" << QStringList{} << "";
    QTest::newRow("New Game when finished") << "s30 U N" << "" << "" << "" << QStringList{"Correct Answers:0"} << "";
    QTest::newRow("New Game after the clock") << "s140 N s20" << "20" << "" << "box 1"
                                              << QStringList{"Correct Answers:0"} << "";
    QTest::newRow("marks and tints") << "s20 2=@5 6=@5 7=@off 8=__@9_ U" << "20" << "" << ""
                                     << QStringList{reportOf2} << "5 9";
    QTest::newRow("slots named out of order") << "s20 1=@9 4=@2 U" << "20" << "" << ""
                                              << QStringList{reportOf2} << "2 9";
    QTest::newRow("case counts") << "s20 1=@7 2=@7~ 3=@11 5=@off U" << "20" << "" << ""
                                 << QStringList{reportOf2} << "7 11";
    QTest::newRow("the clock scores as Submit does") << "s20 1=@7 2=@7~ 3=@11 5=@off s120" << "20" << "2:0 0:0" << ""
                                                     << QStringList{reportOf2} << "7 11";
    QTest::newRow("Submit twice") << "s20 1=@1 2=@1 3=@1 U U" << "20" << "" << ""
                                  << QStringList{reportOf1, reportOf1} << "1";
    QTest::newRow("Give Up uncovers and goes on") << "s20 1=@off G s3" << "20" << "0:3 1:57" << "box 1"
                                                  << QStringList{} << "";
    QTest::newRow("Give Up, then the clock") << "s20 1=@4 G s120" << "20" << "2:0 0:0" << ""
                                             << QStringList{reportOf1} << "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15";
}

void ViewTests::everyStateIsDrawnAsTheGameSays()
{
    QFETCH(QString, script);
    GameFixture g;
    frmmain &f = g.f();
    f.show();
    QString uncovered;
    bool clockStoppedForEveryBox = true;
    g.catcher.onBox = [&] {
        clockStoppedForEveryBox = clockStoppedForEveryBox && !f.Timer2->Enabled();
        QStringList shown;
        for (int s = 1; s <= 15; ++s)
            if (f.lblPictureName(s).Caption() != QStringLiteral("Think"))
                shown << QString::number(s);
        uncovered = shown.join(QLatin1Char(' '));
    };
    const QColor white = seenInside(f, 1);
    for (const QString &step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step.contains(QLatin1Char('='))) {
            QString text = step.section(QLatin1Char('='), 1).replace(QStringLiteral("@off"), offBoardWord(f.game()));
            const QRegularExpressionMatch slot = QRegularExpression(QStringLiteral("@(\\d+)")).match(text);
            if (slot.hasMatch())
                text.replace(slot.capturedStart(), slot.capturedLength(), f.game().chosenword(slot.captured(1).toInt()));
            if (text.endsWith(QLatin1Char('~')))
                text = text.chopped(1).toLower();
            g.answer(step.section(QLatin1Char('='), 0, 0).toInt(), text.replace(QLatin1Char('_'), QLatin1Char(' ')));
        } else if (step.startsWith(QLatin1Char('s'))) {
            g.seconds(step.mid(1).toInt());
        } else {
            const QHash<QString, std::function<void()>> press{
                {"G", [&] { f.cmdgiveup->click(); }},
                {"U", [&] { f.cmdsubmit->click(); }},
                {"N", [&] { f.findChild<QAction *>(QStringLiteral("newgame"))->trigger(); }}};
            press.value(step)();
        }
    }

    // What the player sees, literally.
    QTEST(f.lblTimesecondstart->Caption(), "count");
    const QString figures = f.lblTimeminuteResult->Caption() + ':' + f.lblTimesecondResult->Caption() + ' '
        + f.lblTimeminute->Caption() + ':' + f.lblTimesecond->Caption();
    QTEST(figures == QStringLiteral(": :") ? QString() : figures, "figures");
    QFETCH(QString, focus);
    if (!focus.isEmpty())
        QCOMPARE(focusName(f), focus);
    QTEST(g.catcher.prompts, "prompts");
    QVERIFY(g.catcher.titles.filter(QStringLiteral("Tavlin Quorvane")).size() == g.catcher.titles.size());
    QTEST(uncovered, "uncovered");
    QVERIFY(clockStoppedForEveryBox);

    // What the player sees, as the game says it.
    const rules::Game &game = f.game();
    const Phase phase = game.phase();
    QCOMPARE(f.game().gamerunning(), true);
    QCOMPARE(boardControls(f), 60);
    QCOMPARE(f.Timer1->Enabled(), game.memoriseClockRuns());
    QCOMPARE(f.Timer2->Enabled(), game.recallClockRuns());
    QCOMPARE(f.Frame1->isVisible(), phase != Phase::Memorise);
    QCOMPARE(f.Frame2->isVisible(), phase != Phase::Memorise);
    QVERIFY(f.Frame3->isVisible() && f.Shape1->isVisible());
    QVERIFY(f.lblsecondstart->isVisible() && f.lblTimesecondstart->isVisible());
    QVERIFY(f.cmdsubmit->isVisible() && f.cmdgiveup->isVisible());
    QCOMPARE(f.cmdsubmit->isEnabled(), phase != Phase::Memorise);
    QCOMPARE(f.cmdgiveup->isEnabled(), phase != Phase::Memorise);
    const QColor pink = tk::toQColor(game::wrongAnswerTint);
    for (int n = 1; n <= 15; ++n) {
        QVERIFY(f.txtanswer(n).isVisible());
        QCOMPARE(f.txtanswer(n).isEnabled(), phase == Phase::Recall);
        QCOMPARE(f.txtanswer(n).Text(), game.answer(n));
        QCOMPARE(seenInside(f, n), phase == Phase::Finished && game.scoring().wrong[n] ? pink : white);
        const bool covered = game.shows(n) == rules::Shows::Placeholder;
        QCOMPARE(f.lblPictureName(n).Caption(), covered ? QStringLiteral("Think") : game.chosenword(n));
        QVERIFY(f.pic(n).picture().image() == imgList().Picture(covered ? 1 : game.chosenindex(n)).image());
        const float most = game.shows(n) == rules::Shows::Uncovered ? 1305 : 1410;
        QVERIFY(covered || (f.pic(n).Width() <= most && f.pic(n).Height() <= most));
    }
    QVERIFY(g.catcher.errors.empty());
}

void ViewTests::windowIsTitledAndSizedAndExitStopsItsClocks()
{
    GameFixture g;
    frmmain &f = g.f();
    QCOMPARE(f.windowTitle(), QStringLiteral("Tavlin Quorvane - Game created by www.tavlinworks.example "));
    QCOMPARE(f.centralWidget()->size(), QSize(792, 481));
    const int before = tk::Form::loadedCount();
    f.findChild<QAction *>(QStringLiteral("exit1"))->trigger();
    QVERIFY(!f.isLoaded());
    QCOMPARE(tk::Form::loadedCount(), before - 1);
    QVERIFY(!f.Timer1->Enabled() && !f.Timer2->Enabled());
}

void ViewTests::aWindowMadeAheadShowsTheBoardAWindowMadeAtOnceShows()
{
    // Made while the intro shows, or all at Start: the same
    // board, read from the screen (pictures at their own size and shrunk,
    // names over their pictures' edge, the boxes).
    ManualClock clock;
    ErrorCatcher catcher;
    QImage seen[2];
    for (const bool ahead : {false, true}) {
        ScriptedDraw draw;
        draw.deal({2, 5, 19, 30, 41, 52, 63, 74, 85, 96, 3, 14, 25, 36, 47});
        std::unique_ptr<frmmain> f = std::make_unique<frmmain>(draw);
        if (ahead)
            f->prepare();
        QVERIFY(!f->isLoaded() && !f->isVisible());
        f->Show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        QTRY_VERIFY(f->hasPainted());
        seen[ahead] = f->screen()->grabWindow(f->winId()).toImage();
    }
    QVERIFY(!seen[0].isNull());
    QCOMPARE(seen[1], seen[0]);
    QVERIFY(catcher.errors.empty());
}

QTEST_MAIN(ViewTests)
#include "view_tests.moc"
