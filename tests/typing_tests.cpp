// Answers typed through an input method: committed letters pass the same rule
// as keys, and a word still being composed stays in the box it was typed in.
#include "GameFixture.h"

#include <QClipboard>
#include <QTest>

namespace {
void sendInputMethod(QObject *to, const QString &preedit, const QString &commit)
{
    QInputMethodEvent event(preedit, {});
    event.setCommitString(commit);
    QCoreApplication::sendEvent(to, &event);
}

// Commits `word` to the box the focus is about to leave, as ibus does when Qt moves the focus.
struct CommitOnFocusMove : QObject {
    QString word;
    bool eventFilter(QObject *box, QEvent *event) override
    {
        if (event->type() == QEvent::FocusAboutToChange) {
            box->removeEventFilter(this);
            sendInputMethod(box, QString(), word);
        }
        return false;
    }
};
} // namespace

class TypingTests : public QObject {
    Q_OBJECT
private slots:
    void inputMethodTextFollowsTheKeyRuleAndStaysInItsBox_data();
    void inputMethodTextFollowsTheKeyRuleAndStaysInItsBox();
    void aWordStillBeingComposedWhenTheTimeIsUpIsScored();
};

void TypingTests::inputMethodTextFollowsTheKeyRuleAndStaysInItsBox_data()
{
    // Steps, to the focused box: "p:" the input method shows a word being
    // composed, "c:" it commits text, "m:" it commits text as the focus moves
    // off, "k:" a key, "v:" a paste with Ctrl+V, "f" the game finishes the
    // composition before it reads the boxes.
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("boxes");  // "box=text" of every box that holds text
    QTest::addColumn<QString>("focus");
    QTest::newRow("committed word") << 1 << "c:watch" << "1=WATCH" << "Answer 1";
    QTest::newRow("composed, then committed") << 1 << "p:w p:wat c:wat p:c p:ch c:ch" << "1=WATCH" << "Answer 1";
    QTest::newRow("only a to z change") << 1 << "c:é2-go!\U0001F600" << "1=é2-GO!\U0001F600" << "Answer 1";
    QTest::newRow("Enter while composing") << 1 << "c:wat p:ch k:Return" << "1=WATCH" << "Answer 2";
    QTest::newRow("Enter, then the input method's copy") << 1 << "c:wat p:ch k:Return c:ch" << "1=WATCH" << "Answer 2";
    QTest::newRow("Enter in the last box") << 15 << "p:eye k:Return c:eye" << "15=EYE" << "Submit";
    QTest::newRow("commit as Tab moves on, then its copy") << 1 << "p:watc m:watch k:Tab c:watch" << "1=WATCH" << "Answer 2";
    QTest::newRow("a new word after a finished one") << 1 << "p:car k:Return p:c p:ca c:car" << "1=CAR 2=CAR" << "Answer 2";
    QTest::newRow("a committed word, Enter, the same word anew") << 1 << "p:car c:car k:Return c:car" << "1=CAR 2=CAR" << "Answer 2";
    QTest::newRow("a key after a finished one") << 1 << "p:car k:Return k:X c:car" << "1=CAR 2=XCAR" << "Answer 2";
    QTest::newRow("finished before scoring") << 1 << "c:wa p:tc f" << "1=WATC" << "Answer 1";
    QTest::newRow("finished before scoring, then its copy") << 1 << "c:wa p:tc f c:tc" << "1=WATC" << "Answer 1";
    QTest::newRow("pasted") << 1 << "v:watch" << "1=watch" << "Answer 1";
}

void TypingTests::inputMethodTextFollowsTheKeyRuleAndStaysInItsBox()
{
    QFETCH(int, start);
    QFETCH(QString, steps);
    QFETCH(QString, boxes);
    QFETCH(QString, focus);
    GameFixture g;
    game::frmmain &f = g.f();
    f.show();
    f.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    g.toRecall();
    f.txtanswer(start).SetFocus();
    CommitOnFocusMove onMove;
    for (const QString &step : steps.split(u' ')) {
        QWidget *box = QApplication::focusWidget();
        const QString text = step.mid(2);
        if (step.startsWith(u"p:")) {
            sendInputMethod(box, text, QString());
        } else if (step.startsWith(u"c:")) {
            sendInputMethod(box, QString(), text);
        } else if (step.startsWith(u"m:")) {
            onMove.word = text;
            box->installEventFilter(&onMove);
        } else if (step.startsWith(u"k:")) {
            QTest::keyClick(box, QKeySequence::fromString(text)[0].key());
        } else if (step.startsWith(u"v:")) {
            QGuiApplication::clipboard()->setText(text);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        } else {
            tk::finishComposition();
        }
    }
    QStringList filled;
    for (int n = 1; n <= 15; ++n) {
        if (!f.txtanswer(n).Text().isEmpty())
            filled << QStringLiteral("%1=%2").arg(n).arg(f.txtanswer(n).Text());
    }
    QCOMPARE(filled.join(u' '), boxes);
    QWidget *now = QApplication::focusWidget();
    QCOMPARE(now == f.cmdsubmit ? QStringLiteral("Submit") : now->accessibleName(), focus);
    QVERIFY(g.catcher.errors.empty());
}

void TypingTests::aWordStillBeingComposedWhenTheTimeIsUpIsScored()
{
    GameFixture g;
    g.f().show();
    g.f().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&g.f()));
    g.toRecall();
    const QString word = g.word(1).toLower();
    sendInputMethod(&g.f().txtanswer(1), QString(), word.chopped(1));
    sendInputMethod(&g.f().txtanswer(1), word.right(1), QString());
    g.seconds(120);
    QCOMPARE(g.catcher.prompts.size(), 1);
    QVERIFY2(g.catcher.prompts.first().startsWith(QStringLiteral("Correct Answers:1\r\n")),
             qPrintable(g.catcher.prompts.first()));
}

QTEST_MAIN(TypingTests)
#include "typing_tests.moc"
