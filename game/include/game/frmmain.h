#pragma once
// The main window: the life of a game from its load through the memorise and
// recall clocks to scoring, with the board it builds for every game.
#include "rules/Game.h"
#include "toolkit/CommandButton.h"
#include "toolkit/ControlArray.h"
#include "toolkit/Form.h"
#include "toolkit/Frame.h"
#include "toolkit/Int16.h"
#include "toolkit/Label.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Shape.h"
#include "toolkit/TextBox.h"
#include "toolkit/Timer.h"

#include <memory>

namespace game {

class frmmain : public tk::Form {
    Q_OBJECT
public:
    // A main window whose games draw their pictures from `random`, which outlives it.
    explicit frmmain(rules::RandomSource &random, QWidget *parent = nullptr);
    ~frmmain() override;

    // Game controller and clocks.
    void newgame_Click();
    void Timer1_Timer();
    void stratwrite();
    void Timer2_Timer();
    void lblvisiblefalse();
    void exit1_Click();

    // The draw of a fresh game's pictures and words.
    void pickpictures();

    // The board of one game.
    void buildboard();
    void clearslot(int slot);
    void coverboard();
    // Draws slot `s` as the game holds it: covered, or its own picture uncovered.
    void drawslot(int s);

    // Scoring and answer entry.
    void cmdsubmit_Click();
    int checkanswers();
    void cmdgiveup_Click();
    void txtanswer_KeyPress(int Index, int &KeyAscii);
    void txtanswer_Change(int Index);

    // The game the window shows.
    const rules::Game &game() const { return m_game; }

    // The board's control arrays, by index.
    tk::PictureBox &pic(int index) const { return (*m_pic)(index); }
    tk::Label &lblPictureName(int index) const { return (*m_lblPictureName)(index); }
    tk::TextBox &txtanswer(int index) const { return (*m_txtanswer)(index); }
    tk::Label &lblforindex(int index) const { return (*m_lblforindex)(index); }
    // The per-slot loops' counter, and the catalog index being put into a slot: 16-bit, 0 at load.
    tk::Int16 slot, pictureindex, keyindex;

    // The designed controls the code reaches by name.
    QPointer<tk::Timer> Timer1, Timer2;
    QPointer<tk::CommandButton> cmdsubmit, cmdgiveup;
    QPointer<tk::Shape> Shape1;
    QPointer<tk::Frame> Frame1, Frame2, Frame3;
    QPointer<tk::Label> lblTimesecondstart, lblsecondstart, lblTimeminute, lblTimesecond;
    QPointer<tk::Label> lblTimeminuteResult, lblTimesecondResult;

protected:
    void bindControls() override;
    void Form_Load() override;

private:
    void bindArrays();
    // Runs each clock exactly while the game has it running.
    void pace();
    // Puts slot `s`'s own picture back, fitted to the revealed size, with its word.
    void uncover(int s);

    rules::RandomSource &m_random;
    std::unique_ptr<tk::ControlArray<tk::PictureBox>> m_pic;
    std::unique_ptr<tk::ControlArray<tk::Label>> m_lblPictureName;
    std::unique_ptr<tk::ControlArray<tk::TextBox>> m_txtanswer;
    std::unique_ptr<tk::ControlArray<tk::Label>> m_lblforindex;
    rules::Game m_game;
};

} // namespace game
