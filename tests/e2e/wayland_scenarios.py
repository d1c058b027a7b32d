#!/usr/bin/python3
"""The intro on Wayland, where a window has no opacity of its own: in a real
compositor (weston, headless, drawing with pixman) the intro must still fade
in and out over the desktop, every part of it at one level, and come to rest
opaque with the rules; and the game must not complain about opacity."""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

import tq_e2e
from tq_e2e import Failure, check, check_equal, wait_until

SCREEN = (1024, 768)
SOCKET = "tq-wayland"
WINDOW_COLOUR = (255, 224, 192)   # the intro's own colour: its edge bands and its background
BUTTON_COLOUR = (192, 192, 255)   # Start and Cancel, shown only with the rules
INTRO_SIZE = (462, 118)
PANEL = 40                        # weston's panel with its clock runs along the top
TILE = 24                         # the intro is checked in tiles of this size, part by part


class Shot:
    """A screenshot: the PNG weston wrote and its RGB pixels."""

    def __init__(self, path, rgb, taken):
        self.path, self.rgb, self.taken = path, rgb, taken

    def pixel(self, x, y):
        i = (y * SCREEN[0] + x) * 3
        return tuple(self.rgb[i:i + 3])


class WaylandSession(tq_e2e.Session):
    """A weston session of its own: its own runtime folder and socket, no X."""

    def start(self):
        missing = [tool for tool in ("weston", "weston-screenshooter", "convert") if not shutil.which(tool)]
        check(not missing, f"missing {missing}: tools/setup.sh lists the packages (./test.sh installs them)")
        env = self.clean_environment()
        weston = self._spawn(["weston", "--backend=headless-backend.so", "--use-pixman", f"--socket={SOCKET}",
                              "--debug",            # lets weston-screenshooter take the screen
                              "--no-config",        # the same desktop whoever runs it
                              "--idle-time=0",      # an idle screen would blank and stop repainting
                              f"--width={SCREEN[0]}", f"--height={SCREEN[1]}"], env, "weston.log")
        socket = os.path.join(self.runtime, SOCKET)
        deadline = time.monotonic() + 20
        while not os.path.exists(socket):
            if weston.poll() is not None:
                raise Failure(f"weston could not start (status {weston.returncode}):\n{self.log_tail('weston.log')}")
            check(time.monotonic() < deadline, f"weston made no socket within 20 s:\n{self.log_tail('weston.log')}")
            time.sleep(0.05)
        env["WAYLAND_DISPLAY"] = SOCKET
        self.env = env
        # The desktop is up once its background is drawn and has faded in:
        # two screenshots in a row agree below the panel (whose clock runs).
        self._last = None
        self.empty_desktop = wait_until(self._settled_desktop, 30, "weston's desktop to settle", interval=0.2)

    def _settled_desktop(self):
        shot = self.screenshot()
        below_panel = shot.rgb[PANEL * SCREEN[0] * 3:]
        settled = (self._last is not None and below_panel == self._last
                   and len(set(below_panel[i:i + 3] for i in range(0, len(below_panel), 3 * 997))) > 1)
        self._last = below_panel
        return shot if settled else None

    def launch(self, *args):
        env = dict(self.env, QT_QPA_PLATFORM="wayland")
        self.game = self._spawn([self.binary, *args], env, "game.log")
        return self.game

    def screenshot(self):
        """The whole screen as weston composes it."""
        folder = tempfile.mkdtemp(dir=self.dir, prefix="shot-")
        taken = time.monotonic()
        try:
            done = subprocess.run(["weston-screenshooter"], cwd=folder, env=self.env, timeout=20,
                                  capture_output=True, text=True)
        except subprocess.TimeoutExpired:
            raise Failure("weston-screenshooter took longer than 20 s")
        names = os.listdir(folder)
        check(done.returncode == 0 and len(names) == 1,
              f"weston-screenshooter failed ({done.returncode}): {done.stderr.strip()}")
        path = os.path.join(folder, names[0])
        rgb = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True, timeout=20,
                             capture_output=True).stdout
        check(len(rgb) == SCREEN[0] * SCREEN[1] * 3, f"a screenshot of {len(rgb)} bytes")
        return Shot(path, rgb, taken)

    def log_tail(self, name, lines=30):
        path = os.path.join(self.dir, name)
        if not os.path.exists(path):
            return "(no log)"
        with open(path, errors="replace") as log:
            return "".join(log.readlines()[-lines:])

    def save_artifacts(self):
        os.makedirs(self.artifacts, exist_ok=True)
        for log in ("game.log", "weston.log"):
            path = os.path.join(self.dir, log)
            if os.path.exists(path):
                shutil.copy(path, os.path.join(self.artifacts, log))
        print("artifacts in", self.artifacts, file=sys.stderr)


