// Hostile input and failing control operations: the player's answers are kept
// exactly as entered whatever they hold, and a control operation that fails
// ends only the running handler, is reported once, and the game goes on.
#include "GameFixture.h"
#include "PlayerInput.h"
#include "catalog/ImageList.h"
#include "game/Colours.h"
#include "rules/Report.h"
#include "rules/Scoring.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using game::frmmain;
namespace cf = game::Commonfunction;

namespace {

const tk::OleColor tint = game::wrongAnswerTint;

rules::Fifteen<QString> boxTexts(frmmain &f)
{
    rules::Fifteen<QString> texts;
    for (int b = 1; b <= 15; ++b)
        texts[b] = f.txtanswer(b).text();
    return texts;
}

// Errors go to the program's own reporter (stderr and a message box); the
// boxes it shows are caught with the result boxes.
struct ReportedGame : GameFixture {
    ReportedGame() { tk::setErrorSink(nullptr); }
    QStringList errorBoxes() const { return catcher.prompts.filter(QStringLiteral("Run-time error")); }
    QStringList resultBoxes() const
    {
        QStringList results;
        for (const QString &p : catcher.prompts)
            if (p.startsWith(QStringLiteral("Correct Answers:")))
                results << p;
        return results;
    }
};

// Plays the current board to its result with `correct` right answers.
void playToTheResult(GameFixture &g, int correct)
{
    frmmain &f = g.f();
    for (int b = 1; b <= correct; ++b)
        g.answer(b, g.word(b));
    QTest::mouseClick(f.cmdsubmit, Qt::LeftButton);
    QCOMPARE(f.game().score(), correct);
}

} // namespace

class FaultTests : public QObject {
    Q_OBJECT
private slots:
    // Hostile input.
    void aMegabytePasteIsKeptWholeAndARepeatIsMarkedWhole();
    void hostilePastesAreKeptExactlyAndScoredByTheRules_data();
    void hostilePastesAreKeptExactlyAndScoredByTheRules();
    void ctrlVPastesLowerCaseTextUnchanged();
    void typedKeysAfterHostileTextOnlyAppendTheirCapital();

    // Failing control operations.
    void enterTowardsABoxThatCannotTakeTheFocusEndsOnlyThatKeyPress_data();
    void enterTowardsABoxThatCannotTakeTheFocusEndsOnlyThatKeyPress();
    void recallStartingWithBoxOneUnfocusableRunsOnAndStillScores();
    void aMissingPictureBoxEndsGiveUpThereAndScoringStillWorks();
    void aBoxWithoutAPictureCannotBeFittedAndSaysSo();
};

// --- hostile input ----------------------------------------------------------

void FaultTests::aMegabytePasteIsKeptWholeAndARepeatIsMarkedWhole()
{
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    const QString &big = player::oneMegabyte();
    g.answer(2, big);
    f.txtanswer(7).setFocus();
    f.txtanswer(7).insert(big);
    QCOMPARE(f.txtanswer(2).text().size(), big.size());
    QCOMPARE(f.txtanswer(7).text(), big);

    f.cmdsubmit->click();
    QCOMPARE(f.txtanswer(2).text(), big);                          // the first stays as it was
    QCOMPARE(f.txtanswer(7).text(), big + rules::duplicateMark);  // the repeat carries the whole mark
    QVERIFY(f.txtanswer(2).BackColor() == tint && f.txtanswer(7).BackColor() == tint);
    QCOMPARE(g.catcher.prompts, QStringList{rules::resultPrompt(0)});
    QVERIFY(g.catcher.errors.empty());
}

void FaultTests::hostilePastesAreKeptExactlyAndScoredByTheRules_data()
{
    // Boxes 1, 3 and 9 hold the text, 4 and 5 the text joined to the word of
    // slot 5, 2 and 10 a right word. A text that trims away leaves box 4 right
    // (box 5 its repeat, and box 9 repeats box 1 and then, once marked, box 3);
    // any other text names nothing, and repeats in 3 and 9.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("right");
    QTest::addColumn<QList<int>>("marked");
    const QStringList texts = player::hostileTexts();
    for (int i = 0; i < texts.size(); ++i) {
        const QString &t = texts.at(i);
        const bool spaces = t.count(QLatin1Char(' ')) == t.size();
        const QList<int> right = spaces ? QList<int>{2, 4, 10} : QList<int>{2, 10};
        const QList<int> marked = t.isEmpty() ? QList<int>{5} : right.size() == 3 ? QList<int>{3, 5, 9, 9} : QList<int>{3, 9};
        QTest::addRow("hostile text %d", i) << t << right << marked;
    }
}

