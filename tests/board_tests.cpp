// The board of a game: where the 15 slots stand, how they are covered for
// recall, and how typed keys reach the answer boxes.
#include "GameFixture.h"
#include "ScriptedDraw.h"
#include "catalog/ImageList.h"
#include "designs/FrmmainDesign.h"

#include <QPainter>
#include <QTest>

using game::frmmain;

namespace {
// The largest difference of any colour channel between two images of one
// size, outside the rectangle `covered`.
int worstChannelDifference(const QImage &a, const QImage &b, QRect covered = {})
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    int worst = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            if (covered.contains(col, row))
                continue;
            const QRgb p = x.pixel(col, row), q = y.pixel(col, row);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return worst;
}

// What the player sees of a picture box: the window's pixels where the box stands.
QImage seenOnWindow(frmmain &f, tk::PictureBox &box)
{
    return f.centralWidget()->grab(box.geometry()).toImage();
}

// The catalog picture `index` smoothly scaled to `size` pixels, on the window's white.
QImage fittedOnWhite(int index, QSize size)
{
    const QImage whole = catalog::ImageList::instance().Picture(index).image();
    QImage expected(size, QImage::Format_RGB32);
    expected.fill(Qt::white);
    QPainter painter(&expected);
    painter.drawImage(0, 0, whole.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return expected;
}
} // namespace

class BoardTests : public QObject {
    Q_OBJECT
private slots:
    void everyControlStandsWhereTheLayoutPutsIt();
    void everyNameStandsRightAboveItsPictureWhateverTheFittedHeights();
    void chosenWordsEqualTheNameCaptions();
    void coverShowsThePlaceholderAndKeepsSizesPositionsAndWords();
    void typedLowerCaseLettersArriveAsCapitals();
    void enterWalksTheBoxesAndFromTheLastToSubmit();
    void enterInLastBoxDuringMemoriseReportsTheFocusErrorAndGoesOn();
    void everyCatalogPictureShowsOnlyItsFittedSelfOnTheBoardAndRevealed();
    void designedTabOrderPutsTheTemplatesFirstThenSubmitAndGiveUp();
    void tabWalksTheBoxesThenSubmitThenGiveUpAndRoundAgain();
    void aWholeRecallByKeyboardScoresWithEnterOnSubmit();
};

void BoardTests::everyControlStandsWhereTheLayoutPutsIt()
{
    // The board as the player sees it right after it is built, in twips as
    // the layout gives them (three rows of five, the answer column beside,
    // the buttons beneath it), on the screen at 15 twips to the pixel: all
    // shown, the boxes and buttons disabled, the boxes in slot tab order.
    const int columns[] = {120, 1630, 3140, 4650, 6160};
    const int pictureRows[] = {1000, 3085, 5170};
    const int nameRows[] = {640, 2725, 4810};
    const int answerRows[] = {650, 1035, 1420, 1805, 2190, 2575, 2960, 3345, 3730, 4115, 4500, 4885, 5270, 5655, 6040};
    const auto at = [](int left, int top, int width, int height) {
        return QRect(qRound(left / 15.0), qRound(top / 15.0), qRound(width / 15.0), qRound(height / 15.0));
    };
    GameFixture g;
    frmmain &f = g.f();
    for (int s = 1; s <= 15; ++s) {
        const int c = (s - 1) % 5, r = (s - 1) / 5;
        QCOMPARE(f.pic(s).pos(), at(columns[c], pictureRows[r], 0, 0).topLeft());
        QVERIFY(f.pic(s).Width() <= 1410 && f.pic(s).Height() <= 1410);
        QCOMPARE(f.lblPictureName(s).geometry(), at(columns[c], nameRows[r], 1410, 375));
        QCOMPARE(f.txtanswer(s).geometry(), at(8200, answerRows[s - 1], 3000, 375));
        QCOMPARE(f.lblforindex(s).geometry(), at(7800, answerRows[s - 1], 375, 375));
        QCOMPARE(f.lblPictureName(s).BackColor(), tk::OleColor(12640511));
        QCOMPARE(f.lblforindex(s).BackColor(), tk::OleColor(16777215));
        QCOMPARE(f.lblforindex(s).Caption(), QString::number(s) + QStringLiteral(")"));
        QCOMPARE(f.pic(s).accessibleName(), QStringLiteral("Picture %1").arg(s));  // never the covered word
        for (const QWidget *w : {static_cast<QWidget *>(&f.pic(s)), static_cast<QWidget *>(&f.lblPictureName(s)),
                                 static_cast<QWidget *>(&f.txtanswer(s)), static_cast<QWidget *>(&f.lblforindex(s))})
            QVERIFY(!w->isHidden());
        QVERIFY(!f.txtanswer(s).Enabled());
        QCOMPARE(f.txtanswer(s).TabIndex(), s);
    }
    QVERIFY(f.pic(0).isHidden() && f.txtanswer(0).isHidden());
    QVERIFY(!f.cmdsubmit->Enabled() && !f.cmdgiveup->Enabled() && !f.cmdgiveup->isHidden());
    QCOMPARE(f.cmdsubmit->geometry(), at(7950, 6700, 1455, 375));
    QCOMPARE(f.cmdgiveup->geometry(), at(9550, 6700, 1455, 375));
    QCOMPARE(f.cmdsubmit->Caption() + f.cmdgiveup->Caption(), QStringLiteral("SubmitGive Up"));
    QCOMPARE(f.Shape1->geometry(), at(7700, 550, 3600, 6000));
    // The clock frames have no caption: screen readers hear them by these names.
    QCOMPARE(QStringList({f.Frame3->accessibleName(), f.Frame1->accessibleName(), f.Frame2->accessibleName()}),
             QStringList({QStringLiteral("Seconds shown"), QStringLiteral("Time Remaining"), QStringLiteral("Time Passed")}));
}

