// Windows probe of the intro window: its transparency, and how it stays off the
// taskbar. Makes windows through user32 the way Qt makes them for the intro,
// passes them through settransparency (intro/LayeredWindowWin32.cpp), prints
// what each call leaves behind and checks it. Exits 1 when a check fails.
#include "intro/LayeredWindow.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <initializer_list>

namespace {

const wchar_t *const className = L"TransparencyProbe";
constexpr DWORD layeredOnly = WS_EX_LAYERED;

// A level passed to settransparency and the level it must write back.
struct Step {
    int start;
    int clamped;
};
int checks = 0;
int failures = 0;

// Counts a check and prints it when it fails.
bool check(bool ok, const char *what)
{
    ++checks;
    if (!ok) {
        ++failures;
        std::printf("    FAIL: %s\n", what);
    }
    return ok;
}

// Prints what a group of checks found when all of them held.
void passed(bool ok, const char *what)
{
    if (ok)
        std::printf("    ok: %s\n", what);
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND makeWindow(DWORD exStyle, DWORD style)
{
    return CreateWindowExW(exStyle, className, L"probe", style, 100, 100, 462, 118, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

DWORD exStyleOf(HWND hwnd)
{
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE));
}

// Windows' rule for taskbar buttons: a window that asks for one with
// WS_EX_APPWINDOW gets one; otherwise an owned window or a tool window gets
// none, and any other top-level window gets one once shown. Wine's X11 driver
// has no taskbar: this is the rule applied to what the window holds, not a
// button seen.
bool buttonByWindowsRule(HWND hwnd)
{
    const DWORD style = exStyleOf(hwnd);
    if (style & WS_EX_APPWINDOW)
        return true;
    return !GetWindow(hwnd, GW_OWNER) && !(style & WS_EX_TOOLWINDOW);
}

void describe(HWND hwnd)
{
    std::printf("exstyle=0x%08lX owner=%p", static_cast<unsigned long>(exStyleOf(hwnd)),
                static_cast<void *>(GetWindow(hwnd, GW_OWNER)));
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags))
        std::printf(" key=RGB(%u,%u,%u) alpha=%u flags=%lu", GetRValue(key), GetGValue(key), GetBValue(key), alpha,
                    static_cast<unsigned long>(flags));
    else
        std::printf(" not layered");
    std::printf(" taskbar-button-by-rule=%s", buttonByWindowsRule(hwnd) ? "yes" : "no");
}

// One call of settransparency: prints the window before and after it and
// checks the level written back and the alpha applied.
void transparency(HWND hwnd, int start, int expected)
{
    std::printf("  level %4d  before: ", start);
    describe(hwnd);
    std::int16_t level = static_cast<std::int16_t>(start);
    SetLastError(0);  // so that the error recorded is the calls' own
    intro::layered::settransparency(reinterpret_cast<intro::layered::Handle>(hwnd), level);
    std::printf("\n        -> %3d  after:  ", level);
    describe(hwnd);
    std::printf(" lasterror=%lu\n", static_cast<unsigned long>(intro::layered::lastPlatformError()));
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags);
    bool ok = check(level == expected && alpha == expected, "the level is clamped into the caller's variable and applied");
    ok &= check(flags == LWA_ALPHA && key == RGB(255, 255, 0), "alpha only, with the colour key passed");
    ok &= check(intro::layered::lastPlatformError() == 0, "no error recorded");
    passed(ok, "level written back and applied as alpha; LWA_ALPHA only, key RGB(255,255,0); no error");
}

