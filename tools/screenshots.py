#!/usr/bin/python3
"""Takes the README's screenshots by playing the real game in an X session.

The intro is taken through a compositor, so its fading shows as it really does;
the rest is played with the pointer and the keyboard like any game."""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))

import screens  # noqa: E402
from tq_e2e import Session, Role, check, wait_until  # noqa: E402



def save(s, path, x, y, w, h):
    subprocess.run(["import", "-silent", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "+repage",
                    "-strip", path], env=s.env, check=True, timeout=30)
    print("wrote", path)


def window_box(s, node, margin=0):
    x, y, w, h = s.extents(node)
    return x - margin, y - margin, w + 2 * margin, h + 2 * margin


def take(s, out):
    # A compositor blends the fading intro with what lies behind it (its grey desktop).
    s.helper("xcompmgr", "-n")
    s.launch()
    intro = wait_until(lambda: screens.intro(s), 20, "the intro")
    xid = wait_until(lambda: s.x_windows(screens.INTRO_TITLE), 20, "the intro's X window")[0]
    # The title half-way through its fade in, over the desktop.
    wait_until(lambda: 0.45 <= s.window_opacity(xid) <= 0.75, 10, "the title half faded in", interval=0.01)
    save(s, os.path.join(out, "intro-fading.png"), *window_box(s, intro, margin=30))
    # The rules, fully shown, waiting for Start or Cancel.
    wait_until(lambda: screens.showing_button(s, screens.intro(s), "Start"), 20, "the rules")
    wait_until(lambda: s.window_opacity(xid) == 1.0, 10, "the rules fully shown")
    save(s, os.path.join(out, "intro.png"), *window_box(s, screens.intro(s)))

    s.click(screens.showing_button(s, screens.intro(s), "Start"))
    window = wait_until(lambda: screens.main(s), 20, "the main window")
    board = wait_until(lambda: screens.in_memorise_with_names(s), 10, "the board")
    words = board.words()
    wait_until(lambda: (screens.memorise_count(s) or "0").isdigit() and int(screens.memorise_count(s)) >= 7,
               15, "a few seconds of memorising")
    save(s, os.path.join(out, "memorise.png"), *window_box(s, window))

    # Recall: a player half-way through, one word remembered wrongly.
    board = wait_until(lambda: screens.in_recall(s), 30, "the recall phase")
    s.click(board.answer(1))
    answers = [w.lower() for w in words[:6]] + ["banana"] + [w.lower() for w in words[7:10]] + [words[1].lower()]
    for text in answers[:7]:
        s.type(text)
        s.key("Return")
    wait_until(lambda: s.text_of(board.answer(7)) == "BANANA", 10, "the answers to be typed")
    save(s, os.path.join(out, "recall.png"), *window_box(s, window))

    for text in answers[7:]:
        s.type(text)
        s.key("Return")
    wait_until(lambda: s.text_of(board.answer(11)) == words[1], 10, "the last answers to be typed")
    s.click(s.find(window, Role.PUSH_BUTTON, "Submit"))
    wait_until(lambda: screens.result_box(s), 10, "the result box")
    wait_until(lambda: screens.prompt_of(s, screens.result_box(s)), 5, "the result")
    save(s, os.path.join(out, "result.png"), *window_box(s, window))
    s.click(s.find(screens.result_box(s), Role.PUSH_BUTTON))
    screens.focus_main(s)
    s.key("ctrl+q")
    check(s.wait_for_exit(10) == 0, "the game did not end cleanly")


def main():
    binary = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "build", "app", "tavlin-quorvane")
    out = sys.argv[2] if len(sys.argv) > 2 else os.path.join(HERE, "..", "docs")
    os.makedirs(out, exist_ok=True)
    with Session(os.path.abspath(binary)) as s:
        take(s, os.path.abspath(out))
    return 0


if __name__ == "__main__":
    sys.exit(main())
