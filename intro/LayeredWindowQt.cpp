// Whole-window transparency through Qt, for every platform but Windows.
// Where the window system blends a top-level window as a whole (X11, macOS),
// the window gets an opacity. Where it does not (Wayland), the window is
// translucent from the start (Hyperlinkmodule::preparelayered) and its content
// is drawn at the level, which every compositor blends as it is. Either way,
// making a window layered needs no step of its own beyond finding the window.
#include "ContentFade.h"
#include "LayeredWindow.h"

#include <QWidget>

namespace intro::layered {

namespace {
QWidget *windowOf(Handle window)
{
    QWidget *widget = QWidget::find(static_cast<WId>(window));
    return widget ? widget->window() : nullptr;
}

void setWholeWindowOpacity(QWidget &widget, qreal opacity)
{
    const bool changed = !qFuzzyCompare(widget.windowOpacity(), opacity);
    widget.setWindowOpacity(opacity);
    // Qt 6.4 on X11 hands an opacity change made after show() to the X server
    // only with the window's next repaint: ask for one with every change, and
    // only then, so that a window held at one level costs nothing to keep.
    if (changed)
        widget.update();
}
} // namespace

void makeLayered(Handle)
{
    // Nothing to do: a window fades as it is.
}

void setAlpha(Handle window, std::uint8_t alpha)
{
    QWidget *widget = windowOf(window);
    if (!widget)
        return;
    const qreal opacity = alpha / 255.0;
    if (ContentFade::isNeeded())
        ContentFade::apply(*widget, opacity);
    else
        setWholeWindowOpacity(*widget, opacity);
}

} // namespace intro::layered
