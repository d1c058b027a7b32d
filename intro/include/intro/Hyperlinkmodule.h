#pragma once
// Window transparency: the one procedure that fades the intro window.
#include "toolkit/Int16.h"

#include <QWidget>
#include <cstdint>

namespace intro::Hyperlinkmodule {

// Clamps `level` into 0..255 and writes the clamped value back into the
// caller's variable, then makes window `hwnd` layered and sets the opacity of
// the whole window to that level (0 transparent, 255 opaque). Platform
// failures are ignored; a handle that names no window changes nothing.
void settransparency(WId hwnd, tk::Int16 &level);

// The opacity Qt itself is told for a window faded to `alpha` through user32
// on Windows: alpha / 255, but for 255 a value just below 1 that still rounds
// to 255. Qt 6.4 repaints a frameless window through a backing store that
// leaves the window layered only while Qt's own opacity for it is below 1,
// and otherwise clears WS_EX_LAYERED, whoever set it: each repaint would
// undo the fade. Told this opacity, Qt keeps the window layered at the level.
qreal qtopacity(std::uint8_t alpha);

// Readies `window` for settransparency before its native window is made (its
// first winId() or show()): where the window system fades windows only
// through their pixels, the window becomes translucent.
void preparelayered(QWidget &window);

} // namespace intro::Hyperlinkmodule
