#!/usr/bin/python3
"""What a screen reader gets: every control it can reach has a readable name,
and a covered picture never gives its word away."""
import re
import sys

import screens
from tq_e2e import Role, check, check_equal, wait_until


def unnamed(s, window):
    """The showing controls that a screen reader would read out as nothing."""
    bad = []
    for node, role, name, showing in s.snapshot(window):
        if not showing or role in (Role.FRAME, Role.FILLER, Role.PANEL, Role.MENU_BAR, Role.POPUP_MENU):
            continue  # containers: they are passed through, not read
        if not name.strip():
            bad.append(role)
    return bad


def check_every_control_named(s, window, where):
    bad = unnamed(s, window)
    check(not bad, f"{where}: controls without a name: {bad}")


def check_clock_reads_as_shown(s):
    left_min, left_sec, passed_min, passed_sec = wait_until(
        lambda: (c := screens.recall_clock(s)) and all(c) and c, 5, "the recall clock's figures")
    for figure in (left_min, left_sec, passed_min, passed_sec):
        check(re.fullmatch(r"\d{1,2}", figure), f"clock figure reads {figure!r}")
    check(0 <= int(left_min) <= 1 and int(passed_min) == 0, f"clock minutes {left_min!r}, {passed_min!r}")


def words_given_away(s, window, words):
    """Objects whose name, description or attributes hold a word of the board."""
    found = []
    for node, role, name, showing in s.snapshot(window):
        spoken = [name, node.description]
        try:
            spoken += [str(a) for a in node.getAttributes()]
        except Exception:
            pass
        try:
            spoken.append(node.queryImage().imageDescription)
        except NotImplementedError:
            pass
        text = " ".join(spoken).upper()
        for word in words:
            if re.search(rf"\b{word}\b", text):
                found.append((role, name, word))
    return found


def controls_are_named_and_covered_words_stay_hidden(s):
    screens.launch_to_rules(s)
    intro = screens.intro(s)
    check_every_control_named(s, intro, "intro")
    check_equal(sorted(b.name for b in s.find_all(intro, Role.PUSH_BUTTON, showing=True)),
                ["Cancel", "Start"], "the intro's buttons")
    s.click(screens.showing_button(s, intro, "Start"))
    window = wait_until(lambda: screens.main(s), 20, "the main window")

    # Memorise: pictures and boxes by number, the count by what it shows.
    board = wait_until(lambda: screens.in_memorise_with_names(s), 10, "15 named pictures")
    words = board.words()
    # The count shows nothing until the first second has passed.
    count = wait_until(lambda: screens.memorise_count(s), 5, "the memorise count")
    check(re.fullmatch(r"\d{1,2}", count), f"the memorise count reads {count!r}")
    check_every_control_named(s, window, "memorise")
    check_equal(sorted(b.name for b in s.find_all(window, Role.PUSH_BUTTON, showing=True)),
                ["Give Up", "Submit"], "the main window's buttons")
    check_equal(sorted(n for _, role, n, _ in s.snapshot(window) if role == Role.TEXT),
                sorted([f"Answer {n}" for n in range(1, 16)] + [""]), "answer boxes (and the hidden template)")

    # The menu by its captions, each item with its shortcut.
    menu = s.find(window, Role.MENU_ITEM, "Game")
    s.click(menu)
    items = wait_until(lambda: [i for i in s.find_all(window, Role.MENU_ITEM, showing=True) if i.name != "Game"],
                       5, "the Game menu to open")
    check_equal([i.name for i in items], ["New Game", "Exit"], "the Game menu's items")
    bindings = [i.queryAction().getKeyBinding(0) for i in items]
    check(all(bindings), f"menu items without a shortcut a screen reader can tell: {bindings}")
    s.key("Escape")
    wait_until(lambda: not [i for i in s.find_all(window, Role.MENU_ITEM, showing=True) if i.name != "Game"],
               5, "the menu to close")

    # Recall: the words are gone from everything a screen reader can reach.
    wait_until(lambda: screens.in_recall(s), 30, 'every name to read "Think"')
    check_clock_reads_as_shown(s)
    check_every_control_named(s, window, "recall")
    given_away = words_given_away(s, window, words)
    check(not given_away, f"covered words given away: {given_away}")
    pictures = sorted(n for _, role, n, _ in s.snapshot(window) if n.startswith("Picture "))
    check_equal(pictures, sorted(f"Picture {n}" for n in range(1, 16)), "the pictures' names")

    # Give Up uncovers the words; the pictures' own names still hold no word.
    s.click(s.find(window, Role.PUSH_BUTTON, "Give Up"))
    wait_until(lambda: screens.Board(s).words() == words, 10, "Give Up to uncover every name")
    given_away = [g for g in words_given_away(s, window, words) if g[0] != Role.LABEL]
    check(not given_away, f"words given away by other than the name labels: {given_away}")


SCENARIOS = {
    "controls_are_named_and_covered_words_stay_hidden": controls_are_named_and_covered_words_stay_hidden,
}

if __name__ == "__main__":
    import tq_e2e
    sys.exit(tq_e2e.main(SCENARIOS))
