"""A private desktop for hearing the game: Xvfb and openbox, a session bus,
the accessibility bus, Orca writing what it says to a log, and the game run by
quenza-driver on xcb. Everything runs with its own HOME and XDG_RUNTIME_DIR
and ends with the session.
"""

import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from driver import Driver
from orca_log import OrcaLog

HERE = os.path.dirname(os.path.abspath(__file__))
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
START_SECONDS = 30
SCREEN = "1024x768x24"


class Unavailable(Exception):
    """What this machine lacks to run the session; the test skips."""


def missing_programs(with_orca):
    needed = ["Xvfb", "openbox", "xdotool", "dbus-daemon", "dbus-send"]
    if with_orca:
        needed.append("orca")
    missing = [name for name in needed if shutil.which(name) is None]
    if not os.access(BUS_LAUNCHER, os.X_OK):
        missing.append(BUS_LAUNCHER + " (at-spi2-core)")
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        missing.append("pyatspi (python3-pyatspi, for %s)" % sys.executable)
    return missing


def wait_until(done, seconds, pump=None, what="it"):
    """Polls done() until it answers something true; pump() keeps the game
    answering meanwhile. Raises TimeoutError after the deadline."""
    deadline = time.monotonic() + seconds
    while True:
        result = done()
        if result:
            return result
        if time.monotonic() > deadline:
            raise TimeoutError("waited %.0f s for %s" % (seconds, what))
        if pump is not None:
            pump()
        else:
            time.sleep(0.05)


def read_line(pipe, seconds):
    """One line from a child's pipe, or None after the deadline."""
    ready, _, _ = select.select([pipe], [], [], seconds)
    return pipe.readline().decode().strip() if ready else None


