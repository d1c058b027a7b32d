#pragma once
// The game's shared picture procedure: fitting a picture box into a size.
#include <cstdint>

namespace tk {
class PictureBox;
}

namespace game::Commonfunction {

// Brings `box` within maxwidth x maxheight keeping its proportions, and paints its picture over it.
void fitpicture(std::int32_t maxwidth, std::int32_t maxheight, tk::PictureBox &box);

} // namespace game::Commonfunction
