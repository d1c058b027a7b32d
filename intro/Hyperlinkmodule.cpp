#include "intro/Hyperlinkmodule.h"
#include "ContentFade.h"
#include "LayeredWindow.h"

namespace intro::Hyperlinkmodule {

void settransparency(WId hwnd, tk::Int16 &level)
{
    layered::settransparency(static_cast<layered::Handle>(hwnd), level);
}

std::uint32_t lastplatformerror()
{
    return layered::lastPlatformError();
}

void preparelayered(QWidget &window)
{
    ContentFade::prepare(window);
}

} // namespace intro::Hyperlinkmodule
