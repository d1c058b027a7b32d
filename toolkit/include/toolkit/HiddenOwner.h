#pragma once
// A window kept off the Windows taskbar by being owned. Windows gives no
// taskbar button to a window that has an owner (unless it asks for one with
// WS_EX_APPWINDOW), whatever else its extended style says, so the window's
// extended style stays free for the window's own use, such as a fade that
// replaces it whole.
#include <QWidget>

namespace tk {

// Makes top-level `window` owned by a hidden native window that is never shown
// and is destroyed with `window`. Qt hands the owner to the native window the
// next time `window` is shown.
void giveHiddenOwner(QWidget &window);

} // namespace tk
