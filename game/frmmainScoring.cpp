// The end of a game: Submit (or the clock at 2 minutes) scores and reports,
// Give Up uncovers every picture; and the answer boxes' key handling.
#include "catalog/ImageList.h"
#include "game/Colours.h"
#include "game/Commonfunction.h"
#include "game/frmmain.h"
#include "rules/AnswerEntry.h"
#include "rules/Report.h"
#include "toolkit/MessageBox.h"

namespace game {

void frmmain::cmdsubmit_Click()
{
    // A word still being composed belongs to its box, and is scored there.
    tk::finishComposition();
    const int last = checkanswers();
    if (m_game.phase() != rules::Phase::Finished)
        return;
    for (slot = 1; slot <= 15; slot = slot + 1)
        txtanswer(slot).setEnabled(false);
    // The recalled slots are uncovered in the order of the boxes that named them.
    const std::vector<int> &named = m_game.scoring().correctslots;
    for (slot = 1; slot <= last; slot = slot + 1)
        drawslot(named.at(std::size_t(int(slot) - 1)));
    tk::MessageBox::show(rules::resultPrompt(m_game.score()), rules::resultTitle());
}

int frmmain::checkanswers()
{
    if (!m_game.submit())
        return 0;
    // The recall clock stops before anything is shown.
    pace();
    // The boxes show the answers as scored: repeats marked, wrong ones tinted.
    for (int j = 1; j <= rules::slotCount; ++j) {
        if (txtanswer(j).Text() != m_game.answer(j))
            txtanswer(j).setText(m_game.answer(j));
        if (m_game.scoring().wrong[j])
            txtanswer(j).setBackColor(wrongAnswerTint);
    }
    return m_game.score();
}

void frmmain::uncover(int s)
{
    const catalog::ImageList &imgList = catalog::ImageList::instance();
    pictureindex = m_game.chosenindex(s);
    keyindex = m_game.chosenindex(s);
    pic(s).setPicture(imgList.Picture(pictureindex));
    Commonfunction::fitpicture(catalog::revealedPicture, catalog::revealedPicture, pic(s));
    lblPictureName(s).setCaption(imgList.Key(keyindex));
}

void frmmain::cmdgiveup_Click()
{
    if (!m_game.giveUp())
        return;
    for (slot = 1; slot <= 15; slot = slot + 1)
        drawslot(slot);
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

void frmmain::txtanswer_Change(int Index)
{
    m_game.setAnswer(Index, txtanswer(Index).Text());
}

} // namespace game
