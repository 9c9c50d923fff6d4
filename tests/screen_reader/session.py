"""A private desktop for hearing the game: Xvfb and openbox, a session bus,
the accessibility bus, Orca writing what it says to a log, and the game run by
quenza-driver on xcb, all with their own HOME and XDG_RUNTIME_DIR and ended
with the session. Also what both checks share: the driver, lines read from a
helper or a log while the game keeps answering, and how a check ends.

Run as a program, `session.py COMMAND...` runs COMMAND on a private Xvfb with
openbox (DISPLAY set) and exits with its status, or with 77 when the desktop
cannot start: the real-display tests start their X server this way.
"""

import argparse
import json
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
START_SECONDS = 30
ANSWER_SECONDS = 60
SKIPPED = 77


class Unavailable(Exception):
    """What this machine lacks to run the session; the check skips."""


class Hung(RuntimeError):
    """The game did not answer in time: it is stuck."""


def wait_until(done, seconds, pump=None, what="it"):
    """Polls done() until it answers something true; pump() keeps the game
    answering meanwhile. Raises TimeoutError after the deadline."""
    deadline = time.monotonic() + seconds
    while not (result := done()):
        if time.monotonic() > deadline:
            raise TimeoutError("waited %.0f s for %s" % (seconds, what))
        pump() if pump else time.sleep(0.05)
    return result


def read_line(pipe, seconds):
    """One line from a child's pipe, or None after the deadline."""
    ready, _, _ = select.select([pipe], [], [], seconds)
    return pipe.readline().decode().strip() if ready else None


class Lines:
    """The lines a child writes to a pipe or a file, read without waiting."""

    def __init__(self, stream, child=None):
        os.set_blocking(stream.fileno(), False)
        self.stream, self.child, self.lines, self.partial = stream, child, [], b""
        self.last_new = time.monotonic()

    def read_new(self):
        """Takes in what came since the last call; the number of new lines."""
        chunk = self.stream.read() or b""
        if chunk:
            self.last_new = time.monotonic()
        *complete, self.partial = (self.partial + chunk).split(b"\n")
        self.lines.extend(line.decode("utf-8", "replace") for line in complete)
        return len(complete)

    def until_quiet(self, pump, quiet, seconds):
        """Pumps the game until nothing new came for `quiet` seconds, or for
        at most `seconds`; the lines that came meanwhile."""
        mark, deadline = len(self.lines), time.monotonic() + seconds
        self.last_new = time.monotonic()
        while time.monotonic() < deadline and time.monotonic() - self.last_new < quiet:
            pump()
            self.read_new()
        return self.lines[mark:]


class Driver:
    """quenza-driver played through its standard input, one JSON answer a line."""

    def __init__(self, child):
        self.child = child

    def do(self, command, seconds=ANSWER_SECONDS):
        if self.child.poll() is not None:
            raise RuntimeError("the driver ended (%s) before: %s"
                               % (self.child.returncode, command))
        self.child.stdin.write((command + "\n").encode())
        self.child.stdin.flush()
        if not select.select([self.child.stdout], [], [], seconds)[0]:
            raise Hung("no answer to: " + command)
        line = self.child.stdout.readline()
        if not line:
            raise RuntimeError("the driver ended while answering: " + command)
        answer = json.loads(line)
        if not answer.get("ok"):
            raise RuntimeError("%s failed: %s" % (command, answer.get("error")))
        return answer.get("value")

    def get(self, path):
        return self.do("get " + path)

    def pump(self):
        """Between commands the driver waits on its input and the game answers
        nobody; a command without effects lets it handle what came in from X
        and the accessibility bus."""
        self.do("opened")