class Session:
    def __init__(self, driver_path, program_dir, seed=9, date="2002-03-05", with_orca=True,
                 data_fixture=None):
        self.driver_path = driver_path
        self.program_dir = program_dir
        self.data_fixture = data_fixture
        self.seed = seed
        self.date = date
        self.with_orca = with_orca
        self.children = []
        self.root = None
        self.env = None
        self.orca_log = None
        self.driver = None

    def __enter__(self):
        missing = missing_programs(self.with_orca)
        if missing:
            raise Unavailable("needs " + ", ".join(missing) +
                              " (scripts/install-deps.sh installs them)")
        try:
            self._start()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()

    def _spawn(self, args, stdout=subprocess.DEVNULL, stdin=subprocess.DEVNULL, extra_env=None):
        env = dict(self.env)
        env.update(extra_env or {})
        child = subprocess.Popen(args, env=env, stdin=stdin, stdout=stdout,
                                 stderr=subprocess.DEVNULL, start_new_session=True)
        self.children.append(child)
        return child

    def _start(self):
        self.root = tempfile.mkdtemp(prefix="quenza-screen-reader-")
        home = os.path.join(self.root, "home")
        runtime = os.path.join(self.root, "runtime")
        os.mkdir(home, 0o700)
        os.mkdir(runtime, 0o700)
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": home,
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "LANG": "C.UTF-8",
        }
        for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
            if name in os.environ:
                self.env[name] = os.environ[name]
        self._start_display()
        self._start_window_manager()
        self._start_session_bus()
        self._start_accessibility_bus()
        if self.with_orca:
            self._start_orca()
        self._start_game()

    def _start_display(self):
        # Xvfb fails at once on a display that is taken; the next one is tried.
        first = 200 + os.getpid() % 500
        for number in range(first, first + 50):
            if os.path.exists("/tmp/.X%d-lock" % number):
                continue
            server = self._spawn(["Xvfb", ":%d" % number, "-nolisten", "tcp",
                                  "-screen", "0", SCREEN])
            self.env["DISPLAY"] = ":%d" % number
            try:
                wait_until(lambda: server.poll() is not None or self._display_answers(),
                           START_SECONDS, what="Xvfb")
            except TimeoutError:
                raise Unavailable("Xvfb did not start")
            if server.poll() is None:
                return
        raise Unavailable("no free X display")

    def _display_answers(self):
        return subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0

    def _start_window_manager(self):
        # Its start-up command runs once it manages the screen; the pipe stays
        # open while it runs, so writing to it never kills it.
        manager = self._spawn(["openbox", "--startup", "echo ready"], stdout=subprocess.PIPE)
        deadline = time.monotonic() + START_SECONDS
        # Its own messages come first.
        while read_line(manager.stdout, max(deadline - time.monotonic(), 0)) != "ready":
            if time.monotonic() > deadline or manager.poll() is not None:
                raise Unavailable("openbox did not start")

    def _start_session_bus(self):
        bus = self._spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                          stdout=subprocess.PIPE)
        address = read_line(bus.stdout, START_SECONDS)
        if not address:
            raise Unavailable("the session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

    def _start_accessibility_bus(self):
        # Not exported as AT_SPI_BUS_ADDRESS: Qt would then connect before the
        # bus listens and never appear on it. Everyone asks the session bus.
        self._spawn([BUS_LAUNCHER, "--launch-immediately"])
        ask = ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
               "/org/a11y/bus", "org.a11y.Bus.GetAddress"]
        wait_until(lambda: subprocess.run(ask, env=self.env, stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL).returncode == 0,
                   START_SECONDS, what="the accessibility bus")

    def _start_orca(self):
        log_path = os.path.join(self.root, "orca.log")
        self._spawn([sys.executable, os.path.join(HERE, "orca_line_buffered.py"), log_path])
        self.orca_log = OrcaLog(log_path)
        # Orca says it is on once it listens to the accessibility bus.
        wait_until(lambda: self.orca_log.read_new() is not None and self.orca_log.speech(),
                   START_SECONDS, what="Orca to start")

    def _start_game(self):
        arguments = ["--program-dir", self.program_dir, "--seed", str(self.seed),
                     "--date", self.date]
        if self.data_fixture:
            # A fresh copy each time: the game writes to its data folder.
            data = tempfile.mkdtemp(dir=self.root, prefix="data-")
            shutil.copytree(self.data_fixture, data, dirs_exist_ok=True)
            arguments += ["--data-dir", data]
        child = self._spawn(
            [self.driver_path, *arguments],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE,
            extra_env={"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
        self.driver = Driver(child)

    def restart_game(self):
        """A new game process in place of one that is stuck."""
        self.driver.quit()
        self.children.remove(self.driver.child)
        self._start_game()

    def xdotool(self, *args):
        """Runs xdotool on the session's display; its output, or None on failure."""
        done = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True)
        return done.stdout.strip() if done.returncode == 0 else None

    def press(self, *keys):
        """Real key events on the X server, to whatever window has the focus."""
        if self.xdotool("key", "--delay", "40", *keys) is None:
            raise RuntimeError("xdotool could not press " + " ".join(keys))

    def stop(self):
        if self.driver is not None:
            self.driver.quit()
            self.driver = None
        for child in reversed(self.children):
            if child.poll() is None:
                try:
                    os.killpg(child.pid, signal.SIGTERM)
                    child.wait(10)
                except subprocess.TimeoutExpired:
                    os.killpg(child.pid, signal.SIGKILL)
                    child.wait()
                except ProcessLookupError:
                    child.wait()
            for pipe in (child.stdin, child.stdout):
                if pipe is not None:
                    pipe.close()
        self.children = []
        if self.root is not None and not os.environ.get("QUENZA_KEEP_SESSION"):
            shutil.rmtree(self.root, ignore_errors=True)
        self.root = None


def conclude(problems, report):
    """The exit status of a check: a report always ends well; otherwise each
    problem is printed and any one fails the check."""
    if report is not None:
        report.close()
        return 0
    for problem in problems:
        print("FAILED: " + problem)
    return 1 if problems else 0
