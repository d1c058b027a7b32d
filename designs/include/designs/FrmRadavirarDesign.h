#pragma once
// The design of the intro window `frmRadavirar`.
#include "toolkit/Design.h"

namespace designs {

// The intro banner's design: a borderless window without a taskbar button,
// the placeholder picture at its top-left, the title and rules labels, the
// Start and Cancel buttons, two edge lines and the two fade timers.
tk::FormDesign frmRadavirarDesign();

} // namespace designs