void BoardTests::everyNameStandsRightAboveItsPictureWhateverTheFittedHeights()
{
    // Several boards, so that rows whose last picture is fitted lower than
    // the full height come up.
    const float nameRows[] = {645, 2730, 4815};  // 640, 2725 and 4810 in whole pixels
    GameFixture g;
    frmmain &f = g.f();
    for (int game = 0; game < 8; ++game) {
        for (int s = 1; s <= 15; ++s) {
            QCOMPARE(f.lblPictureName(s).Top(), nameRows[(s - 1) / 5]);
            QCOMPARE(f.lblPictureName(s).Top() + f.lblPictureName(s).Height(), f.pic(s).Top() + 15);
        }
        f.newgame_Click();
    }
}

void BoardTests::chosenWordsEqualTheNameCaptions()
{
    GameFixture g;
    QSet<int> seen;
    for (int s = 1; s <= 15; ++s) {
        const int index = g.f().game().chosenindex(s);
        QVERIFY(index >= 2 && index <= 101);
        seen.insert(index);
        QCOMPARE(g.word(s), g.f().lblPictureName(s).Caption());
        QCOMPARE(g.word(s), catalog::ImageList::instance().Key(index));
        QVERIFY(g.f().pic(s).picture().image() == catalog::ImageList::instance().Picture(index).image());
    }
    QCOMPARE(seen.size(), 15);
}

void BoardTests::coverShowsThePlaceholderAndKeepsSizesPositionsAndWords()
{
    GameFixture g;
    frmmain &f = g.f();
    QList<QRect> before;
    QStringList words;
    for (int s = 1; s <= 15; ++s) {
        before << f.lblPictureName(s).geometry();
        words << g.word(s);
    }
    g.toRecall();
    const tk::Picture think = catalog::ImageList::instance().Picture(1);
    for (int s = 1; s <= 15; ++s) {
        QVERIFY(f.pic(s).picture().image() == think.image());
        QCOMPARE(f.pic(s).size(), think.size());  // the box takes the placeholder's size
        // Nothing of the fitted picture stays painted over the placeholder.
        const QImage seen = seenOnWindow(f, f.pic(s));
        const QRect name = f.lblPictureName(s).geometry().translated(-f.pic(s).pos());
        QVERIFY(worstChannelDifference(seen, fittedOnWhite(1, seen.size()), name) <= 2);
        QCOMPARE(f.lblPictureName(s).Caption(), QStringLiteral("Think"));
        QCOMPARE(f.lblPictureName(s).geometry(), before[s - 1]);
        QCOMPARE(g.word(s), words[s - 1]);
    }
}

