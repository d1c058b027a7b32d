"""A real X session for driving the game like a person and a screen reader.

Each run gets its own Xvfb (display number chosen by the server), its own
D-Bus session bus with the accessibility bus it starts on demand, and its own
runtime folder, so runs never meet. Every process is started in a process
group of its own and the whole group is ended at the close, so nothing is left
behind. The game is driven with xdotool (pointer and key strokes through the X
server) and read through the accessibility bus (AT-SPI) and the screen's pixels.

One Session per process: the accessibility client binds to the bus of the
first session it sees.
"""
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

APP_NAME = "tavlin-quorvane"
SCREEN = (1280, 1024)


class Role:
    """The roles the scenarios look for, by the names of AT-SPI's constants
    (Atspi.Role, pyatspi.ROLE_*). A library may rename a role's display name
    (at-spi2-core 2.53 made "push button" "button"), never its constant."""
    ALERT = "ALERT"
    APPLICATION = "APPLICATION"
    FILLER = "FILLER"
    FRAME = "FRAME"
    LABEL = "LABEL"
    MENU_BAR = "MENU_BAR"
    MENU_ITEM = "MENU_ITEM"
    PANEL = "PANEL"
    POPUP_MENU = "POPUP_MENU"
    PUSH_BUTTON = "PUSH_BUTTON"
    TEXT = "TEXT"


class Failure(AssertionError):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def check_equal(actual, expected, what):
    if actual != expected:
        raise Failure(f"{what}: expected {expected!r}, got {actual!r}")


