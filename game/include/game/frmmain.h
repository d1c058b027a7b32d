#pragma once
// The main window: the life of a game from its load through the memorise and
// recall clocks to scoring, with the board it builds for every game.
#include "rules/Phase.h"
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
    explicit frmmain(QWidget *parent = nullptr);
    ~frmmain() override;

    // The window's default instance, made when first asked for.
    static frmmain &defaultInstance();
    // The default instance if one exists, else nullptr.
    static frmmain *existing();

    // Game controller and clocks.
    void newgame_Click();
    void Timer1_Timer();
    void stratwrite();
    void Timer2_Timer();
    void lblvisiblefalse();
    void exit1_Click();

    // The board of one game.
    void buildboard();
    void clearslot(int slot);
    void coverboard();

    // Scoring and answer entry.
    void cmdsubmit_Click();
    void cmdgiveup_Click();
    void txtanswer_KeyPress(int Index, int &KeyAscii);

    // The phase the game is in.
    rules::Phase phase() const { return m_phase; }

    // The board's control arrays, by index.
    tk::PictureBox &pic(int index) const { return (*m_pic)(index); }
    tk::Label &lblPictureName(int index) const { return (*m_lblPictureName)(index); }
    tk::TextBox &txtanswer(int index) const { return (*m_txtanswer)(index); }
    tk::Label &lblforindex(int index) const { return (*m_lblforindex)(index); }
    // How many elements of each array exist (the templates included).
    int boardControlCount() const;

    // The window's state: 16-bit integers, all 0 at load.
    tk::Int16 elapsedseconds, elapsedminutes, remainingseconds, remainingminutes;
    tk::Int16 slot, gamerunning, pictureindex, keyindex, score;

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

    std::unique_ptr<tk::ControlArray<tk::PictureBox>> m_pic;
    std::unique_ptr<tk::ControlArray<tk::Label>> m_lblPictureName;
    std::unique_ptr<tk::ControlArray<tk::TextBox>> m_txtanswer;
    std::unique_ptr<tk::ControlArray<tk::Label>> m_lblforindex;
    rules::Phase m_phase = rules::Phase::Memorise;
};

} // namespace game
