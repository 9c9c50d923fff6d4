"""quenza-driver played through its standard input, one JSON answer a line."""

import json
import select
import subprocess

ANSWER_SECONDS = 60


class Hung(RuntimeError):
    """The game did not answer in time: it is stuck."""


class Driver:
    def __init__(self, child):
        self.child = child

    def send(self, command, seconds=ANSWER_SECONDS):
        """The driver's answer to one command, as a dict."""
        if self.child.poll() is not None:
            raise RuntimeError("the driver ended (%s) before: %s" % (self.child.returncode, command))
        self.child.stdin.write((command + "\n").encode())
        self.child.stdin.flush()
        ready, _, _ = select.select([self.child.stdout], [], [], seconds)
        if not ready:
            raise Hung("no answer to: " + command)
        line = self.child.stdout.readline()
        if not line:
            raise RuntimeError("the driver ended while answering: " + command)
        return json.loads(line)

    def do(self, command, seconds=ANSWER_SECONDS):
        answer = self.send(command, seconds)
        if not answer.get("ok"):
            raise RuntimeError("%s failed: %s" % (command, answer.get("error")))
        return answer.get("value")

    def get(self, path):
        return self.do("get " + path)

    def pump(self, seconds=ANSWER_SECONDS):
        """Between commands the driver waits on its input and the game answers
        nobody; a command without effects lets it handle what came in from X
        and the accessibility bus."""
        self.do("opened", seconds)

    def quit(self):
        if self.child.poll() is None:
            try:
                self.send("quit", 10)
                self.child.wait(10)
            except (RuntimeError, OSError, subprocess.TimeoutExpired):
                self.child.kill()
                self.child.wait()