void BoardTests::typedLowerCaseLettersArriveAsCapitals()
{
    GameFixture g;
    frmmain &f = g.f();
    g.toRecall();
    QTest::keyClicks(&f.txtanswer(1), QStringLiteral("watch"));
    QCOMPARE(f.txtanswer(1).Text(), QStringLiteral("WATCH"));
    QTest::keyClicks(&f.txtanswer(2), QStringLiteral("Ice 2-go!"));
    QCOMPARE(f.txtanswer(2).Text(), QStringLiteral("ICE 2-GO!"));
    QTest::keyClick(&f.txtanswer(2), Qt::Key_Backspace);
    QCOMPARE(f.txtanswer(2).Text(), QStringLiteral("ICE 2-GO"));
}

void BoardTests::enterWalksTheBoxesAndFromTheLastToSubmit()
{
    GameFixture g;
    frmmain &f = g.f();
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    g.toRecall();
    f.txtanswer(7).SetFocus();
    QTest::keyClick(&f.txtanswer(7), Qt::Key_Return);
    QCOMPARE(f.focusWidget(), static_cast<QWidget *>(&f.txtanswer(8)));
    f.txtanswer(15).SetFocus();
    QTest::keyClick(&f.txtanswer(15), Qt::Key_Enter);
    QCOMPARE(f.focusWidget(), static_cast<QWidget *>(f.cmdsubmit.data()));
    QVERIFY(g.catcher.prompts.isEmpty());  // Enter itself submits nothing
    QVERIFY(g.catcher.errors.empty());
}

void BoardTests::enterInLastBoxDuringMemoriseReportsTheFocusErrorAndGoesOn()
{
    // Submit cannot take the focus while it is disabled: the error is
    // reported once, and the game runs on.
    GameFixture g;
    frmmain &f = g.f();
    f.txtanswer(15).setEnabled(true);
    QTest::keyClick(&f.txtanswer(15), Qt::Key_Return);
    QCOMPARE(g.catcher.errors, std::vector<int>{tk::InvalidCall});
    g.toRecall();
    QVERIFY(f.Timer2->Enabled());
}

void BoardTests::everyCatalogPictureShowsOnlyItsFittedSelfOnTheBoardAndRevealed()
{
    // Boards that between them hold every game picture; nothing of a box's
    // own, unscaled picture may show through a fitted picture's clear parts.
    GameFixture g;
    frmmain &f = g.f();
    ScriptedDraw &draw = g.draw;
    const auto check = [&](int s, const char *when) {
        const int index = g.f().game().chosenindex(s);
        const QImage seen = seenOnWindow(f, f.pic(s));
        // The name label stands over the picture's top pixel row.
        const QRect name = f.lblPictureName(s).geometry().translated(-f.pic(s).pos());
        const int worst = worstChannelDifference(seen, fittedOnWhite(index, seen.size()), name);
        QVERIFY2(worst <= 2, qPrintable(QStringLiteral("%1 %2 (%3): off by %4")
                                            .arg(when).arg(index).arg(g.word(s)).arg(worst)));
    };
    for (int first = 2; first <= 101; first += 15) {
        for (int n = 0; n < 15; ++n)
            draw.deal({first + n <= 101 ? first + n : first + n - 100});
        f.newgame_Click();
        for (int s = 1; s <= 15; ++s)
            check(s, "on the board");
        g.toRecall();
        f.cmdgiveup_Click();
        for (int s = 1; s <= 15; ++s)
            check(s, "revealed");
    }
    // The placeholder, fitted as a board picture would be.
    f.pic(1).setPicture(catalog::ImageList::instance().Picture(1));
    game::Commonfunction::fitpicture(1410, 1410, f.pic(1));
    const QImage seen = seenOnWindow(f, f.pic(1));
    const QRect name = f.lblPictureName(1).geometry().translated(-f.pic(1).pos());
    QVERIFY(worstChannelDifference(seen, fittedOnWhite(1, seen.size()), name) <= 2);
    QVERIFY(g.catcher.errors.empty());
}

