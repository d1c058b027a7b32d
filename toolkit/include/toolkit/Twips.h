#pragma once
// Positions and sizes in twips, 15 to the pixel, relative to the container.
// A value set becomes whole pixels (nearest, halves to even) and reads back
// as pixels times 15.
#include <cstdint>

namespace tk {

constexpr int twipsPerPixel = 15;

// Whole pixels for a twips value; raises Overflow when it cannot be a size.
int toPixels(float twips);

// Twips for a whole number of pixels.
constexpr float toTwips(int pixels) { return static_cast<float>(pixels * twipsPerPixel); }

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

} // namespace tk
