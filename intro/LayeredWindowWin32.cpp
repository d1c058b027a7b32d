// Layered-window transparency through user32.
#include "LayeredWindow.h"

#include <windows.h>

namespace intro::layered {

namespace {
constexpr int extendedStyle = -20;          // GWL_EXSTYLE
constexpr LONG layeredStyle = 0x80000;      // WS_EX_LAYERED
constexpr DWORD alphaOnly = 2;              // LWA_ALPHA: the colour key plays no part
const COLORREF colourKey = RGB(255, 255, 0);

DWORD lastError = 0;

HWND hwnd(Handle window)
{
    return reinterpret_cast<HWND>(window);
}
} // namespace

void makeLayered(Handle window)
{
    SetWindowLongA(hwnd(window), extendedStyle, layeredStyle);
    lastError = GetLastError();
}

void setAlpha(Handle window, std::uint8_t alpha)
{
    SetLayeredWindowAttributes(hwnd(window), colourKey, alpha, alphaOnly);
    lastError = GetLastError();
}

std::uint32_t lastPlatformError()
{
    return lastError;
}

} // namespace intro::layered
