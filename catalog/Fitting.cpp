#include "catalog/Fitting.h"
#include "toolkit/Int16.h"

namespace catalog {

Fitting fitWithin(std::int32_t width, std::int32_t height, std::int32_t maxwidth, std::int32_t maxheight)
{
    if (width < maxwidth && height < maxheight)
        return {};
    Fitting fit{true, height < width, 0, 0};
    if (fit.wider) {
        if (width == 0)
            tk::raise(tk::DivisionByZero);
        fit.width = static_cast<float>(maxwidth);
        fit.height = static_cast<float>(static_cast<double>(tk::mul32(maxwidth, height)) / width);
    } else {
        if (height == 0)
            tk::raise(tk::DivisionByZero);
        fit.height = static_cast<float>(maxheight);
        fit.width = static_cast<float>(static_cast<double>(tk::mul32(maxheight, width)) / height);
    }
    return fit;
}

} // namespace catalog
