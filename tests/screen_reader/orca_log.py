"""What Orca said, read from its debug log while it runs."""

import re

# Each line: SPEECH OUTPUT: 'the text'{the voice}
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'\s*(\{[^{}]*\})?\s*$")
FLOOD = "Pruning event queue due to flood"


class OrcaLog:
    def __init__(self, path):
        self.path = path
        self.lines = []
        self._file = None
        self._partial = ""

    def read_new(self):
        """Takes in what Orca wrote since the last call; the number of new lines."""
        if self._file is None:
            try:
                self._file = open(self.path, encoding="utf-8", errors="replace")
            except FileNotFoundError:
                return 0
        text = self._partial + self._file.read()
        *complete, self._partial = text.split("\n")
        self.lines.extend(complete)
        return len(complete)

    def mark(self):
        """Where the log stands now; what follows belongs to the next step."""
        self.read_new()
        return len(self.lines)

    def speech(self, since=0):
        """Every text Orca spoke after line `since`."""
        spoken = []
        for line in self.lines[since:]:
            match = SPEECH.search(line)
            if match:
                spoken.append(match.group(1))
        return spoken

    def flooded(self, since=0):
        return any(FLOOD in line for line in self.lines[since:])
