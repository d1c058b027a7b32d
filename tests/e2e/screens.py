"""What the game's windows look like to a screen reader and to the eye."""
import os
import re

from tq_e2e import Failure, Role, check, check_equal, wait_until

INTRO_TITLE = "Tavlin Quorvane"
MAIN_TITLE = "Tavlin Quorvane - Game created by "
RULES = ("There are some pictures with their names displayed on the screen. You have 20 seconds to "
         "remember them. Write the correct names of pictures in 2 minutes.")
PLACEHOLDER = "Think"
WRONG_TINT = (253, 206, 207)
WHITE = (255, 255, 255)


def intro(s):
    return next((w for w in s.windows() if s.role(w) == Role.FRAME and w.name == INTRO_TITLE), None)


def main(s):
    """The main window while it is on screen (it may be made, unseen, while the intro shows)."""
    window = s.window(Role.FRAME, MAIN_TITLE)
    return window if window is not None and s.showing(window) else None


def showing_button(s, window, caption):
    buttons = [b for b in s.find_all(window, Role.PUSH_BUTTON, caption) if s.showing(b)] if window else []
    return buttons[0] if buttons else None


def launch_to_rules(s, timeout=20):
    """Starts the game and waits until the intro shows its rules and buttons."""
    s.launch()
    wait_until(lambda: showing_button(s, intro(s), "Start"), timeout, "the intro's Start button")


def start_game(s):
    """Plays the intro through and presses Start; returns the main window."""
    launch_to_rules(s)
    s.click(showing_button(s, intro(s), "Start"))
    return wait_until(lambda: main(s), 20, "the main window")


class Board:
    """The 15 slots as they stand: each picture with the name label right above it."""

    def __init__(self, s):
        self.s = s
        window = main(s)
        check(window is not None, "no main window")
        self.window = window
        items = s.snapshot(window)
        labels = [(node, s.extents(node)) for node, role, _, showing in items if role == Role.LABEL and showing]
        pictures = {name: node for node, role, name, _ in items if role == Role.FILLER and name.startswith("Picture ")}
        self.answers = {name: node for node, role, name, _ in items if role == Role.TEXT and name.startswith("Answer ")}
        self.pictures, self.names = [], []
        for n in range(1, 16):
            picture = pictures.get(f"Picture {n}")
            check(picture is not None, f"no picture {n}")
            px, py, pw, ph = s.extents(picture)
            above = [(e[1], lbl) for lbl, e in labels
                     if abs(e[0] - px) <= 2 and e[1] < py and py - (e[1] + e[3]) < 10]
            check(above, f"no name label stands above picture {n}")
            self.pictures.append(picture)
            self.names.append(max(above, key=lambda pair: pair[0])[1])

    def words(self):
        return [label.name for label in self.names]

    def answer(self, n):
        box = self.answers.get(f"Answer {n}")
        check(box is not None, f"no answer box {n}")
        return box

    def picture_pixels(self, screen):
        return [screen.region(*self.s.extents(p)) for p in self.pictures]


CATALOG_TABLE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "catalog", "table.tsv")


def off_board_word(words):
    """The name of a catalog picture that is not on this board."""
    with open(CATALOG_TABLE) as table:
        keys = [row.split("\t")[1] for row in table.read().splitlines()[2:]]  # past the header and "Think"
    return next(k for k in keys if k.isalpha() and k not in words)


# The clocks' frames, by the names the game gives them: their role is Qt's
# choice (a frame in Qt 6.4, a panel in 6.8).
CLOCK_FRAMES = ("Seconds shown", "Time Remaining", "Time Passed")


def clock_frames(s):
    return s.find_all(main(s), name=lambda n: n in CLOCK_FRAMES, showing=True)


def memorise_count(s):
    """The memorise seconds as shown (the number before "Seconds"), or None."""
    for frame in clock_frames(s):
        names = [label.name for label in frame]
        if len(names) == 2 and names[1] == "Seconds":
            return names[0]
    return None


def recall_clock(s):
    """(remaining minutes, remaining seconds, passed minutes, passed seconds) as shown, or None."""
    frames = {}
    for frame in clock_frames(s):
        names = [label.name for label in frame]
        if names and names[0] in ("Time Remaining:", "Time Passed :"):
            frames[names[0]] = names
    if len(frames) != 2:
        return None
    left, passed = frames["Time Remaining:"], frames["Time Passed :"]
    return left[1], left[3], passed[1], passed[3]


def focus_main(s):
    """Clicks a plain spot of the main window, as a person does to give it the
    keyboard (no window manager does it here): the memorise clock's frame."""
    frame = next(f for f in clock_frames(s) if f.name == "Seconds shown")
    x, y, w, h = s.extents(frame)
    s.xdotool("mousemove", "--sync", str(x + 4), str(y + h // 2), "click", "1")


def in_recall(s):
    board = Board(s)
    return board if all(w == PLACEHOLDER for w in board.words()) else None


def in_memorise_with_names(s):
    board = Board(s)
    words = board.words()
    return board if all(re.fullmatch(r"[A-Z]{2,12}", w) for w in words) else None


def result_box(s):
    return s.window(Role.ALERT)


def prompt_of(s, box):
    labels = [lbl.name for lbl in s.find_all(box, Role.LABEL, showing=True)]
    check(len(labels) == 1, f"the result box shows {len(labels)} texts: {labels!r}")
    return labels[0]


def box_colour(s, screen, node):
    """The commonest colour inside a box's border: its background."""
    x, y, w, h = s.extents(node)
    counts = {}
    for yy in range(y + 3, y + h - 3):
        for xx in range(x + 3, x + w - 3):
            p = screen.pixel(xx, yy)
            counts[p] = counts.get(p, 0) + 1
    return max(counts, key=counts.get)
