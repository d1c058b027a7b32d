#pragma once
// The design of the main window `frmmain`.
#include "toolkit/Design.h"

namespace designs {

// The main window's design: window properties, menu, frames, labels,
// buttons, shape, timers and the four control-array templates.
tk::FormDesign frmmainDesign();

} // namespace designs
