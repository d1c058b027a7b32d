// The board of one game: 15 slots of picture, name, answer box and number,
// built for a fresh game, covered for recall and removed at the next New Game.
#include "catalog/ImageList.h"
#include "game/Colours.h"
#include "game/Commonfunction.h"
#include "game/frmmain.h"
#include "rules/Text.h"

namespace game {

namespace {

// A running offset advanced by a floating-point sum, back to 16 bits.
tk::Int16 advance(tk::Int16 offset, float a, float b = 0, float c = 0, float d = 0)
{
    return tk::cint(static_cast<double>(static_cast<float>(offset) + a + b + c + d));
}

struct Offsets {
    tk::Int16 piccol, picrow, namecol, namerow, answerrow, numberrow;
};

} // namespace

void frmmain::buildboard()
{
    const catalog::ImageList &imgList = catalog::ImageList::instance();
    Offsets o;
    for (slot = 1; slot <= 15; slot = slot + 1) {
        pictureindex = m_game.chosenindex(slot);
        keyindex = m_game.chosenindex(slot);

        m_pic->load(slot);
        tk::PictureBox &box = pic(slot);
        // Screen readers name every box by its number and never learn a covered word from a picture.
        box.setAccessibleName(QStringLiteral("Picture %1").arg(int(slot)));
        box.setVisible(true);
        box.setWidth(catalog::boardPicture);
        box.setHeight(catalog::boardPicture);
        box.setTop(static_cast<float>(o.picrow + 1000));
        box.setLeft(static_cast<float>(o.piccol + 120));
        o.piccol = advance(o.piccol, box.Width(), 100);
        if (slot % 5 == 0) {
            o.piccol = 0;
            o.picrow = advance(o.picrow, box.Height(), 375, 300);
        }
        box.setPicture(imgList.Picture(pictureindex));
        Commonfunction::fitpicture(catalog::boardPicture, catalog::boardPicture, box);

        m_lblPictureName->load(slot);
        tk::Label &name = lblPictureName(slot);
        name.setVisible(true);
        name.setWidth(catalog::boardPicture);
        name.setHeight(375);
        name.setTop(static_cast<float>(o.namerow + 640));
        name.setLeft(static_cast<float>(o.namecol + 120));
        o.namecol = advance(o.namecol, name.Width(), 100);
        name.setCaption(imgList.Key(keyindex));
        if (slot % 5 == 0) {
            o.namecol = 0;
            // Rows keep the pictures' fixed pitch: the box's height before fitting,
            // so every name stands right above its own picture.
            o.namerow = advance(o.namerow, name.Height(), catalog::boardPicture, 300);
        }
        name.setBackColor(nameLabelOrange);

        m_txtanswer->load(slot);
        tk::TextBox &answer = txtanswer(slot);
        answer.setAccessibleName(QStringLiteral("Answer %1").arg(int(slot)));
        answer.setVisible(true);
        answer.setWidth(3000);
        answer.setHeight(375);
        answer.setTop(static_cast<float>(o.answerrow + 650));
        answer.setTabIndex(slot);
        answer.setLeft(8200);
        answer.setEnabled(false);
        o.answerrow = advance(o.answerrow, answer.Height(), 10);

        m_lblforindex->load(slot);
        tk::Label &number = lblforindex(slot);
        number.setVisible(true);
        number.setWidth(375);
        number.setHeight(375);
        number.setTop(static_cast<float>(o.numberrow + 650));
        number.setLeft(7800);
        o.numberrow = advance(o.numberrow, number.Height(), 10);
        number.setCaption(rules::str(slot) + QStringLiteral(")"));
        number.setBackColor(numberLabelWhite);
    }

    cmdsubmit->setVisible(true);
    cmdsubmit->setLeft(7950);
    cmdsubmit->setTop(6700);
    cmdsubmit->setEnabled(false);
    cmdgiveup->setVisible(true);
    cmdgiveup->setLeft(9550);
    cmdgiveup->setTop(6700);
    cmdgiveup->setEnabled(false);
    Shape1->setVisible(true);
    Shape1->setHeight(6000);
    Shape1->setWidth(3600);
    Shape1->setTop(550);
    Shape1->setLeft(7700);

}

void frmmain::clearslot(int slot)
{
    m_pic->unload(slot);
    m_lblPictureName->unload(slot);
    m_txtanswer->unload(slot);
    m_lblforindex->unload(slot);
}

void frmmain::coverboard()
{
    // The words stay the game's: only what the slots show changes.
    for (slot = 1; slot <= 15; slot = slot + 1)
        drawslot(slot);
}

void frmmain::drawslot(int s)
{
    const catalog::ImageList &imgList = catalog::ImageList::instance();
    switch (m_game.shows(s)) {
    case rules::Shows::Placeholder:
        pic(s).setPicture(imgList.Picture(1));
        lblPictureName(s).setCaption(imgList.Key(1));
        break;
    case rules::Shows::Uncovered:
        uncover(s);
        break;
    case rules::Shows::Picture:
        break;  // as buildboard put it
    }
}

} // namespace game
