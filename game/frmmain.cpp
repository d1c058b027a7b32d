#include "game/frmmain.h"
#include "designs/FrmmainDesign.h"
#include "game/Commonfunction.h"
#include "rules/Clocks.h"
#include "rules/Text.h"
#include "toolkit/UpdateBatch.h"

namespace game {

namespace {
QPointer<frmmain> &defaultForm()
{
    static QPointer<frmmain> form;
    return form;
}
} // namespace

frmmain::frmmain(QWidget *parent)
    : tk::Form(designs::frmmainDesign(), parent)
{
    if (!defaultForm())
        defaultForm() = this;
}

frmmain::~frmmain() = default;

frmmain &frmmain::defaultInstance()
{
    if (!defaultForm())
        defaultForm() = new frmmain;
    return *defaultForm();
}

frmmain *frmmain::existing()
{
    return defaultForm();
}

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

    Timer1->onTimer = [this] { Timer1_Timer(); };
    Timer2->onTimer = [this] { Timer2_Timer(); };
    cmdsubmit->onClick = [this] { cmdsubmit_Click(); };
    cmdgiveup->onClick = [this] { cmdgiveup_Click(); };
    onMenuClick(QStringLiteral("newgame"), [this] { newgame_Click(); });
    onMenuClick(QStringLiteral("exit1"), [this] { exit1_Click(); });
    bindArrays();
}

void frmmain::bindArrays()
{
    m_pic = std::make_unique<tk::ControlArray<tk::PictureBox>>(makeArray<tk::PictureBox>(QStringLiteral("pic")));
    m_lblPictureName = std::make_unique<tk::ControlArray<tk::Label>>(makeArray<tk::Label>(QStringLiteral("lblPictureName")));
    m_txtanswer = std::make_unique<tk::ControlArray<tk::TextBox>>(makeArray<tk::TextBox>(QStringLiteral("txtanswer")));
    m_lblforindex = std::make_unique<tk::ControlArray<tk::Label>>(makeArray<tk::Label>(QStringLiteral("lblforindex")));
    // Screen readers name every box by its number and never learn a covered word from a picture.
    m_pic->onCreate = [](int index, tk::PictureBox &box) {
        box.setAccessibleName(QStringLiteral("Picture %1").arg(index));
    };
    m_txtanswer->onCreate = [this](int index, tk::TextBox &box) {
        box.setAccessibleName(QStringLiteral("Answer %1").arg(index));
        box.onKeyPress = [this, index](int &keyAscii) { txtanswer_KeyPress(index, keyAscii); };
    };
}

int frmmain::boardControlCount() const
{
    if (!m_pic)
        return 0;
    return m_pic->count() + m_lblPictureName->count() + m_txtanswer->count() + m_lblforindex->count() - 4;
}

void frmmain::Form_Load()
{
    gamerunning = tk::vbFalse;
    cmdsubmit->setVisible(false);
    cmdgiveup->setVisible(false);
    lblvisiblefalse();
    Timer1->setEnabled(false);
    Shape1->setVisible(false);
    newgame_Click();
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
    // The old board goes and the new one comes in one paint.
    tk::UpdateBatch batch(this);
    if (gamerunning != tk::vbTrue) {
        gamerunning = tk::vbTrue;
        m_phase = rules::after(m_phase, rules::Move::NewGame);
        Timer1->setEnabled(true);
        lblsecondstart->setVisible(true);
        lblTimesecondstart->setVisible(true);
        // A fresh game shows no count of its own until its first tick, and no
        // clock figures of the last game.
        lblTimesecondstart->setCaption(QString());
        for (tk::Label *figure : {lblTimeminute.data(), lblTimesecond.data(), lblTimeminuteResult.data(),
                                  lblTimesecondResult.data()})
            figure->setCaption(QString());
        Commonfunction::pickpictures();
        buildboard();
        return;
    }
    for (slot = 1; slot <= 15; slot = slot + 1) {
        clearslot(slot);
        lblvisiblefalse();
        Timer2->setEnabled(false);
        elapsedminutes = 0;
        elapsedseconds = 0;
    }
    gamerunning = tk::vbFalse;
    newgame_Click();
}

void frmmain::Timer1_Timer()
{
    const rules::MemoriseTick tick = rules::memoriseTick(elapsedseconds);
    elapsedseconds = tick.count;
    lblTimesecondstart->setCaption(rules::str(elapsedseconds));
    if (tick.over) {
        Timer1->setEnabled(false);
        stratwrite();
    }
}

void frmmain::stratwrite()
{
    tk::UpdateBatch batch(this);
    m_phase = rules::after(m_phase, rules::Move::RecallStarts);
    Timer2->setEnabled(true);
    const rules::RecallTime start;
    remainingseconds = start.remainingSeconds;
    remainingminutes = start.remainingMinutes;
    elapsedminutes = start.elapsedMinutes;
    elapsedseconds = start.elapsedSeconds;
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
    const rules::RecallTick tick =
        rules::recallTick({elapsedseconds, elapsedminutes, remainingseconds, remainingminutes});
    elapsedseconds = tick.time.elapsedSeconds;
    elapsedminutes = tick.time.elapsedMinutes;
    lblTimesecondResult->setCaption(rules::str(elapsedseconds));
    lblTimeminuteResult->setCaption(rules::str(elapsedminutes));
    remainingseconds = tick.time.remainingSeconds;
    remainingminutes = tick.time.remainingMinutes;
    lblTimesecond->setCaption(rules::str(remainingseconds));
    if (tick.showsRemainingMinutes)
        lblTimeminute->setCaption(rules::str(remainingminutes));
    if (tick.timeUp) {
        Timer2->setEnabled(false);
        cmdsubmit_Click();
    }
}

void frmmain::exit1_Click()
{
    unload();
}

} // namespace game
