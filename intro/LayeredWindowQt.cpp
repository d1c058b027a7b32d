// Whole-window transparency through Qt, for every platform but Windows.
// Qt blends any top-level window as a whole once it has an opacity, so making
// a window layered needs no step of its own beyond finding the window.
#include "intro/LayeredWindow.h"

#include <QWidget>

namespace intro::layered {

namespace {
// The number Windows gives a handle that names no window.
constexpr std::uint32_t invalidWindowHandle = 1400;

std::uint32_t lastError = 0;

QWidget *windowOf(Handle window)
{
    QWidget *widget = QWidget::find(static_cast<WId>(window));
    return widget ? widget->window() : nullptr;
}
} // namespace

void makeLayered(Handle window)
{
    lastError = windowOf(window) ? 0 : invalidWindowHandle;
}

void setAlpha(Handle window, std::uint8_t alpha)
{
    QWidget *widget = windowOf(window);
    if (!widget) {
        lastError = invalidWindowHandle;
        return;
    }
    const qreal opacity = alpha / 255.0;
    const bool changed = !qFuzzyCompare(widget->windowOpacity(), opacity);
    widget->setWindowOpacity(opacity);
    // Qt 6.4 on X11 hands an opacity change made after show() to the X server
    // only with the window's next repaint: ask for one with every change, and
    // only then, so that a window held at one level costs nothing to keep.
    if (changed)
        widget->update();
    lastError = 0;
}

std::uint32_t lastPlatformError()
{
    return lastError;
}

} // namespace intro::layered