void BoardTests::designedTabOrderPutsTheTemplatesFirstThenSubmitAndGiveUp()
{
    // The window as designed, before any game code runs.
    tk::Form form(designs::frmmainDesign());
    form.load();
    const QStringList designed{
        QStringLiteral("txtanswer"), QStringLiteral("pic"), QStringLiteral("lblPictureName"),
        QStringLiteral("lblforindex"), QStringLiteral("cmdsubmit"), QStringLiteral("cmdgiveup"),
        QStringLiteral("Frame1"), QStringLiteral("lblsecond"), QStringLiteral("lblminute"),
        QStringLiteral("lblremain"), QStringLiteral("lblTimesecond"), QStringLiteral("lblTimeminute"),
        QStringLiteral("Frame2"), QStringLiteral("lblsecondResult"), QStringLiteral("lblTimesecondResult"),
        QStringLiteral("lblminuteResult"), QStringLiteral("lblTimeminuteResult"), QStringLiteral("lbltimepassed"),
        QStringLiteral("Frame3"), QStringLiteral("lblTimesecondstart"), QStringLiteral("lblsecondstart")};
    for (int index = 0; index < designed.size(); ++index) {
        const QWidget *control = form.centralWidget()->findChild<QWidget *>(designed[index]);
        QVERIFY2(control, qPrintable(designed[index]));
        QCOMPARE(tk::TabOrder::indexOf(control), index);
    }
}

namespace {
// Shows the window and gives it the keyboard, as a player's click would.
void activate(frmmain &f)
{
    f.show();
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
}

QWidget *focused()
{
    return QApplication::focusWidget();
}
} // namespace

void BoardTests::tabWalksTheBoxesThenSubmitThenGiveUpAndRoundAgain()
{
    GameFixture g;
    frmmain &f = g.f();
    activate(f);
    for (int game = 0; game < 2; ++game) {  // the order holds on a board built again
        g.toRecall();
        QCOMPARE(focused(), static_cast<QWidget *>(&f.txtanswer(1)));
        for (int box = 2; box <= 15; ++box) {
            QTest::keyClick(focused(), Qt::Key_Tab);
            QCOMPARE(focused(), static_cast<QWidget *>(&f.txtanswer(box)));
        }
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused(), static_cast<QWidget *>(f.cmdsubmit.data()));
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused(), static_cast<QWidget *>(f.cmdgiveup.data()));
        QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused(), static_cast<QWidget *>(&f.txtanswer(1)));
        QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), static_cast<QWidget *>(f.cmdgiveup.data()));
        QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), static_cast<QWidget *>(f.cmdsubmit.data()));
        QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), static_cast<QWidget *>(&f.txtanswer(15)));
        f.newgame_Click();
    }
    QVERIFY(g.catcher.prompts.isEmpty());
}

void BoardTests::aWholeRecallByKeyboardScoresWithEnterOnSubmit()
{
    // Type, Enter, type, Enter ... and one more Enter on Submit scores.
    GameFixture g;
    frmmain &f = g.f();
    activate(f);
    g.toRecall();
    for (int box = 1; box <= 15; ++box) {
        if (box % 2 == 1)
            QTest::keyClicks(focused(), g.word(box).toLower());
        QTest::keyClick(focused(), Qt::Key_Return);
    }
    QCOMPARE(focused(), static_cast<QWidget *>(f.cmdsubmit.data()));
    QVERIFY(g.catcher.prompts.isEmpty());
    QTest::keyClick(focused(), Qt::Key_Return);
    QCOMPARE(g.catcher.prompts.size(), 1);
    QVERIFY2(g.catcher.prompts.first().startsWith(QStringLiteral("Correct Answers:8\r\n")),
             qPrintable(g.catcher.prompts.first()));
    QVERIFY(!f.Timer2->Enabled());
    QVERIFY(g.catcher.errors.empty());
}

QTEST_MAIN(BoardTests)
#include "board_tests.moc"