void FaultTests::hostilePastesAreKeptExactlyAndScoredByTheRules()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, right);
    QFETCH(QList<int>, marked);
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    // The text alone, after a right answer, before one, and twice.
    g.answer(1, text);
    g.answer(2, g.word(3));
    f.txtanswer(3).insert(text);
    g.answer(4, text + g.word(5));
    g.answer(5, g.word(5) + text);
    g.answer(9, text);
    g.answer(10, g.word(10));
    const rules::Fifteen<QString> entered = boxTexts(f);
    QCOMPARE(entered[1], text);
    QCOMPARE(entered[3], text);

    // Repeats are marked, every box that names no word is tinted.
    f.cmdsubmit->click();
    QVERIFY(g.catcher.errors.empty());
    for (int b = 1; b <= 15; ++b) {
        QCOMPARE(f.txtanswer(b).text(), entered[b] + rules::duplicateMark.repeated(int(marked.count(b))));
        QCOMPARE(f.txtanswer(b).BackColor() == tint, !right.contains(b));
    }
    QCOMPARE(f.game().score(), int(right.size()));
    QCOMPARE(g.catcher.prompts, QStringList{rules::resultPrompt(f.game().score())});
}

void FaultTests::ctrlVPastesLowerCaseTextUnchanged()
{
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    const QString pasted = g.word(4).toLower() + QString::fromUtf16(u"\u0000\n\U0001F600");
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(&f.txtanswer(1), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.txtanswer(1).text(), pasted);
    QVERIFY(g.catcher.errors.empty());
}

void FaultTests::typedKeysAfterHostileTextOnlyAppendTheirCapital()
{
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    for (const QString &text : player::hostileTexts()) {
        tk::TextBox &box = f.txtanswer(6);
        box.setText(text);
        QTest::keyClick(&box, 'q');
        QTest::keyClick(&box, '7');
        QTest::keyClick(&box, ' ');
        QCOMPARE(box.text(), text + QStringLiteral("Q7 "));
        QTest::keyClick(&box, Qt::Key_Backspace);
        QCOMPARE(box.text(), text + QStringLiteral("Q7"));
    }
    QVERIFY(g.catcher.errors.empty());
}

// --- failing control operations ----------------------------------------------

void FaultTests::enterTowardsABoxThatCannotTakeTheFocusEndsOnlyThatKeyPress_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("box 8 disabled") << 7 << false;
    QTest::newRow("box 8 hidden") << 7 << true;
    QTest::newRow("Submit disabled, from box 15") << 15 << false;
    QTest::newRow("Submit hidden, from box 15") << 15 << true;
}

void FaultTests::enterTowardsABoxThatCannotTakeTheFocusEndsOnlyThatKeyPress()
{
    QFETCH(int, box);
    QFETCH(bool, hidden);
    ReportedGame g;
    frmmain &f = g.f();
    g.toRecall();
    QWidget *target = box == 15 ? static_cast<QWidget *>(f.cmdsubmit.data()) : &f.txtanswer(box + 1);
    if (hidden)
        target->hide();
    else
        target->setEnabled(false);
    f.txtanswer(box).setFocus();
    QTest::keyClicks(&f.txtanswer(box), QStringLiteral("ab"));
    QTest::keyClick(&f.txtanswer(box), Qt::Key_Return);

    QCOMPARE(g.errorBoxes().size(), 1);
    QVERIFY(g.errorBoxes().first().startsWith(QStringLiteral("Run-time error '5':")));
    QCOMPARE(f.focusWidget(), static_cast<QWidget *>(&f.txtanswer(box)));
    QCOMPARE(f.txtanswer(box).text(), QStringLiteral("AB"));  // the answer is untouched

    // The game goes on: typing, the clock, scoring, and the next game.
    QTest::keyClick(&f.txtanswer(box), 'c');
    QCOMPARE(f.txtanswer(box).text(), QStringLiteral("ABC"));
    target->show();
    target->setEnabled(true);
    g.seconds(5);
    QCOMPARE(f.lblTimesecondResult->Caption(), QStringLiteral("5"));
    playToTheResult(g, 3);
    QCOMPARE(g.resultBoxes().size(), 1);
    f.findChild<QAction *>(QStringLiteral("newgame"))->trigger();
    QCOMPARE(boardControls(f), 60);
    g.toRecall();
    playToTheResult(g, 15);
    QCOMPARE(g.errorBoxes().size(), 1);
}

