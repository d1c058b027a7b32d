#pragma once
// The intro window: the title fades in on a transparent window and out again,
// then the rules and the Start and Cancel buttons fade in and stay.
#include "game/frmmain.h"
#include "toolkit/CommandButton.h"
#include "toolkit/Form.h"
#include "toolkit/Int16.h"
#include "toolkit/Label.h"
#include "toolkit/Timer.h"

namespace intro {

class frmRadavirar : public tk::Form {
    Q_OBJECT
public:
    // The intro that leads to `main`, which it makes ready while the player reads it.
    explicit frmRadavirar(game::frmmain &main, QWidget *parent = nullptr);

    // The title phase: one step of the fade in and out.
    void Timer1_Timer();
    // The rules phase: shows the rules and buttons and fades them in; never stops.
    void Timer2_Timer();
    // "Start": closes the intro and opens the main window.
    void cmdok_Click();
    // "Cancel": closes the intro, which ends the program when no other window is open.
    void cmdcancel_Click();

    // The window's state: 16-bit integers, 0 when the window is made.
    tk::Int16 fadingin;    // vbTrue while the title fades in
    tk::Int16 alphalevel;  // the opacity level, as settransparency left it
    tk::Int16 fadesteps;   // the title phase's clock: +10 a tick

    // The designed controls the code reaches by name.
    QPointer<tk::Label> lblmaintitle1, lblmaintitle2, lblrules;
    QPointer<tk::CommandButton> cmdok, cmdcancel;
    QPointer<tk::Timer> Timer1, Timer2;

protected:
    void bindControls() override;
    void Form_Load() override;

private:
    // Applies `alphalevel` to this window; the clamp lands in `alphalevel`.
    void applyAlphaLevel();
    QPointer<game::frmmain> m_main;
};

} // namespace intro
