#pragma once
// Fading a window through the alpha of its own pixels, for window systems that
// give a window no opacity of its own (Wayland, the headless platform): the
// window is translucent and its content is drawn at the level, so any
// compositor blends it with what lies beneath.
#include <QWidget>

namespace intro::ContentFade {

// Whether windows here fade only through the alpha of their pixels: true
// wherever the window system has no whole-window opacity.
bool isNeeded();

// Makes `window` translucent where fading needs it. Call before the window's
// native window is made (before its first winId() or show()): a native window
// keeps the pixel format it was made with.
void prepare(QWidget &window);

// Draws every part of `window`'s content at `opacity` (0 transparent, 1
// opaque), also parts added since the last call. A window not prepared fades
// its content into its own background instead of into the desktop.
void apply(QWidget &window, qreal opacity);

} // namespace intro::ContentFade
