// Reads the game's windows from outside, as another Windows program on the
// same desktop: the intro's extended style and layered alpha while it fades,
// and the text a player copies with Ctrl+C. Run next to the game under the
// same Wine prefix by tools/windows/play-under-wine.sh.
//
//   window-reader fade SECONDS     wait for the intro, then print every change
//                                  of its style and alpha for SECONDS
//   window-reader state            one reading of the intro
//   window-reader repaint          a reading, then the intro is made to
//                                  repaint, then readings after it
//   window-reader windows          the game's top-level windows
//   window-reader wait TITLE SECONDS
//                                  wait for a shown window of the game with
//                                  this title (a trailing * matches any end),
//                                  then print its client area on the screen:
//                                  X Y WIDTH HEIGHT
//   window-reader clipboard FILE   the clipboard's text, as UTF-8, into FILE
//   window-reader faces            the font families this Windows offers every
//                                  program, one a line, sorted
//
// Exits 1 when what it reads is missing, 2 on a wrong command line.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

const wchar_t *const gameProgram = L"tavlin-quorvane.exe";
const wchar_t *const introTitle = L"Tavlin Quorvane";

// Whether `hwnd` belongs to the game's process.
bool ofTheGame(HWND hwnd)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process)
        return false;
    wchar_t path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    const bool got = QueryFullProcessImageNameW(process, 0, path, &size);
    CloseHandle(process);
    if (!got)
        return false;
    const wchar_t *base = path;
    for (const wchar_t *p = path; *p; ++p)
        if (*p == L'\\' || *p == L'/')
            base = p + 1;
    return _wcsicmp(base, gameProgram) == 0;
}

