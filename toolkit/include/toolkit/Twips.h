#pragma once
// Positions and sizes in twips, 15 to the pixel, relative to the container.
// A value set becomes whole pixels (nearest, halves to even) and reads back
// as pixels times 15.
#include "toolkit/Int16.h"

namespace tk {

constexpr int twipsPerPixel = 15;

// Whole pixels for a twips value; raises Overflow when it cannot be a size.
inline int toPixels(float twips)
{
    const double pixels = roundHalfEven(static_cast<double>(twips) / twipsPerPixel);
    if (!std::isfinite(pixels) || pixels < -1.0e6 || pixels > 1.0e6)
        tk::raise(Overflow);
    return static_cast<int>(pixels);
}

// Twips for a whole number of pixels.
constexpr float toTwips(int pixels) { return static_cast<float>(pixels * twipsPerPixel); }

} // namespace tk
