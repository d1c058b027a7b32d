#pragma once
// Stored colours: 0x00BBGGRR, or 0x800000nn for the system colour nn.
#include <QColor>
#include <QPalette>
#include <cstdint>

namespace tk {

using OleColor = std::uint32_t;

// The stored value of an RGB triple (red in the low byte).
constexpr OleColor rgb(int red, int green, int blue)
{
    return static_cast<OleColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// Stored values of the system colours the designs use.
constexpr OleColor sysCaptionText = 0x80000009;  // active title-bar text
constexpr OleColor sysButtonFace = 0x8000000F;   // control background
constexpr OleColor sysButtonText = 0x80000012;   // control text
constexpr OleColor sysWindowText = 0x80000008;

// The colour a stored value names; system colours are those of the standard light scheme.
QColor toQColor(OleColor stored);

// The standard light scheme as a palette: dark text on light controls.
QPalette standardPalette();

// Makes the standard light scheme the application's palette, and keeps it so
// when the desktop hands over a palette of its own, now or later.
void keepStandardPalette();

} // namespace tk
