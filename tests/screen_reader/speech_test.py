"""Plays the game on a private desktop with Orca listening, and checks what
Orca says after each step (see speech_steps.py); prints, step by step,
everything Orca said.

    speech_test.py --driver PATH --program-dir DIR

Exit 0 when every step meets its expectation, 1 otherwise, 77 when this
machine cannot run Orca.
"""

import re
import sys

from play import Play
from session import run_check, speech
from speech_steps import STEPS

# Orca has finished with a step once its log stays still this long.
QUIET_SECONDS = 1.5


def verdict(step, spoken, facts):
    """None when Orca said what the step asks, else what was missing."""
    if step.says and not re.search(step.says.format(**facts), " | ".join(spoken)):
        return "never said /%s/" % step.says.format(**facts)
    if step.once:
        pattern = step.once.format(**facts)
        times = sum(1 for text in spoken if re.search(pattern, text))
        if times != 1:
            return "said /%s/ %d times, not once" % (pattern, times)
    return None


def play_steps(session):
    play = Play(session)
    session.driver.do("start")
    problems = []
    for number, step in enumerate(STEPS, 1):
        print("%2d. %s" % (number, step.name))
        session.orca_log.read_new()
        mark = len(session.orca_log.lines)
        try:
            step.act(play)
        except (RuntimeError, TimeoutError) as error:
            print("    COULD NOT PLAY: %s" % error)
            return problems + ["%s: could not be played: %s" % (step.name, error)]
        session.orca_log.until_quiet(play.pump, QUIET_SECONDS, step.seconds)
        heard = session.orca_log.lines[mark:]
        spoken = speech(heard)
        for text in spoken or ["(silence)"]:
            print("    said: %s" % text)
        print("    active window: %s" % session.xdotool("getactivewindow", "getwindowname"))
        if any("Pruning event queue due to flood" in line for line in heard):
            print("    ORCA PRUNED ITS EVENT QUEUE (flood)")
        missing = verdict(step, spoken, play.facts)
        if missing:
            problems.append("%s: %s" % (step.name, missing))
        if step.says or step.once:
            print("    -> %s" % ("FAIL: " + missing if missing else "pass"))
    return problems


if __name__ == "__main__":
    sys.exit(run_check(play_steps, with_orca=True))
