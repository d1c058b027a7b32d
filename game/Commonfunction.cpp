#include "game/Commonfunction.h"
#include "game/RandomSource.h"
#include "game/frmmain.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Text.h"

#include <array>
#include <cmath>

namespace game::Commonfunction {

tk::BoundedArray<tk::Int16, 0, 100> chosenindex;
tk::BoundedArray<QString, 0, 100> chosenword;
std::int32_t fitheight = 0;
std::int32_t fitwidth = 0;
tk::Int16 correctcount;
tk::BoundedArray<tk::Int16, 0, 15> correctslots;

namespace {

constexpr tk::OleColor wrongAnswerTint = tk::rgb(253, 206, 207);
const QString duplicateMark = QStringLiteral(" - ") + QStringLiteral("Duplicate Entry");

// One draw: Int(r * 100) + 2, with r in single precision; 2 to 101.
tk::Int16 draw()
{
    const float scaled = RandomSource::current().rnd() * 100.0f;
    return tk::Int16(static_cast<int>(std::floor(scaled)) + 2);
}

} // namespace

void pickpictures()
{
    for (int i = 1; i <= 15; ++i) {
        RandomSource::current().randomize();
        tk::Int16 c = draw();
        if (i == 1) {
            chosenindex(1) = c;
            continue;
        }
        // A collision draws again and rescans from the first slot; the scan
        // ends after a whole pass in which the current value matched nothing.
        for (int j = 1; j <= i - 1;) {
            if (c == chosenindex(j)) {
                c = draw();
                j = 1;
            } else {
                chosenindex(i) = c;
                ++j;
            }
        }
    }
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

namespace {

QString folded(const QString &text)
{
    return tk::trim(tk::ucase(text));
}

void markDuplicates(frmmain &form)
{
    // Every box's text upper-cased and trimmed, kept in step with the boxes as
    // marks are made, so a mark made earlier in the pass takes part, and a long
    // answer is folded once rather than thirty times.
    std::array<QString, 16> texts;
    for (int j = 1; j <= 15; ++j)
        texts[j] = folded(form.txtanswer(j).Text());
    for (int i = 1; i <= 15; ++i) {
        tk::Int16 k = 0;
        for (int j = 1; j <= 15; ++j) {
            if (texts[i] != texts[j])
                continue;
            k = k + 1;
            const QString current = form.txtanswer(j).Text();
            if (!current.isEmpty() && k > 1) {
                form.txtanswer(j).setText(current + duplicateMark);
                texts[j] = folded(form.txtanswer(j).Text());
                break;
            }
        }
    }
}

void matchAnswers(frmmain &form)
{
    for (int j = 1; j <= 15; ++j) {
        bool matched = false;
        const QString answer = tk::trim(form.txtanswer(j).Text());
        for (int k = 1; k <= 15; ++k) {
            if (answer == chosenword(k)) {
                correctcount = correctcount + 1;
                correctslots(correctcount) = k;
                matched = true;
                break;
            }
        }
        if (!matched)
            form.txtanswer(j).setBackColor(wrongAnswerTint);
    }
}

} // namespace

tk::Int16 checkanswers()
{
    frmmain *form = frmmain::existing();
    if (!form)
        tk::raise(tk::ObjectNotSet);
    correctcount = 0;
    markDuplicates(*form);
    matchAnswers(*form);
    return correctcount;
}

} // namespace game::Commonfunction
