#pragma once
// A main window loaded under a hand-moved clock, with its message boxes and
// runtime errors caught, and ways to move it through a game.
#include "ErrorCatcher.h"
#include "ManualClock.h"
#include "ScriptedDraw.h"
#include "game/Commonfunction.h"
#include "game/frmmain.h"

#include <QPointer>
#include <QRegularExpression>
#include <memory>

struct GameFixture {
    ManualClock clock;
    ErrorCatcher catcher;
    // The main window's draws: deal to it before a New Game to choose a board.
    ScriptedDraw draw;
    QPointer<game::frmmain> form;

    GameFixture()
    {
        form = new game::frmmain(draw);
        form->load();
    }
    ~GameFixture() { delete form.data(); }

    game::frmmain &f() { return *form; }
    // Runs `n` whole seconds of the clocks.
    void seconds(int n) { clock.advance(qint64(n) * 1000); }
    // From a fresh board to the first moment of recall.
    void toRecall() { seconds(20); }
    // The word of slot `s` on the board.
    QString word(int s) { return f().game().chosenword(s); }
    // Puts `text` into answer box `box` as pasted text would arrive.
    void answer(int box, const QString &text) { f().txtanswer(box).setText(text); }
};

// How many elements 1 and up the board's four arrays have loaded: 60 while a board stands.
inline int boardControls(const game::frmmain &f)
{
    static const QRegularExpression element(QStringLiteral("^(pic|lblPictureName|txtanswer|lblforindex)\\([1-9]"));
    int n = 0;
    for (const QWidget *w : f.findChildren<QWidget *>())
        n += element.match(w->objectName()).hasMatch() ? 1 : 0;
    return n;
}
