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

// The system error code recorded after the last platform call; nothing in the
// program acts on it.
std::uint32_t lastplatformerror();

// Readies `window` for settransparency before its native window is made (its
// first winId() or show()): where the window system fades windows only
// through their pixels, the window becomes translucent.
void preparelayered(QWidget &window);

} // namespace intro::Hyperlinkmodule