void FaultTests::recallStartingWithBoxOneUnfocusableRunsOnAndStillScores()
{
    ReportedGame g;
    frmmain &f = g.f();
    g.seconds(19);
    f.txtanswer(1).hide();
    g.seconds(1);

    // The start of recall ended at the focus: what it did before stays, the cover never came.
    QCOMPARE(g.errorBoxes().size(), 1);
    QVERIFY(!f.Timer1->Enabled());
    QVERIFY(f.Timer2->Enabled());
    QVERIFY(f.txtanswer(2).Enabled() && f.cmdsubmit->Enabled() && f.cmdgiveup->Enabled());
    QVERIFY(f.Frame1->Visible() && f.Frame2->Visible());
    QCOMPARE(f.lblPictureName(1).Caption(), g.word(1));

    // The clock runs on and scores at two minutes; the next game is whole.
    f.txtanswer(1).show();
    g.answer(2, g.word(2));
    g.seconds(120);
    QVERIFY(!f.Timer2->Enabled());
    QCOMPARE(g.resultBoxes(), QStringList{rules::resultPrompt(1)});
    f.findChild<QAction *>(QStringLiteral("newgame"))->trigger();
    g.toRecall();
    QCOMPARE(f.lblPictureName(1).Caption(), QStringLiteral("Think"));
    QCOMPARE(f.focusWidget(), static_cast<QWidget *>(&f.txtanswer(1)));
    QCOMPARE(g.errorBoxes().size(), 1);
}

void FaultTests::aMissingPictureBoxEndsGiveUpThereAndScoringStillWorks()
{
    ReportedGame g;
    frmmain &f = g.f();
    g.toRecall();
    delete &f.pic(9);
    f.cmdgiveup->click();
    QCOMPARE(g.errorBoxes().size(), 1);
    QVERIFY(g.errorBoxes().first().startsWith(QStringLiteral("Run-time error '340':")));
    QCOMPARE(f.lblPictureName(8).Caption(), g.word(8));
    QCOMPARE(f.lblPictureName(9).Caption(), QStringLiteral("Think"));

    // Answers that do not reveal slot 9 are scored and reported as usual.
    g.answer(1, g.word(1));
    g.answer(2, g.word(15));
    g.answer(3, g.word(9).toLower());
    QTest::mouseClick(f.cmdsubmit, Qt::LeftButton);
    QCOMPARE(g.resultBoxes(), QStringList{rules::resultPrompt(2)});
    QVERIFY(!f.Timer2->Enabled());
    QCOMPARE(g.errorBoxes().size(), 1);
}

void FaultTests::aBoxWithoutAPictureCannotBeFittedAndSaysSo()
{
    ReportedGame g;
    frmmain &f = g.f();
    tk::PictureBox &box = f.pic(3);
    box.setPicture(tk::Picture());
    box.setWidth(3000);
    box.setHeight(2000);
    tk::runHandler([&] { cf::fitpicture(1300, 1300, box); });
    QCOMPARE(g.errorBoxes().size(), 1);
    QVERIFY(g.errorBoxes().first().startsWith(QStringLiteral("Run-time error '481':")));
    const QImage seen = f.centralWidget()->grab(box.geometry()).toImage();  // nothing painted: the window
    QCOMPARE(seen.pixelColor(seen.width() / 2, seen.height() / 2), QColor(Qt::white));

    // The game itself is untouched: recall, scoring.
    g.toRecall();
    playToTheResult(g, 5);
    QCOMPARE(g.errorBoxes().size(), 1);
}

QTEST_MAIN(FaultTests)
#include "fault_tests.moc"