class Session:
    def __init__(self, arguments, with_orca):
        self.arguments = arguments
        self.with_orca = with_orca
        self.children = []
        self.root = self.orca_log = self.driver = None

    def __enter__(self):
        needed = ["Xvfb", "openbox", "xdotool", "dbus-daemon", "dbus-send"]
        missing = [name for name in needed + ["orca"] * self.with_orca if not shutil.which(name)]
        if not os.access(BUS_LAUNCHER, os.X_OK):
            missing.append(BUS_LAUNCHER + " (at-spi2-core)")
        try:
            import pyatspi  # noqa: F401
        except ImportError:
            missing.append("pyatspi (python3-pyatspi, for %s)" % sys.executable)
        if missing:
            raise Unavailable("needs %s (scripts/install-deps.sh installs them)"
                              % ", ".join(missing))
        try:
            self.start()
        except BaseException:
            self.stop()
            raise
        return self

    def __exit__(self, *exc):
        self.stop()

    def spawn(self, args, stdout=subprocess.DEVNULL, stdin=subprocess.DEVNULL,
              stderr=subprocess.DEVNULL, pass_fds=(), **extra_env):
        child = subprocess.Popen(args, env=dict(self.env, **extra_env), stdin=stdin,
                                 stdout=stdout, stderr=stderr, pass_fds=pass_fds,
                                 start_new_session=True)
        self.children.append(child)
        return child

    def helper(self, *args):
        """atspi_probe.py run on the session's buses; its output as Lines."""
        child = self.spawn([sys.executable, os.path.join(HERE, "atspi_probe.py"), *args],
                           stdout=subprocess.PIPE, stderr=None)
        return Lines(child.stdout, child)

    def start(self):
        self.start_desktop()
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE)
        address = read_line(bus.stdout, START_SECONDS)
        if not address:
            raise Unavailable("the session bus did not start")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address

        # Not exported as AT_SPI_BUS_ADDRESS: Qt would then connect before the
        # bus listens and never appear on it. Everyone asks the session bus.
        self.spawn([BUS_LAUNCHER, "--launch-immediately"])
        ask = ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
               "/org/a11y/bus", "org.a11y.Bus.GetAddress"]
        wait_until(lambda: subprocess.run(ask, env=self.env, stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL).returncode == 0,
                   START_SECONDS, what="the accessibility bus")

        if self.with_orca:
            log_path = os.path.join(self.root, "orca.log")
            open(log_path, "w").close()
            self.spawn([sys.executable, os.path.join(HERE, "orca_line_buffered.py"), log_path])
            self.orca_log = Lines(open(log_path, "rb"))
            # Orca says it is on once it listens to the accessibility bus.
            wait_until(lambda: self.orca_log.read_new() is not None and speech(self.orca_log.lines),
                       START_SECONDS, what="Orca to start")

        game = ["--program-dir", self.arguments.program_dir, "--seed", "9", "--date", "2002-03-05"]
        if self.arguments.data_dir:
            # A fresh copy: the game writes to its data folder.
            data = os.path.join(self.root, "data")
            shutil.copytree(self.arguments.data_dir, data)
            game += ["--data-dir", data]
        self.driver = Driver(self.spawn([self.arguments.driver, *game], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, QT_QPA_PLATFORM="xcb",
                                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))

    def start_desktop(self):
        self.root = tempfile.mkdtemp(prefix="quenza-screen-reader-")
        home, runtime = os.path.join(self.root, "home"), os.path.join(self.root, "runtime")
        os.mkdir(home, 0o700)
        os.mkdir(runtime, 0o700)
        self.env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home,
                    "XDG_RUNTIME_DIR": runtime, "LANG": "C.UTF-8",
                    "XDG_CONFIG_HOME": os.path.join(home, ".config"),
                    "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
                    "XDG_CACHE_HOME": os.path.join(home, ".cache")}
        for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
            if name in os.environ:
                self.env[name] = os.environ[name]

        # The server picks a free display itself and writes its number down.
        number_out, number_in = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(number_in), "-nolisten", "tcp",
                    "-screen", "0", "1024x768x24"], pass_fds=(number_in,))
        os.close(number_in)
        with os.fdopen(number_out, "rb") as numbers:
            number = read_line(numbers, START_SECONDS)
        if not number:
            raise Unavailable("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number

        # openbox runs its start-up command once it manages the screen, after
        # its own messages; the pipe stays open while it runs.
        manager = self.spawn(["openbox", "--startup", "echo ready"], stdout=subprocess.PIPE)
        deadline = time.monotonic() + START_SECONDS
        while read_line(manager.stdout, max(deadline - time.monotonic(), 0)) != "ready":
            if time.monotonic() > deadline or manager.poll() is not None:
                raise Unavailable("openbox did not start")

    def xdotool(self, *args):
        """Runs xdotool on the session's display; its output, or None on failure."""
        done = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True)
        return done.stdout.strip() if done.returncode == 0 else None

    def stop(self):
        if self.driver is not None and self.driver.child.poll() is None:
            try:
                self.driver.child.stdin.write(b"quit\n")
                self.driver.child.stdin.flush()
                self.driver.child.wait(10)
            except (OSError, subprocess.TimeoutExpired):
                pass
        for child in reversed(self.children):
            try:
                os.killpg(child.pid, signal.SIGTERM)
                child.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(child.pid, signal.SIGKILL)
                child.wait()
            except ProcessLookupError:
                child.wait()
        self.children = []
        if self.root is not None and not os.environ.get("QUENZA_KEEP_SESSION"):
            shutil.rmtree(self.root, ignore_errors=True)
        self.root = None


# Each line of Orca's log that it spoke: SPEECH OUTPUT: 'the text'{the voice}
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'\s*(\{[^{}]*\})?\s*$")


def speech(lines):
    """Every text Orca spoke in these lines of its log."""
    return [match.group(1) for match in map(SPEECH.search, lines) if match]


def run_check(check, with_orca):
    """Runs check(session) on a fresh session from the command line
    (--driver, --program-dir, [--data-dir]): exit 0 when it found no
    problem, 1 when it did, 77 when this machine cannot run the session."""
    parser = argparse.ArgumentParser()
    parser.add_argument("--driver", required=True)
    parser.add_argument("--program-dir", required=True)
    parser.add_argument("--data-dir")
    try:
        with Session(parser.parse_args(), with_orca) as session:
            problems = check(session)
    except Unavailable as why:
        print("SKIPPED: %s" % why)
        return SKIPPED
    for problem in problems:
        print("FAILED: " + problem)
    return 1 if problems else 0


def run_under_x(command):
    """Runs command on a private Xvfb with openbox; its exit status, or 77."""
    session = Session(None, with_orca=False)
    try:
        missing = [name for name in ("Xvfb", "openbox") if not shutil.which(name)]
        if missing:
            raise Unavailable("needs %s (scripts/install-deps.sh installs them)"
                              % ", ".join(missing))
        session.start_desktop()
        return subprocess.run(command, env=dict(os.environ, DISPLAY=session.env["DISPLAY"])
                              ).returncode
    except Unavailable as why:
        print("SKIPPED: %s" % why)
        return SKIPPED
    finally:
        session.stop()


if __name__ == "__main__":
    sys.exit(run_under_x(sys.argv[1:]))
