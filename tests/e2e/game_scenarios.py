#!/usr/bin/python3
"""Whole games played with the pointer and the keyboard, read back through
the accessibility bus and the screen."""
import locale
import os
import sys

import screens
from tq_e2e import Role, check, check_equal, wait_until

# Catalog words; the first that is not on the board is typed as a wrong answer.


def memorise_then_recall(s):
    """Starts a game and reads it in both phases: returns (words, memorise board, recall board)."""
    screens.start_game(s)
    board = wait_until(lambda: screens.in_memorise_with_names(s), 10, "15 named pictures")
    words = board.words()
    check_equal(len(set(words)), 15, f"different names on the board {words}")
    check(screens.recall_clock(s) is None, "the recall clock shows during memorise")
    for n in range(1, 16):
        check(not s.enabled(board.answer(n)), f"answer box {n} takes input during memorise")
    shown = board.picture_pixels(s.grab())
    check_equal(len(set(shown)), 15, "different pictures seen during memorise")

    recall = wait_until(lambda: screens.in_recall(s), 30, 'every name to read "Think"')
    wait_until(lambda: screens.recall_clock(s), 5, "the recall clock")
    covered = recall.picture_pixels(s.grab())
    check_equal(len(set(covered)), 1, "pictures that differ while covered")
    check(covered[0] not in shown, "a covered picture still shows its own image")
    for n in range(1, 16):
        check(s.enabled(recall.answer(n)), f"answer box {n} takes no input during recall")
    return words, shown, recall


def comma_decimal_locale_in_force():
    """Whether the scenario runs where numbers are written with a decimal comma."""
    try:
        locale.setlocale(locale.LC_ALL, "")
        return locale.localeconv()["decimal_point"] == ","
    finally:
        locale.setlocale(locale.LC_ALL, "C")


def a_whole_game_is_scored_as_typed(s):
    check(comma_decimal_locale_in_force(),
          f"the comma-decimal locale is missing (LC_ALL={os.environ.get('LC_ALL')!r}, "
          f"LOCPATH={os.environ.get('LOCPATH')!r}): install the package locales and build again")
    words, shown, board = memorise_then_recall(s)
    off_board = screens.off_board_word(words)
    # Box n holds word n for 11 boxes, box 12 repeats box 3, box 13 a word of
    # no picture here, boxes 14 and 15 stay empty. Typed in lower case; Enter moves on.
    typed = [w.lower() for w in words[:11]] + [words[2].lower(), off_board.lower(), "", ""]
    s.click(board.answer(1))
    wait_until(lambda: s.focused(board.answer(1)), 5, "answer box 1 to take the focus")
    for n, text in enumerate(typed, start=1):
        if text:
            s.type(text)
        wait_until(lambda: s.text_of(board.answer(n)) == text.upper(), 5,
                   f"box {n} to read {text.upper()!r}, not {s.text_of(board.answer(n))!r}")
        s.key("Return")
        if n < 15:
            wait_until(lambda: s.focused(board.answer(n + 1)), 5, f"Enter to move on to box {n + 1}")
    submit = s.find(board.window, Role.PUSH_BUTTON, "Submit")
    wait_until(lambda: s.focused(submit), 5, "Enter in the last box to move on to Submit")
    # Tab goes on from Submit to Give Up and round to box 1; Shift+Tab comes back.
    give_up = s.find(board.window, Role.PUSH_BUTTON, "Give Up")
    for key, target, what in (("Tab", give_up, "Give Up"), ("Tab", board.answer(1), "box 1"),
                              ("shift+Tab", give_up, "Give Up"), ("shift+Tab", submit, "Submit")):
        s.key(key)
        wait_until(lambda: s.focused(target), 5, f"{key} to move on to {what}")

    # Enter on the focused Submit scores, as a click would. The percentage
    # has a point in every country (the scenario runs under a comma-decimal locale).
    s.key("Return")
    box = wait_until(lambda: screens.result_box(s), 10, "the result box")
    check_equal(box.name, "Tavlin Quorvane", "the result box's title")
    check_equal(screens.prompt_of(s, box),
                "Correct Answers:11\r\nPercentage :  73.3\r\nIntelligence Level is:  Above Average",
                "the result")

    # The repeat is marked; the boxes' texts stay otherwise as typed.
    after = screens.Board(s)
    texts = [s.text_of(after.answer(n)) for n in range(1, 16)]
    expected = [t.upper() for t in typed]
    expected[11] += " - Duplicate Entry"
    check_equal(texts, expected, "the answer boxes after scoring")
    # The 11 recalled pictures are uncovered with their names; the rest stay covered.
    check_equal(after.words(), words[:11] + [screens.PLACEHOLDER] * 4, "names after scoring")
    for n in range(1, 16):
        check(not s.enabled(after.answer(n)), f"answer box {n} still takes input after scoring")

    ok = s.find(box, Role.PUSH_BUTTON)  # its one button, captioned by Qt in the desktop's language
    s.click(ok)
    wait_until(lambda: screens.result_box(s) is None, 10, "the result box to close")

    # As the eye sees it: wrong boxes are pink, right ones are not; the
    # recalled pictures show their own images again.
    screen = s.grab()
    after = screens.Board(s)
    colours = [screens.box_colour(s, screen, after.answer(n)) for n in range(1, 16)]
    for n, colour in enumerate(colours, start=1):
        if n <= 11:
            check(colour != screens.WRONG_TINT, f"right answer box {n} is tinted")
        else:
            check_equal(colour, screens.WRONG_TINT, f"colour of wrong answer box {n}")
    pixels = after.picture_pixels(screen)
    for n in range(11):
        check(pixels[n] != pixels[14], f"recalled picture {n + 1} still looks covered")
    check_equal(len(set(pixels[11:])), 1, "the pictures not recalled differ")

    screens.focus_main(s)
    s.key("ctrl+q")
    check_equal(s.wait_for_exit(10), 0, "exit code after Exit")


def new_game_in_recall_then_exit(s):
    words, shown, board = memorise_then_recall(s)
    s.click(board.answer(1))
    s.type("abc")
    wait_until(lambda: s.text_of(board.answer(1)) == "ABC", 5, "box 1 to read ABC")

    s.key("ctrl+n")
    fresh = wait_until(lambda: screens.in_memorise_with_names(s), 10, "a fresh board with names")
    new_words = fresh.words()
    check_equal(len(set(new_words)), 15, f"different names on the fresh board {new_words}")
    check(set(new_words) != set(words), "New Game drew the same 15 pictures again")
    check(screens.recall_clock(s) is None, "the recall clock still shows after New Game")
    count = wait_until(lambda: screens.memorise_count(s), 5, "the memorise count")
    check(count.isdigit() and int(count) <= 5, f"the memorise count did not start again: {count!r}")
    for n in range(1, 16):
        check_equal(s.text_of(fresh.answer(n)), "", f"text of box {n} in the fresh game")
        check(not s.enabled(fresh.answer(n)), f"answer box {n} takes input in the fresh memorise phase")
    check(fresh.picture_pixels(s.grab()) != shown, "the fresh board shows the old pictures")

    s.key("ctrl+q")
    check_equal(s.wait_for_exit(10), 0, "exit code after Exit")


SCENARIOS = {
    "a_whole_game_is_scored_as_typed": a_whole_game_is_scored_as_typed,
    "new_game_in_recall_then_exit": new_game_in_recall_then_exit,
}

if __name__ == "__main__":
    import tq_e2e
    sys.exit(tq_e2e.main(SCENARIOS))
