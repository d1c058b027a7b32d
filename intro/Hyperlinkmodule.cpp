#include "intro/Hyperlinkmodule.h"
#include "ContentFade.h"
#include "LayeredWindow.h"

#include <algorithm>

namespace intro::Hyperlinkmodule {

void settransparency(WId hwnd, tk::Int16 &level)
{
#ifdef Q_OS_WIN
    // First Qt's own opacity, so that its repaints keep the window layered;
    // then user32's calls, which leave the style and the alpha as they must be.
    if (QWidget *window = QWidget::find(hwnd))
        window->setWindowOpacity(qtopacity(static_cast<std::uint8_t>(std::clamp<int>(level, 0, 255))));
#endif
    layered::settransparency(static_cast<layered::Handle>(hwnd), level);
}

qreal qtopacity(std::uint8_t alpha)
{
    return alpha < 255 ? alpha / 255.0 : 1.0 - 1.0 / 1024;
}

void preparelayered(QWidget &window)
{
    ContentFade::prepare(window);
}

} // namespace intro::Hyperlinkmodule
