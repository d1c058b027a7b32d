#!/usr/bin/python3
"""Starting the game where no desktop can be reached (a console, an SSH session
without X forwarding): one plain line says what is missing and the game ends
with status 1, no abort, no core. A platform the user chooses still starts."""
import os
import sys
import time

import tq_e2e
from tq_e2e import check, check_equal

NO_DESKTOP = ("tavlin-quorvane needs a graphical desktop (X11 or Wayland), and there is none here: "
              "neither DISPLAY nor WAYLAND_DISPLAY is set\n")


class BareSession(tq_e2e.Session):
    """No display server, no Wayland compositor, no session bus: the environment
    loses them all, and the runtime folder is an empty one of its own."""

    def start(self):
        self.env = self.clean_environment()

    def launch(self, *args, **extra_env):
        self.game = self._spawn([self.binary, *args], dict(self.env, **extra_env), "game.log")
        return self.game

    def output(self):
        with open(os.path.join(self.dir, "game.log"), errors="replace") as log:
            return log.read()

    def save_artifacts(self):
        pass  # the output is printed on failure; there is no screen


def without_a_desktop_the_game_says_so_and_ends(s):
    s.launch()
    status = s.wait_for_exit(30)
    check_equal(s.output(), NO_DESKTOP, "what the game says")
    check_equal(status, 1, "exit status")


def a_chosen_platform_starts_without_a_desktop(s):
    for args, env in ((["-platform", "offscreen"], {}), ([], {"QT_QPA_PLATFORM": "offscreen"})):
        how = " ".join(args) or "QT_QPA_PLATFORM=offscreen"
        game = s.launch(*args, **env)
        time.sleep(3)
        check(game.poll() is None, f"with {how} the game ended (status {game.returncode}): {s.output()!r}")
        check(NO_DESKTOP.strip() not in s.output(), f"with {how} the game says there is no desktop")
        tq_e2e._end_group(game)
        game.wait(5)


SCENARIOS = {
    "without_a_desktop_the_game_says_so_and_ends": without_a_desktop_the_game_says_so_and_ends,
    "a_chosen_platform_starts_without_a_desktop": a_chosen_platform_starts_without_a_desktop,
}

if __name__ == "__main__":
    sys.exit(tq_e2e.main(SCENARIOS, BareSession))
