#include "game/Commonfunction.h"
#include "catalog/Fitting.h"
#include "toolkit/Int16.h"
#include "toolkit/PictureBox.h"

namespace game::Commonfunction {

void fitpicture(std::int32_t maxwidth, std::int32_t maxheight, tk::PictureBox &box)
{
    const std::int32_t fitheight = tk::clng(box.Height());
    const std::int32_t fitwidth = tk::clng(box.Width());
    const catalog::Fitting fit = catalog::fitWithin(fitwidth, fitheight, maxwidth, maxheight);
    if (!fit.needed)
        return;
    const tk::Picture picture = box.picture();
    if (fit.wider) {
        box.setWidth(fit.width);
        box.setHeight(fit.height);
    } else {
        box.setHeight(fit.height);
        box.setWidth(fit.width);
    }
    const float w = box.Width();
    const float h = box.Height();
    box.PaintPicture(picture, 0, 0, w, h);
}

} // namespace game::Commonfunction
