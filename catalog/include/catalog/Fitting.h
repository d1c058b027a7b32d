#pragma once
// The one rule that fits a picture's box into the board's squares, for the
// window that shows it and for the build that makes its pixels ahead.
#include <cstdint>

namespace catalog {

// How a box is fitted into a maximum width and height with its proportions
// kept: the longer side (the height when both are equal) becomes its maximum,
// the other side its share of it. A box smaller than both maxima is left alone.
struct Fitting {
    bool needed = false;  // false: the box stays as it is and nothing is painted
    bool wider = false;   // wider than high: the width is set first
    float width = 0;      // the box's size afterwards, twips
    float height = 0;
};

// The fitting of a box `width` x `height` twips into `maxwidth` x `maxheight`;
// raises DivisionByZero for a side of 0 that reached its maximum.
Fitting fitWithin(std::int32_t width, std::int32_t height, std::int32_t maxwidth, std::int32_t maxheight);

} // namespace catalog
