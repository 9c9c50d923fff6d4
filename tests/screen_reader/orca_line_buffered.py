"""Runs Orca with its debug log written line by line, so a test can read what
it says while it runs.

Usage: orca_line_buffered.py LOG_FILE

Orca opens its --debug-file block-buffered; this loads Orca's own launcher,
hands it an `open` that buffers by line, and lets it run. Orca also refuses to
start while any other Orca of the same user runs (a person's own, or another
test's); this private one talks to its own session bus only, so that check is
skipped.
"""

import builtins
import sys

ORCA_LAUNCHER = "/usr/bin/orca"


def main():
    log_path = sys.argv[1]
    with builtins.open(ORCA_LAUNCHER, encoding="utf-8") as launcher:
        code = compile(launcher.read(), ORCA_LAUNCHER, "exec")
    launcher_globals = {"__name__": "orca_launcher", "__file__": ORCA_LAUNCHER}
    exec(code, launcher_globals)

    def open_line_buffered(file, mode="r", *args, **kwargs):
        if file == log_path:
            return builtins.open(file, mode, buffering=1, encoding="utf-8")
        return builtins.open(file, mode, *args, **kwargs)

    launcher_globals["open"] = open_line_buffered
    launcher_globals["otherOrcas"] = lambda: []
    sys.argv = ["orca", "--debug-file", log_path]
    sys.exit(launcher_globals["main"]())


if __name__ == "__main__":
    main()