std::vector<HWND> gameWindows()
{
    std::vector<HWND> found;
    EnumWindows(
        [](HWND hwnd, LPARAM list) -> BOOL {
            if (ofTheGame(hwnd))
                reinterpret_cast<std::vector<HWND> *>(list)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring titleOf(HWND hwnd)
{
    wchar_t title[256] = {};
    GetWindowTextW(hwnd, title, 256);
    return title;
}

std::string utf8(const std::wstring &text)
{
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// The intro: the game's borderless window with the game's name. (The result
// box has the same title, but a caption bar.)
HWND findIntro()
{
    for (HWND hwnd : gameWindows()) {
        const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
        if ((style & WS_POPUP) && !(style & WS_CAPTION) && titleOf(hwnd) == introTitle)
            return hwnd;
    }
    return nullptr;
}

struct Reading {
    bool exists = false;
    bool visible = false;
    DWORD exStyle = 0;
    bool layered = false;  // GetLayeredWindowAttributes answered
    BYTE alpha = 0;
    COLORREF key = 0;
    DWORD flags = 0;
    HWND owner = nullptr;
    bool ownerVisible = false;

    bool operator==(const Reading &o) const
    {
        return exists == o.exists && visible == o.visible && exStyle == o.exStyle && layered == o.layered
            && alpha == o.alpha && key == o.key && flags == o.flags && owner == o.owner
            && ownerVisible == o.ownerVisible;
    }
};

Reading read(HWND hwnd)
{
    Reading r;
    if (!hwnd || !IsWindow(hwnd))
        return r;
    r.exists = true;
    r.visible = IsWindowVisible(hwnd);
    r.exStyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
    r.layered = GetLayeredWindowAttributes(hwnd, &r.key, &r.alpha, &r.flags);
    r.owner = GetWindow(hwnd, GW_OWNER);
    r.ownerVisible = r.owner && IsWindowVisible(r.owner);
    return r;
}

std::string describe(const Reading &r)
{
    if (!r.exists)
        return "no intro window";
    char text[256];
    int n = std::snprintf(text, sizeof text, "%s exstyle=0x%08lX %s", r.visible ? "shown " : "hidden",
                          static_cast<unsigned long>(r.exStyle),
                          (r.exStyle & WS_EX_LAYERED) ? "WS_EX_LAYERED" : "not-layered  ");
    if (r.layered)
        n += std::snprintf(text + n, sizeof text - n, " alpha=%3u key=RGB(%u,%u,%u) flags=%s", r.alpha,
                           GetRValue(r.key), GetGValue(r.key), GetBValue(r.key),
                           r.flags == LWA_ALPHA ? "LWA_ALPHA" : std::to_string(r.flags).c_str());
    else
        n += std::snprintf(text + n, sizeof text - n, " (no layered attributes)");
    std::snprintf(text + n, sizeof text - n, " owner=%s", !r.owner ? "none" : r.ownerVisible ? "shown" : "hidden");
    return text;
}

// The client area of `hwnd` on the screen: "X Y WIDTH HEIGHT".
std::string clientArea(HWND hwnd)
{
    RECT client = {};
    GetClientRect(hwnd, &client);
    POINT origin = {0, 0};
    ClientToScreen(hwnd, &origin);
    char text[64];
    std::snprintf(text, sizeof text, "%ld %ld %ld %ld", origin.x, origin.y, client.right, client.bottom);
    return text;
}

bool titled(HWND hwnd, const std::wstring &pattern)
{
    const std::wstring title = titleOf(hwnd);
    if (!pattern.empty() && pattern.back() == L'*')
        return title.compare(0, pattern.size() - 1, pattern, 0, pattern.size() - 1) == 0;
    return title == pattern;
}

int wait(const char *title, double seconds)
{
    std::wstring pattern(title, title + std::strlen(title));
    const DWORD until = GetTickCount() + DWORD(seconds * 1000);
    do {
        for (HWND hwnd : gameWindows()) {
            if (IsWindowVisible(hwnd) && titled(hwnd, pattern)) {
                std::printf("%s\n", clientArea(hwnd).c_str());
                return 0;
            }
        }
        Sleep(20);
    } while (GetTickCount() < until);
    std::printf("no window \"%s\" within %g s\n", title, seconds);
    return 1;
}

int fade(double seconds)
{
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    const DWORD waitUntil = GetTickCount() + 60000;
    HWND intro = nullptr;
    while (!(intro = findIntro())) {
        if (GetTickCount() > waitUntil) {
            std::printf("no intro window within a minute\n");
            return 1;
        }
        Sleep(1);
    }
    QueryPerformanceCounter(&start);
    std::printf("intro at %s\n", clientArea(intro).c_str());
    std::fflush(stdout);
    Reading last;
    bool first = true;
    long samples = 0, shownNotLayered = 0, lost = 0;
    int alphaMax = -1;
    for (;;) {
        QueryPerformanceCounter(&now);
        const double ms = 1000.0 * double(now.QuadPart - start.QuadPart) / double(frequency.QuadPart);
        if (ms > seconds * 1000)
            break;
        const Reading r = read(intro);
        ++samples;
        if (r.visible && !(r.exStyle & WS_EX_LAYERED)) {
            ++shownNotLayered;
            if (first || (last.exStyle & WS_EX_LAYERED))
                ++lost;
        }
        if (r.layered && r.alpha > alphaMax)
            alphaMax = r.alpha;
        if (first || !(r == last)) {
            std::printf("%8.1f ms  %s\n", ms, describe(r).c_str());
            std::fflush(stdout);
        }
        first = false;
        last = r;
        if (!r.exists)
            break;
        Sleep(1);
    }
    std::printf("fade: %ld readings; WS_EX_LAYERED %s (%ld readings shown without it, %ld times lost)\n", samples,
                shownNotLayered ? "did NOT hold" : "held in every reading while shown", shownNotLayered, lost);
    return 0;
}

int state()
{
    const Reading r = read(findIntro());
    std::printf("%s\n", describe(r).c_str());
    return r.exists ? 0 : 1;
}

// A repaint as Windows asks for one: the whole window invalidated, and the
// WM_PAINT that follows delivered at once. Readings before, right after and
// later.
int repaint()
{
    HWND intro = findIntro();
    if (!intro) {
        std::printf("no intro window\n");
        return 1;
    }
    std::printf("before the repaint:      %s\n", describe(read(intro)).c_str());
    InvalidateRect(intro, nullptr, TRUE);
    UpdateWindow(intro);
    std::printf("right after the repaint: %s\n", describe(read(intro)).c_str());
    for (int ms : {20, 100, 500}) {
        Sleep(ms);
        std::printf("%4d ms later:           %s\n", ms, describe(read(intro)).c_str());
    }
    return 0;
}

int windows()
{
    for (HWND hwnd : gameWindows()) {
        RECT rect = {};
        GetWindowRect(hwnd, &rect);
        wchar_t cls[128] = {};
        GetClassNameW(hwnd, cls, 128);
        std::printf("%p \"%s\" class=%s style=0x%08lX exstyle=0x%08lX %s %ldx%ld at %ld,%ld owner=%p\n",
                    static_cast<void *>(hwnd), utf8(titleOf(hwnd)).c_str(), utf8(cls).c_str(),
                    static_cast<unsigned long>(GetWindowLongW(hwnd, GWL_STYLE)),
                    static_cast<unsigned long>(GetWindowLongW(hwnd, GWL_EXSTYLE)),
                    IsWindowVisible(hwnd) ? "shown" : "hidden", rect.right - rect.left, rect.bottom - rect.top,
                    rect.left, rect.top, static_cast<void *>(GetWindow(hwnd, GW_OWNER)));
    }
    return 0;
}

int clipboard(const char *file)
{
    if (!OpenClipboard(nullptr)) {
        std::printf("the clipboard cannot be opened\n");
        return 1;
    }
    std::wstring text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto *chars = static_cast<const wchar_t *>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    if (text.empty()) {
        std::printf("no text on the clipboard\n");
        return 1;
    }
    FILE *out = std::fopen(file, "wb");  // the bytes as they are: no newline translation
    if (!out)
        return 1;
    const std::string bytes = utf8(text);
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
    return 0;
}

int CALLBACK addFace(const LOGFONTW *font, const TEXTMETRICW *, DWORD, LPARAM faces)
{
    reinterpret_cast<std::vector<std::string> *>(faces)->push_back(utf8(font->lfFaceName));
    return 1;
}

int faces()
{
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;
    std::vector<std::string> found;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &all, addFace, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    for (const std::string &face : found)
        std::printf("%s\n", face.c_str());
    return found.empty() ? 1 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "fade" && argc == 3)
        return fade(std::atof(argv[2]));
    if (command == "state")
        return state();
    if (command == "repaint")
        return repaint();
    if (command == "windows")
        return windows();
    if (command == "wait" && argc == 4)
        return wait(argv[2], std::atof(argv[3]));
    if (command == "clipboard" && argc == 3)
        return clipboard(argv[2]);
    if (command == "faces")
        return faces();
    std::fprintf(stderr, "usage: window-reader fade SECONDS | state | repaint | windows | wait TITLE SECONDS | clipboard FILE | faces\n");
    return 2;
}
