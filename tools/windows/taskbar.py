#!/usr/bin/python3
"""Says whether a window of the game would have a button on a Windows taskbar,
by Windows' own rule: a shown window gets one when it has no owner and is no
tool window (WS_EX_TOOLWINDOW), or when it asks for one (WS_EX_APPWINDOW).

    taskbar.py WINDOWS_LIST TITLE

WINDOWS_LIST: what `window-reader windows` printed. Prints, for the shown
window titled TITLE exactly, its owner ("none", "hidden" or "shown") and
"button" or "no button"; exits 1 when no such window is shown."""
import re
import sys

WS_EX_TOOLWINDOW = 0x80
WS_EX_APPWINDOW = 0x40000
ROW = re.compile(r'(\S+) "(.*)" class=\S+ style=\S+ exstyle=(\S+) (shown|hidden) .* owner=(\S+)\s*$')


def main():
    listing, title = sys.argv[1], sys.argv[2]
    rows = [m for m in map(ROW.match, open(listing, encoding="utf-8", errors="replace")) if m]
    shown = {int(m.group(1), 16) for m in rows if m.group(4) == "shown"}
    for m in rows:
        if m.group(2) != title or m.group(4) != "shown":
            continue
        extended, owner = int(m.group(3), 16), int(m.group(5), 16)
        button = bool(extended & WS_EX_APPWINDOW) or (owner == 0 and not extended & WS_EX_TOOLWINDOW)
        whose = "none" if owner == 0 else "shown" if owner in shown else "hidden"
        print(f"owner {whose}, {'button' if button else 'no button'}")
        return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
