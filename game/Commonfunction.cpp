#include "game/Commonfunction.h"
#include "toolkit/Int16.h"
#include "toolkit/RuntimeError.h"
#include "toolkit/PictureBox.h"

namespace game::Commonfunction {

void fitpicture(std::int32_t maxwidth, std::int32_t maxheight, tk::PictureBox &box)
{
    const std::int32_t fitheight = tk::clng(box.Height());
    const std::int32_t fitwidth = tk::clng(box.Width());
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

} // namespace game::Commonfunction
