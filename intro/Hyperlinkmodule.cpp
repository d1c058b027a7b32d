#include "intro/Hyperlinkmodule.h"
#include "LayeredWindow.h"

namespace intro::Hyperlinkmodule {

void settransparency(WId hwnd, tk::Int16 &level)
{
    const auto window = static_cast<layered::Handle>(hwnd);
#ifdef Q_OS_WIN
    // First Qt's own opacity, so that its repaints keep the window layered;
    // then user32's calls, which leave the style and the alpha as they must be.
    const std::uint8_t alpha = layered::clamped(level);
    if (QWidget *widget = QWidget::find(hwnd))
        widget->setWindowOpacity(qtopacity(alpha));
    layered::makeLayered(window);
    layered::setAlpha(window, alpha);
#else
    layered::settransparency(window, level);
#endif
}

qreal qtopacity(std::uint8_t alpha)
{
    return alpha < 255 ? alpha / 255.0 : 1.0 - 1.0 / 1024;
}

#ifdef Q_OS_WIN
void preparelayered(QWidget &)
{
    // user32 fades any top-level window as it is.
}
#endif

} // namespace intro::Hyperlinkmodule
