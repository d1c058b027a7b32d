#!/usr/bin/python3
"""The game on a desktop with a dark theme, read from the screen's pixels: the
accessibility bus reads a text whatever its colour, the eye does not."""
import re
import subprocess
import sys

import screens
import tq_e2e
from tq_e2e import Role, check, wait_until

# GNOME's dark style, as Qt takes it from GTK (which also brings GTK's own
# accessibility bridge: the game must keep answering the bus through Qt's).
DARK_DESKTOP = {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark"}
DARK_TEXT = 80       # the darkest pixel of a text reads at most this grey
LIGHT_GROUND = 200   # and the commonest one, its background, at least this


class ManagedDesktop(tq_e2e.Session):
    """A session whose windows a window manager places. Qt learns where the
    manager moved a window only from a notice that can come late, and the
    accessibility bus reports a control's place from what Qt knows: a
    control's place on the screen is taken from its window's place as the X
    server has it, plus its place in that window."""

    def extents(self, node):
        x, y, w, h = super().extents(node)
        window = node
        while window.parent is not None and self.role(window.parent) != Role.APPLICATION:
            window = window.parent
        ids = self.x_windows(re.sub(r"([.^$*+?()\[\]{}|\\])", r"\\\1", window.name))
        if len(ids) != 1:
            return x, y, w, h
        info = subprocess.run(["xwininfo", "-id", str(ids[0])], env=self.env,
                              capture_output=True, text=True, timeout=10).stdout
        left = int(re.search(r"Absolute upper-left X:\s+(-?\d+)", info).group(1))
        top = int(re.search(r"Absolute upper-left Y:\s+(-?\d+)", info).group(1))
        qt_left, qt_top = super().extents(window)[:2]
        return x - qt_left + left, y - qt_top + top, w, h


def grey(pixel):
    r, g, b = pixel
    return (r * 299 + g * 587 + b * 114) // 1000


def dark_on_light(s, screen, node, inset=2):
    """(darkest grey, background grey) inside a control, its border left out."""
    x, y, w, h = s.extents(node)
    counts = {}
    for yy in range(y + inset, y + h - inset):
        for xx in range(x + inset, x + w - inset):
            p = grey(screen.pixel(xx, yy))
            counts[p] = counts.get(p, 0) + 1
    return min(counts), max(counts, key=counts.get)


def check_regions(s, regions):
    """Every (what, control) of the table reads dark text on a light ground."""
    screen = s.grab()
    for what, node in regions:
        text, ground = dark_on_light(s, screen, node)
        check(text <= DARK_TEXT and ground >= LIGHT_GROUND,
              f"{what} {node.name!r}: text grey {text}, background grey {ground}")


def labels(s, window, pattern):
    return [n for n in s.find_all(window, Role.LABEL, showing=True) if re.fullmatch(pattern, n.name)]


def a_dark_desktop_theme_keeps_the_text_dark_on_light(s):
    s.helper("openbox")
    s.launch(env=DARK_DESKTOP)
    wait_until(lambda: screens.showing_button(s, screens.intro(s), "Start"), 20, "the intro's Start button")
    rules = s.find(screens.intro(s), Role.LABEL, screens.RULES)
    wait_until(lambda: s.window_opacity(s.x_windows(screens.INTRO_TITLE)[0]) == 1.0, 10, "the rules fully shown")
    check_regions(s, [("the rules", rules)])

    s.click(screens.showing_button(s, screens.intro(s), "Start"))
    wait_until(lambda: screens.main(s), 20, "the main window")
    board = wait_until(lambda: screens.in_memorise_with_names(s), 10, "15 named pictures")
    window = board.window
    wait_until(lambda: labels(s, window, r"[1-9]"), 5, "the memorise count")
    check_regions(s, [("a name", n) for n in board.names]
                  + [("the count", n) for n in labels(s, window, r"[0-9]+|Seconds")]
                  + [("a box number", n) for n in labels(s, window, r"[0-9]+\)")])

    board = wait_until(lambda: screens.in_recall(s), 30, 'every name to read "Think"')
    wait_until(lambda: screens.recall_clock(s), 5, "the recall clock")
    s.click(board.answer(1))
    s.type("zebra")
    wait_until(lambda: s.text_of(board.answer(1)) == "ZEBRA", 5, "box 1 to read ZEBRA")
    clock = [n for n in s.find_all(window, Role.LABEL, showing=True)
             if re.fullmatch(r"[0-9]+|Minutes|Seconds|Time Remaining:|Time Passed :", n.name)]
    check_regions(s, [("the clock", n) for n in clock] + [("a typed answer", board.answer(1))])

    s.click(s.find(window, Role.PUSH_BUTTON, "Submit"))
    box = wait_until(lambda: screens.result_box(s), 10, "the result box")
    s.click(s.find(box, Role.PUSH_BUTTON))
    wait_until(lambda: screens.result_box(s) is None, 10, "the result box to close")
    screen = s.grab()
    answer = screens.Board(s).answer(1)
    check(screens.box_colour(s, screen, answer) == screens.WRONG_TINT, "the wrong answer is not pink")
    check_regions(s, [("a wrong answer", answer)])
    s.key("ctrl+q")
    s.wait_for_exit(10)


SCENARIOS = {"a_dark_desktop_theme_keeps_the_text_dark_on_light": a_dark_desktop_theme_keeps_the_text_dark_on_light}

if __name__ == "__main__":
    sys.exit(tq_e2e.main(SCENARIOS, ManagedDesktop))