def wait_until(condition, timeout, what, interval=0.05):
    """Polls `condition` until it returns something true; returns that value.

    Objects of the tree vanish while windows close: a lookup that fails on the
    way counts as "not yet"."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except Exception as error:  # a vanished object, a window not there yet
            last_error = error
        if time.monotonic() > deadline:
            extra = f" (last error: {last_error})" if last_error else ""
            raise Failure(f"timed out after {timeout} s waiting for {what}{extra}")
        time.sleep(interval)


def _end_group(proc, grace=5.0):
    """Ends every process of the group that `proc` leads: TERM, then KILL after `grace` s."""
    pgid = proc.pid
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(pgid, sig)
        except ProcessLookupError:
            return True
        deadline = time.monotonic() + grace
        while time.monotonic() < deadline:
            proc.poll()  # a leader not yet reaped would keep the group alive
            try:
                os.killpg(pgid, 0)
            except ProcessLookupError:
                return True
            time.sleep(0.05)
    return False


class Session:
    def __init__(self, binary, artifacts=None):
        self.binary = binary
        self.artifacts = artifacts
        self.dir = tempfile.mkdtemp(prefix="tq-e2e-")
        self.runtime = os.path.join(self.dir, "run")
        os.mkdir(self.runtime, 0o700)
        self._groups = []   # (pgid, Popen) of everything started
        self.game = None
        self.env = None
        self.atspi = None

    # ---- life of the session -------------------------------------------
    def _spawn(self, argv, env, log, **kw):
        out = open(os.path.join(self.dir, log), "ab")
        proc = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL, stdout=kw.pop("stdout", out),
                                stderr=out, start_new_session=True, **kw)
        out.close()
        self._groups.append(proc)
        return proc

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.close()
            raise
        return self

    def __exit__(self, kind, value, tb):
        if kind is not None:
            self.print_game_log()
            if self.artifacts:
                self.save_artifacts()
        leftover = self.close()
        if kind is None:
            check(not leftover, f"processes left behind in groups {leftover}")
        return False

    def start(self):
        missing = [tool for tool in ("Xvfb", "dbus-daemon", "xdotool", "xprop", "import") if not shutil.which(tool)]
        check(not missing, f"missing {missing}: tools/setup.sh lists the packages (./test.sh installs them)")
        env = self.clean_environment()
        # The X server: it picks a free display and writes its number down.
        read_end, write_end = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{SCREEN[0]}x{SCREEN[1]}x24",
                     "-nolisten", "tcp", "-noreset"], env, "xvfb.log", pass_fds=(write_end,))
        os.close(write_end)
        number = self._read_line(read_end, 20, "the X server's display number")
        os.close(read_end)
        env["DISPLAY"] = ":" + number
        # A private session bus; the accessibility bus starts on demand through it.
        dbus = self._spawn(["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1",
                            "--address=unix:dir=" + self.runtime], env, "dbus.log", stdout=subprocess.PIPE)
        env["DBUS_SESSION_BUS_ADDRESS"] = self._read_line(dbus.stdout.fileno(), 20, "the session bus address")
        self.env = env
        os.environ.update({k: env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XDG_RUNTIME_DIR")})
        # Start the accessibility bus before the game, which joins it only when it is there.
        import pyatspi
        from gi.repository import Atspi
        self.pyatspi, self.atspi = pyatspi, Atspi
        names = [n for n in vars(Role) if not n.startswith("_")]
        self.roles = {getattr(Atspi.Role, n): getattr(Role, n) for n in names}
        self.desktop = pyatspi.Registry.getDesktop(0)
        # Read every property afresh: the tree changes under us.
        self.desktop.set_cache_mask(Atspi.Cache.NONE)

    def clean_environment(self):
        """The caller's environment without its desktop, buses and Qt settings; the runtime folder is the session's."""
        env = {k: v for k, v in os.environ.items()
               if not k.startswith(("DISPLAY", "DBUS_", "AT_SPI", "QT_", "WAYLAND", "XDG_RUNTIME", "XDG_SESSION"))}
        env["XDG_RUNTIME_DIR"] = self.runtime
        return env

    @staticmethod
    def _read_line(fd, timeout, what):
        data = b""
        deadline = time.monotonic() + timeout
        while not data.endswith(b"\n"):
            left = deadline - time.monotonic()
            check(left > 0, f"timed out waiting for {what}")
            ready, _, _ = select.select([fd], [], [], left)
            if ready:
                chunk = os.read(fd, 256)
                check(chunk, f"no {what}: the process ended")
                data += chunk
        return data.decode().strip()

    def launch(self, *args, env=None):
        """Starts the game as a person would, with the accessibility bridge on (and `env` added)."""
        env = dict(self.env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **(env or {}))
        self.game = self._spawn([self.binary, *args], env, "game.log")
        return self.game

    def helper(self, *argv):
        """Starts a helper program in the X session (a compositor, say); it ends with the session."""
        return self._spawn(list(argv), self.env, "helpers.log")

    def wait_for_exit(self, timeout):
        try:
            return self.game.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure(f"the game did not end within {timeout} s")

    def close(self):
        """Ends every process group; returns the groups that would not end."""
        leftover = []
        for proc in reversed(self._groups):
            if not _end_group(proc):
                leftover.append(proc.pid)
            try:
                proc.wait(5)
            except subprocess.TimeoutExpired:
                leftover.append(proc.pid)
            if proc.stdout:
                proc.stdout.close()
        self._groups.clear()
        shutil.rmtree(self.dir, ignore_errors=True)
        return leftover

    def print_game_log(self, lines=60):
        """Prints the end of what the game wrote, which a failing run needs to be read by."""
        path = os.path.join(self.dir, "game.log")
        if os.path.exists(path):
            with open(path, errors="replace") as log:
                tail = log.readlines()[-lines:]
            print("---- the game's output, last lines ----\n", *tail, "----", sep="", file=sys.stderr)

    def save_artifacts(self):
        os.makedirs(self.artifacts, exist_ok=True)
        for log in ("game.log", "xvfb.log", "dbus.log"):
            path = os.path.join(self.dir, log)
            if os.path.exists(path):
                shutil.copy(path, os.path.join(self.artifacts, log))
        try:
            subprocess.run(["import", "-silent", "-window", "root", os.path.join(self.artifacts, "screen.png")],
                           env=self.env, timeout=20, check=False)
            with open(os.path.join(self.artifacts, "tree.txt"), "w") as out:
                out.write(self.dump())
        except Exception as error:
            print("could not save the screen or the tree:", error, file=sys.stderr)
        print("artifacts in", self.artifacts, file=sys.stderr)

    # ---- the accessibility tree ------------------------------------------
    def app(self):
        for i in range(self.desktop.childCount):
            a = self.desktop.getChildAtIndex(i)
            if a is not None and a.name == APP_NAME:
                return a
        return None

    def windows(self):
        app = self.app()
        return [w for w in app] if app else []

    def window(self, role, name_prefix=""):
        """The top-level window of `role` whose name starts with `name_prefix`, or None."""
        for w in self.windows():
            if self.role(w) == role and w.name.startswith(name_prefix):
                return w
        return None

    def find_all(self, root, role=None, name=None, showing=None):
        found = []

        def walk(node):
            for child in node:
                if child is None:
                    continue
                if ((role is None or self.role(child) == role)
                        and (name is None or (name(child.name) if callable(name) else child.name == name))
                        and (showing is None or self.showing(child) == showing)):
                    found.append(child)
                walk(child)
        walk(root)
        return found

    def snapshot(self, root):
        """Every object under `root` as (object, role, name, showing), read in one walk; role as by role()."""
        items = []

        def walk(node):
            for child in node:
                if child is not None:
                    items.append((child, self.role(child), child.name, self.showing(child)))
                    walk(child)
        walk(root)
        return items

    def find(self, root, role=None, name=None, showing=None):
        items = self.find_all(root, role, name, showing)
        check(len(items) == 1, f"expected one {role} named {name!r}, found {len(items)}")
        return items[0]

    def role(self, node):
        """The node's role as one of Role's, or its AT-SPI constant when it is none of them."""
        role = node.getRole()
        return self.roles.get(role, role)

    def has_state(self, node, state):
        return node.getState().contains(state)

    def showing(self, node):
        return self.has_state(node, self.pyatspi.STATE_SHOWING)

    def enabled(self, node):
        return self.has_state(node, self.pyatspi.STATE_ENABLED)

    def focused(self, node):
        return self.has_state(node, self.pyatspi.STATE_FOCUSED)

    def text_of(self, node):
        return node.queryText().getText(0, -1)

    def extents(self, node):
        """(x, y, width, height) on the screen."""
        e = node.queryComponent().getExtents(self.pyatspi.DESKTOP_COORDS)
        return e.x, e.y, e.width, e.height

    def dump(self):
        lines = []

        def walk(node, depth):
            try:
                flags = "showing" if self.showing(node) else "hidden"
                lines.append(f"{'  ' * depth}{node.getRoleName()} {node.name!r} {node.description!r} {flags}")
                for child in node:
                    walk(child, depth + 1)
            except Exception as error:
                lines.append(f"{'  ' * depth}<gone: {error}>")
        app = self.app()
        if app:
            walk(app, 0)
        return "\n".join(lines) + "\n"

    # ---- hands: pointer and keys through the X server ----------------------
    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True, timeout=30)

    def click(self, node):
        """Moves the pointer to the middle of `node` and clicks there."""
        x, y, w, h = self.extents(node)
        check(w > 0 and h > 0, f"{node.getRoleName()} {node.name!r} has no place on the screen")
        self.xdotool("mousemove", "--sync", str(x + w // 2), str(y + h // 2), "click", "1")

    def type(self, text):
        self.xdotool("type", "--delay", "40", text)

    def key(self, *keys):
        self.xdotool("key", "--delay", "40", *keys)

    # ---- eyes: the screen's pixels --------------------------------------
    def grab(self):
        """The whole screen as a Screen of RGB pixels."""
        out = subprocess.run(["import", "-silent", "-window", "root", "-depth", "8", "rgb:-"],
                             env=self.env, check=True, timeout=30, capture_output=True).stdout
        check(len(out) == SCREEN[0] * SCREEN[1] * 3, f"screen grab of {len(out)} bytes")
        return Screen(out)

    def window_opacity(self, xid):
        """The opacity the window asks the X server for, 0..1 (1 when it asks for none)."""
        out = subprocess.run(["xprop", "-id", str(xid), "_NET_WM_WINDOW_OPACITY"], env=self.env,
                             capture_output=True, text=True, timeout=10).stdout
        if "=" not in out:
            return 1.0
        return int(out.split("=")[1].strip()) / 0xFFFFFFFF

    def x_windows(self, name):
        """Ids of the mapped X windows of the game named exactly `name`."""
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{name}$"], env=self.env,
                             capture_output=True, text=True, timeout=10).stdout
        return [int(line) for line in out.split()]


class Screen:
    def __init__(self, rgb):
        self.rgb = rgb

    def pixel(self, x, y):
        i = (y * SCREEN[0] + x) * 3
        return tuple(self.rgb[i:i + 3])

    def region(self, x, y, w, h):
        rows = []
        for row in range(y, y + h):
            i = (row * SCREEN[0] + x) * 3
            rows.append(self.rgb[i:i + w * 3])
        return b"".join(rows)


def main(scenarios, session_class=Session):
    """Runs the scenario named on the command line in a session of its own."""
    import argparse
    parser = argparse.ArgumentParser()
    parser.add_argument("scenario", choices=sorted(scenarios))
    parser.add_argument("--binary", default=os.environ.get("TQ_BINARY"))
    parser.add_argument("--artifacts", default=os.environ.get("TQ_ARTIFACTS"))
    parser.add_argument("--time-limit", type=float, default=240)
    opts = parser.parse_args()
    check(opts.binary and os.access(opts.binary, os.X_OK), f"no game binary at {opts.binary!r}")

    # A scenario that hangs still ends its processes, before the test runner's own limit.
    def out_of_time(signum, frame):
        raise Failure(f"the scenario ran longer than {opts.time_limit} s")
    signal.signal(signal.SIGALRM, out_of_time)
    signal.signal(signal.SIGTERM, lambda s, f: sys.exit(3))
    signal.setitimer(signal.ITIMER_REAL, opts.time_limit)

    artifacts = os.path.join(opts.artifacts, opts.scenario) if opts.artifacts else None
    started = time.monotonic()
    try:
        with session_class(opts.binary, artifacts) as session:
            scenarios[opts.scenario](session)
    except Failure as failure:
        print(f"FAIL {opts.scenario}: {failure}", file=sys.stderr)
        return 1
    print(f"PASS {opts.scenario} in {time.monotonic() - started:.1f} s")
    return 0
