"""Reads the game through AT-SPI as a screen reader would: events sent per
step, whether the grid is a 12 x 12 table, whether an evolution level's words
can be read before a joker shows them, and whether every text question on
every control is answered.

    tree_test.py --driver PATH --program-dir DIR --data-dir DIR

Exit 0 when every check passes, 1 otherwise, 77 when this machine has no X
server or AT-SPI.
"""

import collections
import json
import re
import sys
import time

from play import Play
from session import Hung, run_check, wait_until
from speech_steps import close_rankings, level_running, open_window, splash_return, \
    start_traditional, switch_ranking

APP = "quenza"
QUIET_SECONDS = 1.5
STEP_SECONDS = 30
# An answer slower than this is a hang (a busy machine with sanitizers is slow).
STALL_SECONDS = 20
# A step sends what changed, not the whole window again.
MOST_EVENTS = 60


def run_to_end(play, command):
    """What the probe printed before `end`; TimeoutError with the last line it
    printed (the question the game never answered) when it went silent."""
    output = play.session.helper(command, APP)
    while True:
        output.read_new()
        if output.lines[-1:] == ["end"]:
            return output.lines[:-1]
        if output.child.poll() is not None and not output.read_new():
            raise RuntimeError("atspi_probe.py %s ended before its end" % command)
        try:
            play.pump()
        except Hung:
            output.last_new = 0
        if time.monotonic() - output.last_new > STALL_SECONDS:
            output.child.kill()
            raise TimeoutError(output.lines[-1] if output.lines else "(nothing)")


def grid_table(nodes):
    """What the tree says of the grid: a 12 x 12 table whose cells know their place."""
    tables = [node for node in nodes if node["role"] == "table"]
    grid = [t for t in tables if t.get("rows") == 12 and t.get("columns") == 12]
    if not grid:
        return False, "no 12 x 12 table; tables: %s" % (
            ["%s %sx%s" % (t["name"], t.get("rows"), t.get("columns")) for t in tables] or "none")
    cells = [n for n in nodes if n["path"].startswith(grid[0]["path"] + ".") and n.get("cell")]
    if len({tuple(n["cell"]) for n in cells}) != 144:
        return False, "the 12 x 12 table has %d cells with a row and column" % len(cells)
    if not all(n["focusable"] for n in cells):
        return False, "some cells of the table cannot take the focus"
    return True, "a 12 x 12 table named %r, every cell placed and focusable" % grid[0]["name"]


def hidden_words(play, nodes):
    """The level's words not shown on screen, and where the tree gives them away."""
    example = play.driver.get("Form1.ejemplo2")
    shown = {example["text"].upper()} if example["visible"] else set()
    words = [label["text"] for label in (play.driver.get("Form1.resultado(%d)" % slot) for slot
                                         in range(play.driver.get("Form1.num_palabras") + 1))
             if not label["visible"] and label["text"] and label["text"].upper() not in shown]
    readable = ["%s in the %s of %s %s" % (word, field, node["role"], node["path"])
                for word in words for node in nodes for field in ("name", "description", "text")
                if node.get(field) and re.search(r"\b%s\b" % re.escape(word), node[field],
                                                 re.IGNORECASE)]
    return words, readable


def open_rankings(play):
    open_window(play, "Form7", lambda: play.press("ctrl+r"))


def run(session):
    play, problems = Play(session), []

    def check(name, passed, detail):
        print("[%s] %s: %s" % ("pass" if passed else "FAIL", name, detail))
        if not passed:
            problems.append(name)

    session.driver.do("start")
    splash_return(play)
    start_traditional(play)
    listener = session.helper("events", APP)
    wait_until(lambda: listener.read_new() is not None and "ready" in listener.lines,
               STEP_SECONDS, play.pump, "the event listener")

    def counted(name, act):
        listener.read_new()
        act(play)
        new = listener.until_quiet(play.pump, QUIET_SECONDS, STEP_SECONDS)
        counts = collections.Counter(line.split()[1] for line in new)
        total = sum(counts.values())
        check("%s sends at most %d events" % (name, MOST_EVENTS), total <= MOST_EVENTS,
              "%d events %s" % (total, dict(counts.most_common())))

    tree = lambda: [json.loads(line) for line in run_to_end(play, "tree")]
    counted("an arrow on the grid", lambda p: p.press("Right"))
    counted("F2 starting a new game", lambda p: p.press("F2"))
    check("the grid is a 12 x 12 table", *grid_table(tree()))
    counted("Ctrl+R opening the rankings viewer", open_rankings)
    counted("Right switching the viewer's ranking", switch_ranking)
    counted("Escape closing the viewer", close_rankings)
    counted("F3 starting an evolution game", lambda p: level_running(p, "F3"))
    listener.child.kill()
    words, readable = hidden_words(play, tree())
    check("an evolution level hides its words", bool(words), "hidden words: %s" % words)
    check("no hidden word is readable in the tree", not readable,
          "readable: %s" % ("; ".join(readable) or "none"))

    # Last, as a question the game never answers leaves it stuck.
    open_rankings(play)
    try:
        questions, hang = len(run_to_end(play, "text")), None
    except TimeoutError as last_question:
        questions, hang = 0, "no answer to: %s" % last_question
    check("every text question is answered within %d s" % STALL_SECONDS,
          questions > 0, hang or "all %d answered" % questions)
    return problems


if __name__ == "__main__":
    sys.exit(run_check(run, with_orca=False))
