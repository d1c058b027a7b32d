#!/usr/bin/python3
"""The intro as a person sees it: the title fades in and out, the rules and
the two buttons fade in; Start opens the game, Cancel ends the program."""
import sys
import time

import screens
from tq_e2e import Failure, Role, check, check_equal, wait_until


def read_intro(s, window):
    shown = frozenset(lbl.name for lbl in s.find_all(window, Role.LABEL, showing=True))
    buttons = frozenset(b.name for b in s.find_all(window, Role.PUSH_BUTTON, showing=True))
    return shown, buttons


def watch_intro(s):
    """Launches the game and watches the intro until its buttons show.

    Returns what was seen on the way, sample by sample."""
    s.launch()
    window = wait_until(lambda: screens.intro(s), 20, "the intro window")
    xid = wait_until(lambda: s.x_windows(screens.INTRO_TITLE), 20, "the intro's X window")[0]
    samples = []
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        window = screens.intro(s)
        check(window is not None, "the intro closed by itself")
        # The window changes while it is read: keep only readings that two reads agree on.
        first, second = read_intro(s, window), read_intro(s, window)
        if first != second:
            continue
        shown, buttons = first
        samples.append((shown, buttons, s.window_opacity(xid)))
        check(screens.main(s) is None, "the main window opened before Start was pressed")
        if buttons:
            return samples, xid
    raise AssertionError("the intro never showed its buttons")


def check_intro_played(samples):
    title = {"Tavlin Quorvane"}
    first_shown, first_buttons, _ = samples[0]
    check(title <= first_shown, f"the intro begins without its title: {first_shown!r}")
    check(any(name.startswith("Created by ") for name in first_shown), "no 'Created by' line under the title")
    check(not first_buttons, "the buttons show during the title")
    for shown, buttons, _ in samples:
        check(not (title <= shown and screens.RULES in shown), "the title and the rules show together")
    # The title fades: it is seen part-transparent while it shows.
    title_opacities = [o for shown, _, o in samples if title <= shown]
    check(any(0 < o < 1 for o in title_opacities),
          f"the title never showed part-transparent; opacities seen {sorted(set(title_opacities))}")
    shown, buttons, _ = samples[-1]
    check_equal(buttons, {"Start", "Cancel"}, "buttons of the rules phase")
    check(screens.RULES in shown, f"the rules do not show with the buttons: {shown!r}")
    check(title.isdisjoint(shown), "the title still shows with the rules")


def intro_plays_and_start_opens_the_game(s):
    samples, xid = watch_intro(s)
    check_intro_played(samples)
    # The rules fade in all the way.
    wait_until(lambda: s.window_opacity(xid) == 1.0, 10, "the rules to be fully opaque")
    s.click(screens.showing_button(s, screens.intro(s), "Start"))
    window = wait_until(lambda: screens.main(s), 20, "the main window")
    wait_until(lambda: screens.intro(s) is None, 10, "the intro window to close")
    check(not s.x_windows(screens.INTRO_TITLE), "the intro's X window is still mapped")
    # The main window starts a game at once: the count runs, the board stands.
    count = wait_until(lambda: screens.memorise_count(s), 10, "the memorise count")
    check(count.isdigit() and 1 <= int(count) <= 20, f"memorise count {count!r}")
    board = wait_until(lambda: screens.in_memorise_with_names(s), 10, "15 named pictures")
    check_equal(len(set(board.words())), 15, "different names on the board")
    check(window.name.endswith(" "), "the main window's caption lost its trailing space")
    check(s.game.poll() is None, "the game ended after Start")


def cancel_ends_the_program(s):
    watch_intro(s)
    s.click(screens.showing_button(s, screens.intro(s), "Cancel"))
    # Until the program has ended, no main window may open.
    deadline = time.monotonic() + 10
    while s.game.poll() is None:
        check(time.monotonic() < deadline, "the game did not end within 10 s of Cancel")
        try:
            opened = screens.main(s) is not None
        except Exception:  # the application leaves the bus as it ends
            opened = False
        check(not opened, "Cancel opened the main window")
        time.sleep(0.05)
    check_equal(s.game.returncode, 0, "exit code after Cancel")


SCENARIOS = {
    "intro_plays_and_start_opens_the_game": intro_plays_and_start_opens_the_game,
    "cancel_ends_the_program": cancel_ends_the_program,
}

if __name__ == "__main__":
    import tq_e2e
    sys.exit(tq_e2e.main(SCENARIOS))
