"""Plays the game on a private desktop with Orca listening, and checks what
Orca says after each step (see speech_steps.py).

    speech_test.py --driver PATH --program-dir DIR [--report FILE]

Without --report: the check; exit 0 when every step meets its expectation
(steps in EXPECTED_TO_FAIL must still fail), 1 otherwise, 77 when this
machine cannot run Orca. With --report: writes, step by step, everything
Orca said, and checks nothing.
"""

import argparse
import re
import sys
import time

from play import Play
from session import Session, Unavailable, conclude
from speech_steps import EXPECTED_TO_FAIL, STEPS

SKIPPED = 77
# Orca has finished with a step once its log stays still this long.
QUIET_SECONDS = 1.5


def await_quiet(play, log, seconds):
    """Pumps the game until Orca's log stays still, or the step's time is up."""
    deadline = time.monotonic() + seconds
    still_since = time.monotonic()
    while time.monotonic() < deadline:
        play.pump()
        if log.read_new():
            still_since = time.monotonic()
        elif time.monotonic() - still_since >= QUIET_SECONDS:
            return


def verdict(step, spoken, facts):
    """None when Orca said what the step asks, else what was missing."""
    heard = " | ".join(spoken)
    if step.says and not re.search(step.says.format(**facts), heard):
        return "never said /%s/" % step.says.format(**facts)
    if step.once:
        pattern = step.once.format(**facts)
        times = sum(1 for text in spoken if re.search(pattern, text))
        if times != 1:
            return "said /%s/ %d times, not once" % (pattern, times)
    return None


def play_steps(session, out):
    play = Play(session)
    log = session.orca_log
    session.driver.do("start")
    problems = []
    for number, step in enumerate(STEPS, 1):
        mark = log.mark()
        try:
            step.act(play)
        except (RuntimeError, TimeoutError) as error:
            problems.append("%s: could not be played: %s" % (step.name, error))
            print("%2d. %s\n    COULD NOT PLAY: %s" % (number, step.name, error), file=out)
            break
        await_quiet(play, log, step.seconds)
        spoken = log.speech(mark)
        missing = verdict(step, spoken, play.facts)
        print("%2d. %s" % (number, step.name), file=out)
        for text in spoken:
            print("    said: %s" % text, file=out)
        if not spoken:
            print("    (silence)", file=out)
        print("    active window: %s" % session.xdotool("getactivewindow", "getwindowname"),
              file=out)
        if log.flooded(mark):
            print("    ORCA PRUNED ITS EVENT QUEUE (flood)", file=out)
        expected_to_fail = step.name in EXPECTED_TO_FAIL
        if missing and not expected_to_fail:
            problems.append("%s: %s" % (step.name, missing))
        elif not missing and expected_to_fail and (step.says or step.once):
            problems.append("%s: passes now; take it off EXPECTED_TO_FAIL" % step.name)
        if step.says or step.once:
            state = "FAIL" if missing else "pass"
            print("    -> %s%s%s" % (state, " (expected to fail)" if expected_to_fail else "",
                                    ": " + missing if missing else ""), file=out)
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--driver", required=True)
    parser.add_argument("--program-dir", required=True)
    parser.add_argument("--report")
    arguments = parser.parse_args()
    out = open(arguments.report, "w", encoding="utf-8", buffering=1) if arguments.report else sys.stdout
    try:
        with Session(arguments.driver, arguments.program_dir) as session:
            problems = play_steps(session, out)
    except Unavailable as why:
        print("SKIPPED: %s" % why)
        return SKIPPED
    return conclude(problems, out if arguments.report else None)


if __name__ == "__main__":
    sys.exit(main())
