"""Reads the game's accessibility tree as a screen reader does, in a process
of its own (the test keeps the game answering meanwhile).

    atspi_probe.py tree APP     one JSON line per node, then `end`
    atspi_probe.py text APP     asks every text node for the text at a few
                                offsets by every boundary; prints `ask ...`
                                before each question and `end` at the end
    atspi_probe.py events APP   `ready`, then `SECONDS TYPE ROLE NAME` for
                                each event that makes a screen reader work

A node's path is its chain of child indexes from the application, e.g. 0.3.12.
Run with Debian's python3 (pyatspi) on the session's buses.
"""

import json
import sys
import time

import pyatspi

BOUNDARIES = ("CHAR", "WORD_START", "WORD_END", "SENTENCE_START", "SENTENCE_END",
              "LINE_START", "LINE_END")
EVENTS = ("focus:", "object:state-changed", "object:property-change:accessible-name",
          "object:text-changed", "object:children-changed", "window:activate")


def walk(node, path=(), parent=None):
    yield ".".join(map(str, path)), node, parent
    for index in range(node.childCount):
        child = node.getChildAtIndex(index)
        if child is not None:
            yield from walk(child, path + (index,), node)


def text_of(node):
    try:
        return node.queryText()
    except NotImplementedError:
        return None


def describe(path, node, parent):
    text = text_of(node)
    entry = {"path": path, "role": node.getRoleName(), "name": node.name,
             "description": node.description, "text": text and text.getText(0, -1)}
    if node.getRole() == pyatspi.ROLE_TABLE:
        table = node.queryTable()
        entry["rows"], entry["columns"] = table.nRows, table.nColumns
    if parent is not None and parent.getRole() == pyatspi.ROLE_TABLE:
        table, index = parent.queryTable(), node.getIndexInParent()
        entry["cell"] = [table.getRowAtIndex(index), table.getColumnAtIndex(index)]
        # Orca follows the keyboard cursor only onto cells that can take the focus.
        entry["focusable"] = node.getState().contains(pyatspi.STATE_FOCUSABLE)
    return entry


def ask_texts(app):
    for path, node, _ in walk(app):
        text = text_of(node)
        if text is None:
            continue
        length, content = text.characterCount, text.getText(0, -1)
        for offset in sorted({0, 1, length // 2, max(length - 1, 0), length}):
            for name in BOUNDARIES:
                print("ask %s %d %s %s %r" % (path, offset, name.lower(),
                                              node.getRoleName().replace(" ", "_"), content),
                      flush=True)
                text.getTextAtOffset(offset, getattr(pyatspi, "TEXT_BOUNDARY_" + name))


def print_event(event):
    try:
        if event.host_application.name != APP:
            return
    except Exception:
        return
    try:
        role, name = event.source.getRoleName(), event.source.name
    except Exception:
        role, name = "?", "?"
    print("%.3f %s %s %r" % (time.monotonic(), event.type, role.replace(" ", "_"), name),
          flush=True)


command, APP = sys.argv[1], sys.argv[2]
if command == "events":
    pyatspi.Registry.registerEventListener(print_event, *EVENTS)
    print("ready", flush=True)
    pyatspi.Registry.start()
app = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == APP), None)
if app is None:
    raise SystemExit("no application %r on the accessibility bus" % APP)
if command == "tree":
    for entry in walk(app):
        print(json.dumps(describe(*entry), ensure_ascii=False), flush=True)
else:
    ask_texts(app)
print("end", flush=True)
