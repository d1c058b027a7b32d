// Whole-window transparency through Qt, for every platform but Windows.
// Where the window system blends a top-level window as a whole (X11, macOS),
// the window gets an opacity. Where it does not (Wayland, the headless
// platform), the window is translucent from the start (preparelayered) and
// its content is drawn at the level, so any compositor blends it with what
// lies beneath. Either way, making a window layered needs no step of its own.
#include "LayeredWindow.h"
#include "intro/Hyperlinkmodule.h"

#include <QGraphicsOpacityEffect>
#include <QGuiApplication>

namespace intro {

namespace {
// The platforms whose windows take an opacity of their own. They are asked
// for by name: Qt says whether a platform supports window opacity only
// through its private platform API, which would tie the game to one Qt build.
bool fadesThroughContent()
{
    static const QStringList wholeWindowOpacity = {QStringLiteral("xcb"), QStringLiteral("cocoa")};
    return !wholeWindowOpacity.contains(QGuiApplication::platformName());
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

// The opacity effect of a part of the window's content; made on first use,
// at the full level the part had until then. A part that carries some other
// effect of its own is left as it is.
QGraphicsOpacityEffect *fadeOf(QWidget &part)
{
    if (!part.graphicsEffect()) {
        auto *fade = new QGraphicsOpacityEffect(&part);
        fade->setOpacity(1.0);
        part.setGraphicsEffect(fade);
    }
    return qobject_cast<QGraphicsOpacityEffect *>(part.graphicsEffect());
}

// Draws every part of `window`'s content at `opacity`, also parts added since
// the last call. A window not prepared fades its content into its own
// background instead of into the desktop.
void fadeContent(QWidget &window, qreal opacity)
{
    // A window cannot carry an effect itself; its parts can, and together they
    // cover it (a main window's client area, its menu bar). What lies within a
    // part is drawn into it first, so labels, buttons and lines fade as one.
    for (QWidget *part : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QGraphicsOpacityEffect *fade = part->isWindow() ? nullptr : fadeOf(*part);
        if (!fade || qFuzzyCompare(fade->opacity(), opacity))
            continue;  // a window held at one level costs nothing to keep
        fade->setOpacity(opacity);
        // Qt (6.4) repaints an effect's widget without the children that
        // paint their own opaque background (labels, buttons with a colour):
        // they would keep an older level. Their own repaints do go through
        // the effect, so every child is asked for one.
        for (QWidget *inner : part->findChildren<QWidget *>())
            inner->update();
    }
}
} // namespace

void layered::makeLayered(Handle)
{
    // Nothing to do: a window fades as it is.
}

void layered::setAlpha(Handle window, std::uint8_t alpha)
{
    QWidget *widget = QWidget::find(static_cast<WId>(window));
    if (!widget)
        return;
    const qreal opacity = alpha / 255.0;
    if (fadesThroughContent())
        fadeContent(*widget->window(), opacity);
    else
        setWholeWindowOpacity(*widget->window(), opacity);
}

void Hyperlinkmodule::preparelayered(QWidget &window)
{
    // A native window keeps the pixel format it was made with.
    if (fadesThroughContent())
        window.setAttribute(Qt::WA_TranslucentBackground);
}

} // namespace intro
