#pragma once
// Positions and sizes in twips, 15 to the pixel, relative to the container.
// A value set becomes whole pixels (nearest, halves to even) and reads back
// as pixels times 15.
class QWidget;

namespace tk {

constexpr int twipsPerPixel = 15;

// Whole pixels for a twips value; raises Overflow when it cannot be a size.
int toPixels(float twips);

// Twips for a whole number of pixels.
constexpr float toTwips(int pixels) { return static_cast<float>(pixels * twipsPerPixel); }

// The four geometry properties of a control, read and written in twips.
float leftOf(const QWidget *w);
float topOf(const QWidget *w);
float widthOf(const QWidget *w);
float heightOf(const QWidget *w);
void setLeftOf(QWidget *w, float twips);
void setTopOf(QWidget *w, float twips);
void setWidthOf(QWidget *w, float twips);   // raises InvalidCall for a negative width
void setHeightOf(QWidget *w, float twips);  // raises InvalidCall for a negative height

} // namespace tk
