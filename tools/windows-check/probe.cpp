// Windows probe of the intro's window transparency: makes a window that has
// other extended styles, passes it levels in and out of range, and prints what
// the caller's variable, the window's extended style and the layered-window
// attributes hold after each call.
#include "intro/LayeredWindow.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <initializer_list>

namespace {

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void describe(HWND hwnd)
{
    const LONG style = GetWindowLongA(hwnd, GWL_EXSTYLE);
    std::printf("exstyle=0x%08lX", static_cast<unsigned long>(style));
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    SetLastError(0);
    if (GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags))
        std::printf(" layered: key=RGB(%u,%u,%u) alpha=%u flags=%lu", GetRValue(key), GetGValue(key), GetBValue(key),
                    alpha, static_cast<unsigned long>(flags));
    else
        std::printf(" layered: none (GetLayeredWindowAttributes failed, error %lu)",
                    static_cast<unsigned long>(GetLastError()));
}

} // namespace

int main()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TransparencyProbe";
    RegisterClassA(&windowClass);

    const DWORD otherStyles = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    HWND hwnd = CreateWindowExA(otherStyles, windowClass.lpszClassName, "probe", WS_POPUP, 100, 100, 462, 118,
                                nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!hwnd) {
        std::printf("CreateWindowExA failed, error %lu\n", static_cast<unsigned long>(GetLastError()));
        return 1;
    }
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    std::printf("window created with WS_EX_TOOLWINDOW|WS_EX_TOPMOST (0x%08lX)\nbefore:            ",
                static_cast<unsigned long>(otherStyles));
    describe(hwnd);
    std::printf("\n");

    const auto handle = reinterpret_cast<intro::layered::Handle>(hwnd);
    for (const int start : {-5, 0, 128, 260, 265}) {
        std::int16_t level = static_cast<std::int16_t>(start);
        SetLastError(0);
        intro::layered::settransparency(handle, level);
        std::printf("level %4d -> %3d  ", start, level);
        describe(hwnd);
        std::printf(" lasterror=%lu\n", static_cast<unsigned long>(intro::layered::lastPlatformError()));
    }

    // A handle that names no window any more: nothing is raised, the level is still clamped.
    DestroyWindow(hwnd);
    std::int16_t level = 300;
    SetLastError(0);
    intro::layered::settransparency(handle, level);
    std::printf("destroyed window: level 300 -> %d lasterror=%lu\n", level,
                static_cast<unsigned long>(intro::layered::lastPlatformError()));
    return 0;
}
