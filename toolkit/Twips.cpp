#include "toolkit/Twips.h"
#include "toolkit/Int16.h"

#include <QWidget>

namespace tk {

int toPixels(float twips)
{
    const double pixels = roundHalfEven(static_cast<double>(twips) / twipsPerPixel);
    if (!std::isfinite(pixels) || pixels < -1.0e6 || pixels > 1.0e6)
        tk::raise(Overflow);
    return static_cast<int>(pixels);
}

float leftOf(const QWidget *w) { return toTwips(w->x()); }
float topOf(const QWidget *w) { return toTwips(w->y()); }
float widthOf(const QWidget *w) { return toTwips(w->width()); }
float heightOf(const QWidget *w) { return toTwips(w->height()); }

void setLeftOf(QWidget *w, float twips) { w->move(toPixels(twips), w->y()); }
void setTopOf(QWidget *w, float twips) { w->move(w->x(), toPixels(twips)); }

void setWidthOf(QWidget *w, float twips)
{
    if (twips < 0)
        tk::raise(InvalidCall);
    w->resize(toPixels(twips), w->height());
}

void setHeightOf(QWidget *w, float twips)
{
    if (twips < 0)
        tk::raise(InvalidCall);
    w->resize(w->width(), toPixels(twips));
}

Fitting fitWithin(std::int32_t width, std::int32_t height, std::int32_t maxwidth, std::int32_t maxheight)
{
    if (width < maxwidth && height < maxheight)
        return {};
    Fitting fit{true, height < width, 0, 0};
    if (fit.wider) {
        if (width == 0)
            tk::raise(DivisionByZero);
        fit.width = static_cast<float>(maxwidth);
        fit.height = static_cast<float>(static_cast<double>(mul32(maxwidth, height)) / width);
    } else {
        if (height == 0)
            tk::raise(DivisionByZero);
        fit.height = static_cast<float>(maxheight);
        fit.width = static_cast<float>(static_cast<double>(mul32(maxheight, width)) / height);
    }
    return fit;
}

} // namespace tk
