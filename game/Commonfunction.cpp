#include "game/Commonfunction.h"
#include "game/Colours.h"
#include "game/frmmain.h"
#include "rules/Draw.h"
#include "rules/Scoring.h"
#include "toolkit/PictureBox.h"

namespace game::Commonfunction {

tk::BoundedArray<tk::Int16, 0, 100> chosenindex;
tk::BoundedArray<QString, 0, 100> chosenword;
std::int32_t fitheight = 0;
std::int32_t fitwidth = 0;
tk::Int16 correctcount;
tk::BoundedArray<tk::Int16, 0, 15> correctslots;

void pickpictures()
{
    const rules::Fifteen<int> drawn = rules::drawPictures(rules::RandomSource::current());
    for (int i = 1; i <= rules::slotCount; ++i)
        chosenindex(i) = drawn[i];
}

void fitpicture(std::int32_t maxwidth, std::int32_t maxheight, tk::PictureBox &box)
{
    fitheight = tk::clng(box.Height());
    fitwidth = tk::clng(box.Width());
    if (fitwidth < maxwidth && fitheight < maxheight)
        return;
    const tk::Picture picture = box.picture();
    if (fitheight < fitwidth) {
        if (fitwidth == 0)
            tk::raise(tk::DivisionByZero);
        box.setWidth(static_cast<float>(maxwidth));
        box.setHeight(static_cast<float>(static_cast<double>(tk::mul32(maxwidth, fitheight)) / fitwidth));
    } else {
        if (fitheight == 0)
            tk::raise(tk::DivisionByZero);
        box.setHeight(static_cast<float>(maxheight));
        box.setWidth(static_cast<float>(static_cast<double>(tk::mul32(maxheight, fitwidth)) / fitheight));
    }
    const float w = box.Width();
    const float h = box.Height();
    box.PaintPicture(picture, 0, 0, w, h);
}

tk::Int16 checkanswers(frmmain &form)
{
    correctcount = 0;
    rules::Fifteen<QString> answers, words;
    for (int n = 1; n <= rules::slotCount; ++n) {
        answers[n] = form.txtanswer(n).Text();
        words[n] = chosenword(n);
    }
    const rules::Scoring scoring = rules::scoreAnswers(answers, words);
    for (int j = 1; j <= rules::slotCount; ++j) {
        if (scoring.texts[j] != answers[j])
            form.txtanswer(j).setText(scoring.texts[j]);
        if (scoring.wrong[j])
            form.txtanswer(j).setBackColor(wrongAnswerTint);
    }
    for (const int slot : scoring.correctSlots) {
        correctcount = correctcount + 1;
        correctslots(correctcount) = slot;
    }
    return correctcount;
}

} // namespace game::Commonfunction
