#pragma once
// Whole-window transparency as two window-system operations, and the clamp
// every call goes through. Nothing here needs Qt, so the Windows backend
// also builds on its own (tools/windows-check.sh builds it with a probe).
#include <cstdint>

namespace intro::layered {

// A native top-level window handle: an HWND on Windows, a WId elsewhere.
using Handle = std::uintptr_t;

// Makes `window` a layered window. On Windows its extended style becomes
// exactly WS_EX_LAYERED: the whole style is replaced, not added to.
void makeLayered(Handle window);
// Sets the opacity of the whole window: 0 is fully transparent, 255 opaque.
void setAlpha(Handle window, std::uint8_t alpha);
// Failures are ignored: a dead handle changes nothing and raises nothing.
#ifdef _WIN32
// The system error code recorded after the last of the two operations.
std::uint32_t lastPlatformError();
#endif

// Clamps `level` into 0..255 in the caller's own variable (the fades carry on
// from the clamped value) and gives it as an alpha byte.
template <class Level>
std::uint8_t clamped(Level &level)
{
    if (level < 0)
        level = 0;
    if (level > 255)
        level = 255;
    return static_cast<std::uint8_t>(static_cast<int>(level));
}

// Clamps `level`, then makes the window layered and applies the level, both on every call.
template <class Level>
void settransparency(Handle window, Level &level)
{
    const std::uint8_t alpha = clamped(level);
    makeLayered(window);
    setAlpha(window, alpha);
}

} // namespace intro::layered
