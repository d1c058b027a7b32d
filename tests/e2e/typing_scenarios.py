#!/usr/bin/python3
"""A whole game typed through an input method that composes, as on a desktop
whose keys go through ibus: letters are held as a word being composed and
committed as text, not delivered as key presses."""
import os
import shutil
import subprocess
import sys
import time

import screens
import tq_e2e
from tq_e2e import Failure, Role, check, check_equal, wait_until

# An m17n engine that composes after the letter: "a" is held until the next
# key tells whether an accent follows ("a'" gives "á").
ENGINE = "m17n:t:latn-post"
# Seconds from a box taking the focus to the first key typed into it.
SETTLE = 0.4


class ImeSession(tq_e2e.Session):
    """A session whose keys pass through ibus, started on the session's own
    buses with its own configuration, cache and address file."""

    def start(self):
        super().start()
        check(all(shutil.which(t) for t in ("ibus-daemon", "ibus")),
              "ibus is missing: tools/setup.sh lists the packages ibus and ibus-m17n (./test.sh installs them)")
        home = os.path.join(self.dir, "home")
        os.mkdir(home)
        address = os.path.join(self.dir, "ibus-address")
        self.env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                        XDG_CACHE_HOME=os.path.join(home, ".cache"), IBUS_ADDRESS_FILE=address,
                        GSETTINGS_BACKEND="memory", QT_IM_MODULE="ibus")
        self._spawn(["ibus-daemon", "--panel=disable", "--emoji-extension=disable", "--config=disable",
                     "--cache=none", "--verbose"], self.env, "ibus.log")
        wait_until(lambda: os.path.exists(address), 20, "ibus-daemon to write its address: see ibus.log")

        def engine_set():
            subprocess.run(["ibus", "engine", ENGINE], env=self.env, capture_output=True, timeout=20)
            out = subprocess.run(["ibus", "engine"], env=self.env, capture_output=True, text=True, timeout=20)
            return out.stdout.strip() == ENGINE
        wait_until(engine_set, 30, f"ibus to take the engine {ENGINE} (is ibus-m17n installed?)", interval=0.5)

    def save_artifacts(self):
        super().save_artifacts()
        path = os.path.join(self.dir, "ibus.log")
        if os.path.exists(path):
            shutil.copy(path, os.path.join(self.artifacts, "ibus.log"))


def a_whole_game_typed_through_a_composing_input_method(s):
    screens.start_game(s)
    board = wait_until(lambda: screens.in_memorise_with_names(s), 10, "15 named pictures")
    words = board.words()
    off_board = screens.off_board_word(words)
    board = wait_until(lambda: screens.in_recall(s), 30, 'every name to read "Think"')
    s.click(board.answer(1))
    wait_until(lambda: s.focused(board.answer(1)), 5, "answer box 1 to take the focus")

    # Box n holds word n for 12 boxes, box 13 repeats box 1, box 14 a word of
    # no picture here, box 15 "e'", which the engine composes into "é" (no
    # letter a to z: it stays as it is). All in lower case, at a quick
    # typist's pace. From boxes 1 to 7 and 13 to 15 Enter moves on at once;
    # from boxes 8 to 12 a click on the next box does, as soon as the keys
    # have come through and while the word's last letter is still being composed.
    # Each word starts a moment after its box has the focus, as a person's
    # does after Enter: Qt 6.8 with ibus 1.5.32 loses keys typed at once after
    # a focus change, in a plain QLineEdit as much as here.
    typed = [w.lower() for w in words[:12]] + [words[0].lower(), off_board.lower(), "e'"]
    started = time.monotonic()
    for n, text in enumerate(typed, start=1):
        if n > 1:
            wait_until(lambda: s.focused(board.answer(n)), 5, f"answer box {n} to take the focus")
            time.sleep(SETTLE)
        s.xdotool("type", "--delay", "40", text)
        if 8 <= n <= 12:
            wait_until(lambda: s.text_of(board.answer(n)) in (text[:-1].upper(), text.upper()), 5,
                       f"box {n} to read {text.upper()!r} but for the letter being composed")
            s.click(board.answer(n + 1))
        else:
            s.key("Return")
    submit = s.find(board.window, Role.PUSH_BUTTON, "Submit")
    wait_until(lambda: s.focused(submit), 20, "Enter in the last box to move on to Submit")
    expected = [w.upper() for w in typed[:14]] + ["é"]

    def boxes():
        return [s.text_of(board.answer(n)) for n in range(1, 16)]
    try:
        wait_until(lambda: boxes() == expected, 5, "the boxes to read as typed")
    except Failure:
        last = s.text_of(board.answer(15))
        check(last == "é", f"box 15 reads {last!r}: the keys did not pass through ibus, which composes e' into é")
        check_equal(boxes(), expected, "the answer boxes")
    print(f"typed 15 boxes in {time.monotonic() - started:.1f} s")
    time.sleep(0.5)  # nothing more comes from the input method
    check_equal(boxes(), expected, "the boxes a moment later")

    s.key("Return")
    box = wait_until(lambda: screens.result_box(s), 10, "the result box")
    check_equal(screens.prompt_of(s, box),
                "Correct Answers:12\r\nPercentage :  80\r\nIntelligence Level is:  Above Average", "the result")
    expected[12] += " - Duplicate Entry"
    check_equal(boxes(), expected, "the answer boxes after scoring")
    s.click(s.find(box, Role.PUSH_BUTTON))
    wait_until(lambda: screens.result_box(s) is None, 10, "the result box to close")
    screens.focus_main(s)
    s.key("ctrl+q")
    check_equal(s.wait_for_exit(10), 0, "exit code after Exit")


SCENARIOS = {
    "a_whole_game_typed_through_a_composing_input_method": a_whole_game_typed_through_a_composing_input_method,
}

if __name__ == "__main__":
    sys.exit(tq_e2e.main(SCENARIOS, ImeSession))
