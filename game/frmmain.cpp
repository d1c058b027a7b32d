#include "game/frmmain.h"
#include "designs/FrmmainDesign.h"
#include "game/Commonfunction.h"
#include "toolkit/Text.h"
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
        box.onKeyUp = [this, index](int keyCode, int shift) { txtanswer_KeyUp(index, keyCode, shift); };
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
    elapsedseconds = elapsedseconds + 1;
    lblTimesecondstart->setCaption(tk::str(elapsedseconds));
    if (elapsedseconds == 20) {
        Timer1->setEnabled(false);
        stratwrite();
    }
}

void frmmain::stratwrite()
{
    tk::UpdateBatch batch(this);
    Timer2->setEnabled(true);
    remainingseconds = 60;
    remainingminutes = 1;
    elapsedminutes = 0;
    elapsedseconds = 0;
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
    elapsedseconds = elapsedseconds + 1;
    if (elapsedseconds % 60 == 0) {
        elapsedseconds = 0;
        elapsedminutes = elapsedminutes + 1;
    }
    lblTimesecondResult->setCaption(tk::str(elapsedseconds));
    lblTimeminuteResult->setCaption(tk::str(elapsedminutes));
    // The seconds wrap before they count down, so that after tick n the
    // display always reads 120 - n seconds (1 and 0 after the 60th tick).
    if (remainingseconds == 0) {
        remainingseconds = 60;
        remainingminutes = remainingminutes - 1;
    }
    remainingseconds = remainingseconds - 1;
    lblTimesecond->setCaption(tk::str(remainingseconds));
    if (remainingminutes > -1)
        lblTimeminute->setCaption(tk::str(remainingminutes));
    if (elapsedminutes == 2) {
        Timer2->setEnabled(false);
        cmdsubmit_Click();
    }
}

void frmmain::exit1_Click()
{
    unload();
}

} // namespace game
