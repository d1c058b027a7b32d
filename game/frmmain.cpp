#include "game/frmmain.h"
#include "designs/FrmmainDesign.h"
#include "catalog/ImageList.h"
#include "rules/Text.h"

#include <functional>

namespace game {

frmmain::frmmain(rules::RandomSource &random, QWidget *parent)
    : tk::Form(designs::frmmainDesign(), parent)
    , m_random(random)
{
}

frmmain::~frmmain() = default;

void frmmain::bindControls()
{
    Timer1 = &control<tk::Timer>(QStringLiteral("Timer1"));
    Timer2 = &control<tk::Timer>(QStringLiteral("Timer2"));
    cmdsubmit = &control<tk::CommandButton>(QStringLiteral("cmdsubmit"));
    cmdgiveup = &control<tk::CommandButton>(QStringLiteral("cmdgiveup"));
    Shape1 = &control<tk::Shape>(QStringLiteral("Shape1"));
    Frame1 = &control<tk::Frame>(QStringLiteral("Frame1"));
    Frame2 = &control<tk::Frame>(QStringLiteral("Frame2"));
    Frame3 = &control<tk::Frame>(QStringLiteral("Frame3"));
    lblTimesecondstart = &control<tk::Label>(QStringLiteral("lblTimesecondstart"));
    lblsecondstart = &control<tk::Label>(QStringLiteral("lblsecondstart"));
    lblTimeminute = &control<tk::Label>(QStringLiteral("lblTimeminute"));
    lblTimesecond = &control<tk::Label>(QStringLiteral("lblTimesecond"));
    lblTimeminuteResult = &control<tk::Label>(QStringLiteral("lblTimeminuteResult"));
    lblTimesecondResult = &control<tk::Label>(QStringLiteral("lblTimesecondResult"));

    Timer1->onTimer = std::bind_front(&frmmain::Timer1_Timer, this);
    Timer2->onTimer = std::bind_front(&frmmain::Timer2_Timer, this);
    cmdsubmit->onClick = std::bind_front(&frmmain::cmdsubmit_Click, this);
    cmdgiveup->onClick = std::bind_front(&frmmain::cmdgiveup_Click, this);
    onMenuClick(QStringLiteral("newgame"), [this] { newgame_Click(); });
    onMenuClick(QStringLiteral("exit1"), [this] { exit1_Click(); });
    bindArrays();
}

void frmmain::bindArrays()
{
    m_pic = makeArray<tk::PictureBox>(QStringLiteral("pic"));
    m_lblPictureName = makeArray<tk::Label>(QStringLiteral("lblPictureName"));
    m_txtanswer = makeArray<tk::TextBox>(QStringLiteral("txtanswer"));
    m_lblforindex = makeArray<tk::Label>(QStringLiteral("lblforindex"));
    m_txtanswer->KeyPress = std::bind_front(&frmmain::txtanswer_KeyPress, this);
    m_txtanswer->Change = std::bind_front(&frmmain::txtanswer_Change, this);
    // The first board's controls are made with the window's own, while the
    // intro still plays, in the order the board loads them: Start then only
    // deals the game and places them.
    for (int s = 1; s <= 15; ++s) {
        m_pic->makeAhead(s);
        m_lblPictureName->makeAhead(s);
        m_txtanswer->makeAhead(s);
        m_lblforindex->makeAhead(s);
    }
}

void frmmain::Form_Load()
{
    cmdsubmit->setVisible(false);
    cmdgiveup->setVisible(false);
    lblvisiblefalse();
    Shape1->setVisible(false);
    pace();
    newgame_Click();
}

void frmmain::pace()
{
    Timer1->setEnabled(m_game.memoriseClockRuns());
    Timer2->setEnabled(m_game.recallClockRuns());
}

void frmmain::lblvisiblefalse()
{
    Frame1->setVisible(false);
    Frame2->setVisible(false);
    lblsecondstart->setVisible(false);
    lblTimesecondstart->setVisible(false);
}

void frmmain::newgame_Click()
{
    if (m_game.gamerunning()) {
        for (slot = 1; slot <= 15; slot = slot + 1)
            clearslot(slot);
        lblvisiblefalse();
    }
    pickpictures();
    pace();
    lblsecondstart->setVisible(true);
    lblTimesecondstart->setVisible(true);
    // A fresh game shows no count of its own until its first tick, and no
    // clock figures of the last game.
    for (tk::Label *figure : {lblTimesecondstart.data(), lblTimeminute.data(), lblTimesecond.data(),
                              lblTimeminuteResult.data(), lblTimesecondResult.data()})
        figure->setCaption(QString());
    buildboard();
}

void frmmain::pickpictures()
{
    const catalog::ImageList &imgList = catalog::ImageList::instance();
    m_game.newGame(m_random, [&imgList](int index) { return imgList.Key(index); });
}

void frmmain::Timer1_Timer()
{
    const rules::Tick tick = m_game.memoriseTick();
    if (tick == rules::Tick::Ignored)
        return;
    lblTimesecondstart->setCaption(rules::str(m_game.elapsedseconds()));
    if (tick == rules::Tick::CountDone)
        stratwrite();
}

void frmmain::stratwrite()
{
    if (!m_game.startRecall())
        return;
    pace();
    for (slot = 1; slot <= 15; slot = slot + 1)
        txtanswer(slot).setEnabled(true);
    cmdsubmit->setEnabled(true);
    cmdgiveup->setEnabled(true);
    Frame1->setVisible(true);
    Frame2->setVisible(true);
    txtanswer(1).SetFocus();
    coverboard();
}

void frmmain::Timer2_Timer()
{
    const rules::Tick tick = m_game.recallTick();
    if (tick == rules::Tick::Ignored)
        return;
    lblTimesecondResult->setCaption(rules::str(m_game.elapsedseconds()));
    lblTimeminuteResult->setCaption(rules::str(m_game.elapsedminutes()));
    lblTimesecond->setCaption(rules::str(m_game.remainingseconds()));
    lblTimeminute->setCaption(rules::str(m_game.remainingminutes()));
    if (tick == rules::Tick::TimeUp) {
        pace();
        cmdsubmit_Click();
    }
}

void frmmain::exit1_Click()
{
    unload();
}

} // namespace game
