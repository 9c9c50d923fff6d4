"""Prints, one line each, the accessibility events the game sends that make a
screen reader work: `ready` first, then `SECONDS TYPE ROLE NAME` per event.

Run with Debian's python3 (pyatspi) on the session's buses; ends when killed.
"""

import sys
import time

import pyatspi

APP = sys.argv[1] if len(sys.argv) > 1 else "quenza"
EVENTS = (
    "focus:",
    "object:state-changed",
    "object:property-change:accessible-name",
    "object:text-changed",
    "object:children-changed",
    "window:activate",
)


def describe(event):
    try:
        app = event.host_application.name
    except Exception:
        app = ""
    if app != APP:
        return None
    try:
        role = event.source.getRoleName()
        name = event.source.name
    except Exception:
        role, name = "?", "?"
    return "%.3f %s %s %r" % (time.monotonic(), event.type, role.replace(" ", "_"), name)


def on_event(event):
    line = describe(event)
    if line is not None:
        print(line, flush=True)


pyatspi.Registry.registerEventListener(on_event, *EVENTS)
print("ready", flush=True)
pyatspi.Registry.start()