// A window with other extended styles, as the intro was before it had an owner:
// a tool window, unowned. The style is replaced, so it stops being a tool window.
void probeToolWindow()
{
    const DWORD otherStyles = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    HWND hwnd = makeWindow(otherStyles, WS_POPUP);
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    std::printf("A tool window, no owner, made with WS_EX_TOOLWINDOW|WS_EX_TOPMOST (0x%08lX):\n",
                static_cast<unsigned long>(otherStyles));
    for (const Step step : {Step{-5, 0}, {0, 0}, {128, 128}, {260, 255}, {265, 255}}) {
        transparency(hwnd, step.start, step.clamped);
        // Only SetWindowPos moves a window in or out of the topmost band;
        // SetWindowLong leaves WS_EX_TOPMOST as it was.
        passed(check(exStyleOf(hwnd) == (layeredOnly | WS_EX_TOPMOST), "the rest of the style is replaced by WS_EX_LAYERED"),
               "WS_EX_TOOLWINDOW replaced by WS_EX_LAYERED (WS_EX_TOPMOST stays)");
    }
    passed(check(buttonByWindowsRule(hwnd), "without WS_EX_TOOLWINDOW and without an owner it would get a taskbar button"),
           "no longer a tool window and unowned: by Windows' rule it would get a taskbar button");

    // A handle that names no window any more: nothing is raised, the level is still clamped.
    DestroyWindow(hwnd);
    std::int16_t level = 300;
    intro::layered::settransparency(reinterpret_cast<intro::layered::Handle>(hwnd), level);
    std::printf("  destroyed window: level 300 -> %d lasterror=%lu\n", level,
                static_cast<unsigned long>(intro::layered::lastPlatformError()));
    passed(check(level == 255 && intro::layered::lastPlatformError() == ERROR_INVALID_WINDOW_HANDLE,
                 "a dead handle only clamps and records the error"),
           "a dead handle only clamps and records the error");
}

// Checks that the intro is owned by the hidden owner, which nobody sees, and
// that nothing asks for a taskbar button.
void checkOwned(HWND intro, HWND owner)
{
    bool ok = check(GetWindow(intro, GW_OWNER) == owner, "owned by the hidden owner");
    ok &= check(!IsWindowVisible(owner), "the owner is not visible");
    ok &= check(GetAncestor(intro, GA_PARENT) == GetDesktopWindow(), "still a top-level window, not a child");
    ok &= check(exStyleOf(intro) == layeredOnly, "extended style exactly WS_EX_LAYERED");
    ok &= check(!(exStyleOf(intro) & WS_EX_APPWINDOW), "WS_EX_APPWINDOW not set");
    ok &= check(!buttonByWindowsRule(intro), "no taskbar button by Windows' rule");
    passed(ok, "owned by the hidden owner, which is not visible; still top-level; extended style exactly "
               "WS_EX_LAYERED, no WS_EX_APPWINDOW; no taskbar button by Windows' rule");
}

// The intro as Qt makes it on Windows: a frameless top-level window is a popup,
// made without an owner; its transient parent, the hidden owner, becomes its
// owner when Qt shows it (QWindowsWindow::updateTransientParent, Qt 6.4).
void probeIntro()
{
    HWND owner = makeWindow(0, WS_OVERLAPPEDWINDOW);  // made, never shown
    HWND intro = makeWindow(0, WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    std::printf("The intro: a popup, owned by a hidden owner window %p:\n", static_cast<void *>(owner));
    std::printf("  load, before the first show:\n");
    transparency(intro, 0, 0);
    passed(check(exStyleOf(intro) == layeredOnly, "extended style exactly WS_EX_LAYERED"),
           "extended style exactly WS_EX_LAYERED");

    // Qt's show: the owner becomes the window's transient parent, then it is shown.
    if (GetWindow(intro, GW_OWNER) != owner)
        SetWindowLongPtrW(intro, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    ShowWindow(intro, SW_SHOWNORMAL);
    std::printf("  shown: ");
    describe(intro);
    std::printf("\n");
    passed(check(IsWindowVisible(intro) != FALSE, "the intro is visible"), "the intro is visible");
    checkOwned(intro, owner);

    std::printf("  the title fades in and out, the rules fade in and stay:\n");
    for (const Step step : {Step{10, 10}, {260, 255}, {245, 245}, {-5, 0}, {10, 10}, {265, 255}}) {
        transparency(intro, step.start, step.clamped);
        checkOwned(intro, owner);
    }
    DestroyWindow(intro);
    DestroyWindow(owner);
}

} // namespace

int main()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = className;
    if (!RegisterClassW(&windowClass)) {
        std::printf("RegisterClassW failed, error %lu\n", static_cast<unsigned long>(GetLastError()));
        return 1;
    }
    probeToolWindow();
    probeIntro();
    if (failures > 0) {
        std::printf("FAILED: %d of %d checks\n", failures, checks);
        return 1;
    }
    std::printf("All %d checks passed\n", checks);
    return 0;
}
