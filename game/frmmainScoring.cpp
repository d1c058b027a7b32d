// The end of a game: Submit (or the clock at 2 minutes) scores and reports,
// Give Up uncovers every picture; and the answer boxes' key handling.
#include "catalog/ImageList.h"
#include "game/Commonfunction.h"
#include "game/frmmain.h"
#include "rules/AnswerEntry.h"
#include "rules/Report.h"
#include "toolkit/MessageBox.h"
#include "toolkit/UpdateBatch.h"

namespace game {

using Commonfunction::chosenindex;

void frmmain::cmdsubmit_Click()
{
    const catalog::ImageList &imgList = catalog::ImageList::instance();
    tk::UpdateBatch batch(this);
    Timer2->setEnabled(false);
    m_phase = rules::after(m_phase, rules::Move::Submit);
    score = Commonfunction::checkanswers(*this);
    for (slot = 1; slot <= 15; slot = slot + 1)
        txtanswer(slot).setEnabled(false);
    // The recalled slots are uncovered in the order of the boxes that named them.
    const int last = score;
    for (slot = 1; slot <= last; slot = slot + 1) {
        const int s = Commonfunction::correctslots(slot);
        pictureindex = chosenindex(s);
        pic(s).setPicture(imgList.Picture(pictureindex));
        Commonfunction::fitpicture(1300, 1300, pic(s));
        lblPictureName(s).setCaption(imgList.Key(pictureindex));
    }
    // The board is painted as it now stands behind the message box.
    batch.end();
    tk::MessageBox::show(rules::resultPrompt(score), rules::resultTitle());
}

void frmmain::cmdgiveup_Click()
{
    const catalog::ImageList &imgList = catalog::ImageList::instance();
    tk::UpdateBatch batch(this);
    for (slot = 1; slot <= 15; slot = slot + 1) {
        pictureindex = chosenindex(slot);
        keyindex = chosenindex(slot);
        pic(slot).setPicture(imgList.Picture(pictureindex));
        Commonfunction::fitpicture(1300, 1300, pic(slot));
        lblPictureName(slot).setCaption(imgList.Key(keyindex));
    }
}

void frmmain::txtanswer_KeyPress(int Index, int &KeyAscii)
{
    const rules::KeyOutcome outcome = rules::answerKey(Index, KeyAscii);
    if (outcome.focus == rules::FocusMove::Submit)
        cmdsubmit->SetFocus();
    else if (outcome.focus == rules::FocusMove::NextBox)
        txtanswer(Index + 1).SetFocus();
    KeyAscii = outcome.keyAscii;
}

} // namespace game
