#pragma once
// The shared procedures of the game: the picture draw, picture fitting and
// the answer check, with the global slot arrays they work on.
#include "toolkit/BoundedArray.h"
#include "toolkit/Int16.h"

#include <QString>
#include <cstdint>

namespace tk {
class PictureBox;
}

namespace game {
class frmmain;
}

namespace game::Commonfunction {

// The catalog index (2 to 101) of each slot's picture, slots 1 to 15.
extern tk::BoundedArray<tk::Int16, 0, 100> chosenindex;
// The key of each slot's picture, slots 1 to 15.
extern tk::BoundedArray<QString, 0, 100> chosenword;
// The box's size as the last fitting found it, in twips.
extern std::int32_t fitheight;
extern std::int32_t fitwidth;
// The number of correct answers the last check has found.
extern tk::Int16 correctcount;
// Slot whose word the n-th correct answer named, n = 1 to correctcount.
extern tk::BoundedArray<tk::Int16, 0, 15> correctslots;

// Draws 15 distinct catalog indices from 2 to 101 into chosenindex(1..15).
void pickpictures();

// Brings `box` within maxwidth x maxheight keeping its proportions, and paints its picture over it.
void fitpicture(std::int32_t maxwidth, std::int32_t maxheight, tk::PictureBox &box);

// Scores the window's 15 answer boxes: marks repeats, tints wrong boxes,
// fills correctslots; returns the number of correct answers.
tk::Int16 checkanswers(frmmain &form);

} // namespace game::Commonfunction
