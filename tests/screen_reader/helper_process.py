"""A helper process (an AT-SPI probe or listener) whose output lines are read
while the game is kept answering: it runs on the session's buses and display."""

import os
import select
import subprocess
import sys
import time

from driver import Hung

HERE = os.path.dirname(os.path.abspath(__file__))


class HelperProcess:
    def __init__(self, session, script, *args):
        self.child = subprocess.Popen(
            [sys.executable, os.path.join(HERE, script), *args], env=session.env,
            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        os.set_blocking(self.child.stdout.fileno(), False)
        self.lines = []
        self._partial = b""
        self.last_output = time.monotonic()

    def read_new(self):
        """Takes in what the helper printed since the last call."""
        ready, _, _ = select.select([self.child.stdout], [], [], 0)
        if not ready:
            return 0
        chunk = self.child.stdout.read() or b""
        if chunk:
            self.last_output = time.monotonic()
        *complete, self._partial = (self._partial + chunk).split(b"\n")
        self.lines.extend(line.decode("utf-8", "replace") for line in complete)
        return len(complete)

    def run_to_end(self, pump, stall_seconds):
        """Pumps the game until the helper prints `end`. Returns None when it
        did, or the last line it printed before going silent for stall_seconds
        (the question the game never answered)."""
        while True:
            self.read_new()
            if self.lines and self.lines[-1] == "end":
                self.child.wait()
                return None
            if self.child.poll() is not None and not self.read_new():
                raise RuntimeError("%s ended: %s" % (self.child.args[1], self.errors()))
            if time.monotonic() - self.last_output > stall_seconds:
                self.stop()
                return self.lines[-1] if self.lines else "(nothing)"
            try:
                pump()
            except Hung:
                self.stop()
                return self.lines[-1] if self.lines else "(nothing)"

    def errors(self):
        return self.child.stderr.read().decode("utf-8", "replace")[-2000:]

    def stop(self):
        if self.child.poll() is None:
            self.child.kill()
        self.child.wait()