# ---- reading the intro off the screen ------------------------------------

def intro_rect(shot):
    """(x, y, width, height) of the intro, found by its own colour, which nothing else on the desktop has."""
    xs, ys = [], []
    row_bytes = SCREEN[0] * 3
    colour = bytes(WINDOW_COLOUR)
    for y in range(SCREEN[1]):
        row = shot.rgb[y * row_bytes:(y + 1) * row_bytes]
        at = row.find(colour)
        while at >= 0:
            if at % 3 == 0:
                xs.append(at // 3)
                ys.append(y)
            at = row.find(colour, at + 1)
    check(xs, "the intro's colour is nowhere on the screen")
    return min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1


def count_colour(shot, rect, colour):
    x0, y0, w, h = rect
    return sum(1 for y in range(y0, y0 + h) for x in range(x0, x0 + w) if shot.pixel(x, y) == colour)


class Blend:
    """How a screenshot shows the intro over the desktop, against the intro shown opaque.

    A composed pixel is level * intro + (1 - level) * desktop. Each pixel where
    the opaque intro differs enough from the desktop gives its own reading of
    the level; pixels where the opaque shot has the window's colour are the
    intro's background in every phase, so they read the level of every part."""

    def __init__(self, shot, opaque, desktop, rect):
        x0, y0, w, h = rect
        self.readings = {}       # (x, y) -> the level that pixel reads
        self.background = set()  # pixels of the window's colour in the opaque shot
        self.residuals = []      # how far background pixels are from the blend at the shot's level
        for y in range(y0, y0 + h):
            for x in range(x0, x0 + w, 2):
                s, o, d = shot.pixel(x, y), opaque.pixel(x, y), desktop.pixel(x, y)
                spread = sum((oc - dc) ** 2 for oc, dc in zip(o, d))
                if spread < 3 * 40 * 40:
                    continue
                self.readings[(x, y)] = sum((sc - dc) * (oc - dc) for sc, oc, dc in zip(s, o, d)) / spread
                if o == WINDOW_COLOUR:
                    self.background.add((x, y))
        check(len(self.readings) > w * h // 4, "too few pixels of the intro differ from the desktop")
        self.level = statistics.median(self.readings.values())
        for x, y in self.background:
            s, o, d = shot.pixel(x, y), opaque.pixel(x, y), desktop.pixel(x, y)
            self.residuals.append(max(abs(sc - (self.level * oc + (1 - self.level) * dc)) for sc, oc, dc in zip(s, o, d)))
        self.rect = rect

    def tile_levels(self):
        """The level read in each tile of the intro, from its background pixels."""
        x0, y0, w, h = self.rect
        tiles = {}
        for (x, y) in self.background:
            tiles.setdefault(((x - x0) // TILE, (y - y0) // TILE), []).append(self.readings[(x, y)])
        return {tile: statistics.median(values) for tile, values in tiles.items() if len(values) >= 40}


def check_blended(blend, what):
    """The intro is blended with the desktop beneath at one level, every part of it."""
    apart = {tile: round(level * 255) for tile, level in blend.tile_levels().items()
             if abs(level - blend.level) > 0.06}
    check(not apart, f"{what}: parts of the intro stand at other levels than {blend.level * 255:.0f} "
                     f"(tiles of {TILE} pixels: level): {apart}")
    fitting = sum(1 for r in blend.residuals if r <= 8) / len(blend.residuals)
    check(fitting >= 0.8, f"{what}: only {fitting:.0%} of the intro's background is the desktop blended "
                          f"with the intro at level {blend.level * 255:.0f}")


def check_on_step(level, offset, what):
    """The level is one the fade passes through: offset + 10 k, within the screen's rounding."""
    byte = level * 255
    off = (byte - offset) % 10
    check(min(off, 10 - off) <= 3, f"{what}: level {byte:.1f} is no step of the fade ({offset} + 10 k)")


# ---- the scenario ----------------------------------------------------------

def watch_intro(s):
    """Launches the game and screenshots the intro until it stands opaque with the rules."""
    s.launch()
    shots = []
    deadline = time.monotonic() + 60
    while True:
        check(s.game.poll() is None, f"the game ended by itself (status {s.game.returncode})")
        check(time.monotonic() < deadline, "the intro never stood opaque with its buttons within 60 s")
        shots.append(s.screenshot())
        # Two shots in a row with the buttons fully shown: the rules are in and held.
        buttons = [shot.rgb.count(bytes(BUTTON_COLOUR)) for shot in shots[-2:]]
        if len(buttons) == 2 and min(buttons) > 2000:
            return shots


def split_phases(levels):
    """(peak, trough): the first turn from fading in to fading out, and the next turn back."""
    peak = next((i for i in range(len(levels) - 1) if levels[i] >= 0.5 and levels[i + 1] < levels[i] - 0.02), None)
    check(peak is not None, "the title never faded out")
    trough = next((i for i in range(peak + 1, len(levels) - 1) if levels[i + 1] > levels[i] + 0.02), None)
    check(trough is not None, "the rules never faded in")
    return peak, trough


def keep(shot, artifacts, name):
    if artifacts:
        os.makedirs(artifacts, exist_ok=True)
        shutil.copy(shot.path, os.path.join(artifacts, name))


def intro_fades_in_and_out_on_wayland(s):
    shots = watch_intro(s)
    opaque = shots[-1]
    rect = intro_rect(opaque)
    check_equal(rect[2:], INTRO_SIZE, "the intro's size on the screen")
    # At rest the intro hides the desktop: its own colours, exactly, and the same in both last shots.
    x0, y0, w, h = rect
    check(count_colour(opaque, rect, WINDOW_COLOUR) > w * h // 3, "the intro at rest is not opaque")
    check(count_colour(opaque, rect, BUTTON_COLOUR) > 2000, "Start and Cancel do not show opaque")
    check(all(shots[-2].pixel(x, y) == opaque.pixel(x, y) for y in range(y0, y0 + h) for x in range(x0, x0 + w)),
          "the intro still changes after the rules came in")

    blends = [Blend(shot, opaque, s.empty_desktop, rect) for shot in shots[:-2]]
    levels = [b.level for b in blends]
    seen = " ".join(f"{level * 255:.0f}" for level in levels)
    print(f"levels seen: {seen}", flush=True)
    peak, trough = split_phases(levels)
    fading_in = [i for i in range(peak) if 0.1 <= levels[i] <= 0.9]
    fading_out = [i for i in range(peak + 1, trough) if 0.1 <= levels[i] <= 0.9]
    check(fading_in, f"no screenshot caught the title fading in; levels seen {seen}")
    check(fading_out, f"no screenshot caught the title fading out; levels seen {seen}")
    for i in fading_in:
        check_blended(blends[i], f"fading in, shot {i}")
        check_on_step(levels[i], 0, f"fading in, shot {i}")       # 10, 20, ... 250
    for i in fading_out:
        check_blended(blends[i], f"fading out, shot {i}")
        check_on_step(levels[i], 5, f"fading out, shot {i}")      # 245, 235, ... 5

    with open(os.path.join(s.dir, "game.log"), errors="replace") as log:
        said = log.read()
    check("opacity" not in said.lower(), f"the game complains about opacity:\n{said[-2000:]}")

    middle = lambda i: abs(levels[i] - 0.5)
    keep(shots[min(fading_in, key=middle)], s.artifacts, "wayland-fade-in.png")
    keep(shots[min(fading_out, key=middle)], s.artifacts, "wayland-fade-out.png")
    keep(opaque, s.artifacts, "wayland-opaque.png")


SCENARIOS = {
    "intro_fades_in_and_out_on_wayland": intro_fades_in_and_out_on_wayland,
}

if __name__ == "__main__":
    sys.exit(tq_e2e.main(SCENARIOS, WaylandSession))
